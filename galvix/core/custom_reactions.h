// The user's own half reactions in Custom.dat: reading, writing and the checks
// a new one must pass.
#pragma once

#include "data_file.h"

#include <optional>
#include <string>
#include <vector>

namespace galvix {

// One record of Custom.dat: an oxidation text and its oxidation potential.
struct CustomRecord {
    std::string text;
    double potential = 0;
};

struct CustomRead {
    std::vector<CustomRecord> records; // those read before a fault
    std::optional<DataError> dataError;
    std::string error; // empty on success: dataError's message

    bool ok() const { return !dataError; }
};

// Reads Custom.dat: the count N (0..300) then N records of text and potential.
CustomRead ReadCustomRecords(const std::string& path);

// The whole file: the count line, then one record per line, CR LF line ends.
// Every record reads back exactly as it is; nullopt when a record cannot be
// written so (a text with a quote that also needs quoting, a potential that
// is not a finite number).
std::optional<std::string> FormatCustomFile(const std::vector<CustomRecord>& records);

// The reduction form the editor shows of a stored oxidation text.
std::string ShownReduction(const std::string& oxidationText);

struct CustomCheck {
    std::string message;                // empty when the half reaction may be added
    std::optional<CustomRecord> record; // the record to store: turned round, potential negated
};

// Checks a typed reduction half reaction and its potential text, in the order
// the editor's messages are given, and builds the record to store.
CustomCheck CheckCustomReaction(const std::string& typedReaction,
                                const std::string& typedPotential);

// Trims leading and trailing spaces.
std::string TrimSpaces(const std::string& text);

} // namespace galvix
