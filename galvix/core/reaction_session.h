// One Galvix3 session: the half-reaction table of a data directory, the two
// lists in their arrangement, the search criteria, the user's own half
// reactions and the last result. Windows show it and ask it to act; it knows
// no window.
#pragma once

#include "cell_reaction.h"
#include "custom_reactions.h"
#include "data_file.h"
#include "half_reaction_table.h"
#include "result_text.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace galvix {

// What the search window looks for and Find Next continues.
struct SearchCriteria {
    std::string text; // kept upper-cased when matchCase is off
    bool matchCase = false;
    bool wholeWord = false;
    ListSide list = ListSide::Oxidation;
};

enum class ArrangeStatus { Done, Cancelled, Failed };

struct ArrangeOutcome {
    ArrangeStatus status = ArrangeStatus::Done;
    std::optional<DataError> error; // for ArrangeStatus::Failed
};

struct HalfReactionLookup {
    std::optional<HalfReactionData> data;
    CalculateFault fault = CalculateFault::None;
    std::string error;
};

// What Add does when Custom.dat already holds the half reaction's text.
enum class ExistingText { Refuse, ReplacePotential };

enum class CustomEditStatus {
    Added,
    Replaced, // the potential of the record with that text was replaced in place
    Removed,
    AlreadyStored, // Add refused: the text is there already
    Full,          // Add refused: 300 records
    NotFound,      // Remove: no record has that text any more
    ReadFailed,    // Custom.dat is missing, unreadable or damaged
    WriteFailed,
};

struct CustomEdit {
    CustomEditStatus status = CustomEditStatus::Added;
    std::optional<DataError> error; // for ReadFailed and WriteFailed
};

class ReactionSession {
  public:
    // dataDirectory ends with "/".
    explicit ReactionSession(std::string dataDirectory);

    const std::string& dataDirectory() const { return dataDirectory_; }
    std::string dataFile(std::string_view name) const;

    // Loads Data.dat and Custom.dat when they were never loaded or either
    // changed on disk (size or modification time) since the last load.
    std::optional<DataError> refresh();
    // The table of the last successful load; empty before the first.
    const HalfReactionTable& table() const { return *table_; }

    // Refreshes the table and orders both lists; a cancelled or failed sort
    // keeps the previous lists and arrangement.
    ArrangeOutcome arrange(Arrangement arrangement, const SortProgress& progress = {});
    Arrangement arrangement() const { return arrangement_; }
    const ListItems& lists() const { return lists_; }
    const std::vector<std::string>& list(ListSide side) const;
    // E° of each item of a list, in the general format with " V", as the
    // table held it when the list was arranged.
    const std::vector<std::string>& potentialTexts(ListSide side) const;

    // Analyses the chosen pair on a refreshed table: each item is found by its
    // text, falling back to its 0-based list position + 1. A successful result
    // is complete, derived values included, and becomes the last result.
    CalculateOutcome calculate(std::string_view oxidationItem, std::string_view reductionItem,
                               int oxidationPosition, int reductionPosition);
    const std::optional<CellReactionResult>& lastResult() const { return lastResult_; }

    // The data of one list item, found the way Calculate finds it, with the
    // source of a built-in entry from Sources.dat when the file names one.
    HalfReactionLookup halfReaction(ListSide side, std::string_view item, int position);

    // Stores the criteria and returns the first matching position of the chosen list.
    std::optional<std::size_t> find(SearchCriteria criteria);
    // Continues the stored search after `selected` (from the top when none is);
    // never wraps around.
    std::optional<std::size_t> findNext(std::optional<std::size_t> selected) const;
    const SearchCriteria& searchCriteria() const { return search_; }

    CustomRead readCustom() const;
    // Appends a record, or with ExistingText::ReplacePotential stores its
    // potential in the record that has its text. Custom.dat never holds one
    // text twice. Reading and rewriting run under the file guard, so that an
    // edit in another instance is neither lost nor overwritten.
    CustomEdit addCustom(const CustomRecord& record, ExistingText existing);
    // Removes the record with this stored text, wherever it now stands;
    // `rowHint` picks among records of a file written before texts were kept
    // unique. NotFound when no record has the text any more.
    CustomEdit removeCustom(const std::string& text, std::size_t rowHint);

    void setFileWriter(FileWriter writer) { writer_ = std::move(writer); }
    void setFileGuard(FileGuard guard) { guard_ = std::move(guard); }

  private:
    CustomEdit writeCustom(const std::vector<CustomRecord>& records, CustomEditStatus done);
    // Runs one read-modify-write of Custom.dat under the file guard.
    CustomEdit guardedEdit(const std::function<CustomEdit()>& edit);

    std::string dataDirectory_;
    std::shared_ptr<const HalfReactionTable> table_;
    FileStamp builtInStamp_;
    FileStamp customStamp_;
    bool loaded_ = false;
    Arrangement arrangement_ = Arrangement::Alphabetical;
    ListItems lists_;
    ListItems potentials_;
    SearchCriteria search_;
    std::optional<CellReactionResult> lastResult_;
    FileWriter writer_ = ReplaceFileContents;
    FileGuard guard_;
};

} // namespace galvix
