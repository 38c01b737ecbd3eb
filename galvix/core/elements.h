// Ele.dat: the elements the half-reaction data covers, for the list of
// elements and the jump window.
#pragma once

#include "data_file.h"

#include <optional>
#include <string>
#include <vector>

namespace galvix {

inline constexpr const char* ElementFileName = "Ele.dat";
inline constexpr int ElementCount = 99;

struct ElementRecord {
    int listPosition = 0; // 1-based position of the element's first entry in the lists
    std::string symbol;   // upper case
    std::string name;
    int atomicNumber = 0;
};

struct ElementRead {
    std::vector<ElementRecord> records;
    std::optional<DataError> dataError;
    std::string error; // empty on success: dataError's message

    bool ok() const { return !dataError; }
};

// Reads the 99 records; stops with an error at the first unreadable one.
ElementRead ReadElements(const std::string& path);

// A symbol as the list shows it: second letter in lower case.
std::string ShownSymbol(const std::string& symbol);

// One line of the list of elements: the symbol (second letter in lower case,
// one-letter symbols padded by a space), four spaces, the name padded to 23
// characters, a space and the atomic number.
std::string ElementListLine(const ElementRecord& record);

// The heading line above the columns in the copied and printed list.
inline constexpr const char* ElementListHeading = "Sym.      Name              At.No.";

enum class ElementTextUse { Copy, Print };

// The whole list as copied (first line "Galvix Ver. 3.0") or printed ("Galvix
// Ver 3.0"): the header, the heading, an empty line and one line per record;
// CR LF after every line.
std::string ElementListText(const std::vector<ElementRecord>& records, ElementTextUse use);

// The element search: "1" is hydrogen (record 37), "deuterium" record 25;
// otherwise the first record whose symbol, name or atomic number matches.
// Returns the 0-based record index.
std::optional<std::size_t> FindElement(const std::vector<ElementRecord>& records,
                                       const std::string& search);

enum class JumpOutcome { Position, NoData, NotFound, Empty };

struct Jump {
    JumpOutcome outcome = JumpOutcome::NotFound;
    int listPosition = 0; // 1-based, for JumpOutcome::Position
};

// The jump window's look-up of a typed symbol (trimmed, any case).
Jump JumpToElement(const std::vector<ElementRecord>& records, const std::string& typed);

} // namespace galvix
