// The half-reaction table: the built-in and custom half reactions with their
// derived columns, the list arrangements, and the mapping of list items back to
// table entries.
#pragma once

#include "data_file.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace galvix {

inline constexpr int TableCapacity = 832; // slots 0..831; slot 0 is never used
inline constexpr int BuiltInCount = 531;
inline constexpr int CustomCapacity = 300;
inline constexpr double LogKFactor = 16.92;

inline constexpr const char* Arrow = " -> ";
inline constexpr const char* DataFileName = "Data.dat";
inline constexpr const char* CustomFileName = "Custom.dat";

// One row of the table. Texts are Windows-1252 bytes in the Chem notation,
// kept exactly as stored.
struct HalfReactionEntry {
    std::string oxidationText;
    double oxidationPotential = 0;
    std::string oxidationLeft;
    std::string oxidationRight;
    int electronCount = 1;
    double oxidationLogK = 0;
    double reductionPotential = 0;
    std::string reductionText;
    std::string reductionLeft;
    std::string reductionRight;
    double reductionLogK = 0;
};

// Entries 1..531 are Data.dat in file order, 532..531+N are Custom.dat's N
// custom entries; index 0 is an unused slot so entry numbers index directly.
struct HalfReactionTable {
    std::vector<HalfReactionEntry> entries = std::vector<HalfReactionEntry>(1);

    int count() const { return static_cast<int>(entries.size()) - 1; }
    const HalfReactionEntry& operator[](int entry) const { return entries.at(entry); }
};

struct TableLoad {
    HalfReactionTable table;
    std::optional<DataError> dataError;
    std::string error; // empty on success: dataError's message

    bool ok() const { return !dataError; }
};

enum class Arrangement { Alphabetical, Ascending, Descending };

// The two lists of the main screen.
enum class ListSide { Oxidation, Reduction };

struct ListItems {
    std::vector<std::string> oxidation;
    std::vector<std::string> reduction;
};

struct SplitText {
    std::string left;
    std::string right;
};

// Receives (pass, T) after every outer pass of the sort; returns false to stop it.
using SortProgress = std::function<bool(int pass, int total)>;

// Reads Data.dat and Custom.dat from dataDirectory (which ends with "/").
TableLoad LoadTable(const std::string& dataDirectory);

// Derives every column of one entry from its stored oxidation text and
// potential; nullopt when the text has no arrow.
std::optional<HalfReactionEntry> DeriveEntry(std::string oxidationText, double oxidationPotential);

// 1..10 from the second-to-last character: a digit d gives d, "0" gives 10,
// anything else (the space of " e") gives 1.
int ElectronCount(std::string_view text);

// Splits at the first " -> "; nullopt when the text has none.
std::optional<SplitText> SplitAtArrow(std::string_view text);

// The reduction form of an oxidation text: right side, arrow, left side.
std::optional<std::string> ReductionForm(std::string_view oxidationText);

// Both lists in the given arrangement.
ListItems MakeListItems(const HalfReactionTable& table, Arrangement arrangement);

// The exchange sort behind Ascending and Descending; nullopt when the progress
// callback stopped it. Equal potentials end in reverse table order.
std::optional<ListItems> SortForArrangement(const HalfReactionTable& table, Arrangement direction,
                                            const SortProgress& progress = {});

// The percentage shown after pass i of T: Int(100 / (T / i)).
int SortPercent(int pass, int total);

// The lowest entry whose oxidation (reduction) text equals the text exactly.
std::optional<int> FindOxidationEntry(const HalfReactionTable& table, std::string_view text);
std::optional<int> FindReductionEntry(const HalfReactionTable& table, std::string_view text);

// The entry a list item stands for: found by its text in the list's column,
// else the item's 0-based list position + 1; nullopt when that is no entry
// (a data file changed behind the program's back).
std::optional<int> ResolveListItem(const HalfReactionTable& table, ListSide side,
                                   std::string_view text, int position);

} // namespace galvix
