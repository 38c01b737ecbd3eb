#include "reaction_session.h"

#include "find_text.h"
#include "number_text.h"
#include "reaction_sources.h"

#include <algorithm>
#include <unordered_map>

namespace galvix {

namespace {

std::vector<CustomRecord>::iterator FindText(std::vector<CustomRecord>& records,
                                             const std::string& text) {
    return std::find_if(records.begin(), records.end(),
                        [&](const CustomRecord& record) { return record.text == text; });
}

// Keeps the first record with this text and drops the later ones.
void DropLaterCopies(std::vector<CustomRecord>& records, std::size_t first) {
    const std::string& text = records[first].text;
    const auto later =
        std::remove_if(records.begin() + static_cast<std::ptrdiff_t>(first) + 1, records.end(),
                       [&](const CustomRecord& record) { return record.text == text; });
    records.erase(later, records.end());
}

// The potential of each list item's entry; the lowest entry with the item's
// text, as Calculate finds it.
std::vector<std::string> PotentialTexts(const HalfReactionTable& table,
                                        const std::vector<std::string>& items, ListSide side) {
    std::unordered_map<std::string_view, double> potentials;
    for (int entry = table.count(); entry >= 1; --entry) {
        const HalfReactionEntry& e = table[entry];
        if (side == ListSide::Oxidation)
            potentials[e.oxidationText] = e.oxidationPotential;
        else
            potentials[e.reductionText] = e.reductionPotential;
    }
    std::vector<std::string> texts;
    texts.reserve(items.size());
    for (const std::string& item : items) {
        const auto found = potentials.find(item);
        texts.push_back(found == potentials.end() ? std::string()
                                                  : GeneralFormat(found->second) + " V");
    }
    return texts;
}

} // namespace

ReactionSession::ReactionSession(std::string dataDirectory)
    : dataDirectory_(std::move(dataDirectory)), table_(std::make_shared<HalfReactionTable>()) {}

std::string ReactionSession::dataFile(std::string_view name) const {
    return dataDirectory_ + std::string(name);
}

std::optional<DataError> ReactionSession::refresh() {
    const FileStamp builtIn = StampOf(dataFile(DataFileName));
    const FileStamp custom = StampOf(dataFile(CustomFileName));
    if (loaded_ && builtIn == builtInStamp_ && custom == customStamp_)
        return std::nullopt;
    TableLoad load = LoadTable(dataDirectory_);
    if (!load.ok()) {
        loaded_ = false;
        return load.dataError;
    }
    table_ = std::make_shared<const HalfReactionTable>(std::move(load.table));
    builtInStamp_ = builtIn;
    customStamp_ = custom;
    loaded_ = true;
    return std::nullopt;
}

ArrangeOutcome ReactionSession::arrange(Arrangement arrangement, const SortProgress& progress) {
    if (auto error = refresh())
        return {ArrangeStatus::Failed, std::move(error)};
    // The sort lets the event loop run; a reload meanwhile must not pull the
    // table from under it.
    const std::shared_ptr<const HalfReactionTable> table = table_;
    if (arrangement == Arrangement::Alphabetical) {
        lists_ = MakeListItems(*table, arrangement);
    } else {
        auto sorted = SortForArrangement(*table, arrangement, progress);
        if (!sorted)
            return {ArrangeStatus::Cancelled, std::nullopt};
        lists_ = std::move(*sorted);
    }
    arrangement_ = arrangement;
    potentials_.oxidation = PotentialTexts(*table, lists_.oxidation, ListSide::Oxidation);
    potentials_.reduction = PotentialTexts(*table, lists_.reduction, ListSide::Reduction);
    return {};
}

const std::vector<std::string>& ReactionSession::list(ListSide side) const {
    return side == ListSide::Oxidation ? lists_.oxidation : lists_.reduction;
}

const std::vector<std::string>& ReactionSession::potentialTexts(ListSide side) const {
    return side == ListSide::Oxidation ? potentials_.oxidation : potentials_.reduction;
}

CalculateOutcome ReactionSession::calculate(std::string_view oxidationItem,
                                            std::string_view reductionItem, int oxidationPosition,
                                            int reductionPosition) {
    if (auto error = refresh()) {
        CalculateOutcome outcome;
        outcome.fault = CalculateFault::TableLoad;
        outcome.error = error->message();
        outcome.dataError = std::move(error);
        return outcome;
    }
    CalculateOutcome outcome = CalculateWithTable(*table_, oxidationItem, reductionItem,
                                                  oxidationPosition, reductionPosition);
    if (outcome.ok()) {
        CompleteCellValues(outcome.result);
        lastResult_ = outcome.result;
    }
    return outcome;
}

HalfReactionLookup ReactionSession::halfReaction(ListSide side, std::string_view item,
                                                 int position) {
    HalfReactionLookup lookup;
    if (const auto error = refresh()) {
        lookup.fault = CalculateFault::TableLoad;
        lookup.error = error->message();
        return lookup;
    }
    const auto entry = ResolveListItem(*table_, side, item, position);
    if (!entry) {
        lookup.fault = CalculateFault::EntryMissing;
        lookup.error = EntryMissingMessage;
        return lookup;
    }
    lookup.data = DataOf((*table_)[*entry], side);
    if (*entry <= BuiltInCount)
        lookup.data->source =
            ReactionSources::Load(dataDirectory_).SourceOf(lookup.data->text).value_or("");
    return lookup;
}

std::optional<std::size_t> ReactionSession::find(SearchCriteria criteria) {
    if (!criteria.matchCase)
        criteria.text = UpperCp1252(criteria.text);
    search_ = std::move(criteria);
    return findNext(std::nullopt);
}

std::optional<std::size_t> ReactionSession::findNext(std::optional<std::size_t> selected) const {
    const std::size_t start = selected ? *selected + 1 : 0;
    return FindEntryText(list(search_.list), start, search_.text, search_.matchCase,
                         search_.wholeWord);
}

CustomRead ReactionSession::readCustom() const {
    return ReadCustomRecords(dataFile(CustomFileName));
}

CustomEdit ReactionSession::guardedEdit(const std::function<CustomEdit()>& edit) {
    if (!guard_)
        return edit();
    CustomEdit done;
    const std::string path = dataFile(CustomFileName);
    if (auto refused = guard_(path, [&] { done = edit(); })) {
        DataError failure{DataFault::NotWritten, CustomFileName, dataDirectory_, 0,
                          std::move(*refused)};
        return {CustomEditStatus::WriteFailed, std::move(failure)};
    }
    return done;
}

CustomEdit ReactionSession::addCustom(const CustomRecord& record, ExistingText existing) {
    return guardedEdit([&]() -> CustomEdit {
        CustomRead read = readCustom();
        if (!read.ok())
            return {CustomEditStatus::ReadFailed, read.dataError};
        std::vector<CustomRecord>& records = read.records;
        const auto stored = FindText(records, record.text);
        if (stored != records.end()) {
            if (existing == ExistingText::Refuse)
                return {CustomEditStatus::AlreadyStored, std::nullopt};
            stored->potential = record.potential;
            DropLaterCopies(records, static_cast<std::size_t>(stored - records.begin()));
            return writeCustom(records, CustomEditStatus::Replaced);
        }
        if (static_cast<int>(records.size()) >= CustomCapacity)
            return {CustomEditStatus::Full, std::nullopt};
        records.push_back(record);
        return writeCustom(records, CustomEditStatus::Added);
    });
}

CustomEdit ReactionSession::removeCustom(const std::string& text, std::size_t rowHint) {
    return guardedEdit([&]() -> CustomEdit {
        CustomRead read = readCustom();
        if (!read.ok())
            return {CustomEditStatus::ReadFailed, read.dataError};
        std::vector<CustomRecord>& records = read.records;
        auto doomed = rowHint < records.size() && records[rowHint].text == text
                          ? records.begin() + static_cast<std::ptrdiff_t>(rowHint)
                          : FindText(records, text);
        if (doomed == records.end())
            return {CustomEditStatus::NotFound, std::nullopt};
        records.erase(doomed);
        return writeCustom(records, CustomEditStatus::Removed);
    });
}

CustomEdit ReactionSession::writeCustom(const std::vector<CustomRecord>& records,
                                        CustomEditStatus done) {
    const auto bytes = FormatCustomFile(records);
    if (!bytes)
        return {CustomEditStatus::WriteFailed,
                DataError{DataFault::NotWritten, CustomFileName, dataDirectory_, 0,
                          "a half reaction cannot be stored as it is"}};
    if (const std::error_code error = writer_(dataFile(CustomFileName), *bytes)) {
        DataError failure{DataFault::NotWritten, CustomFileName, dataDirectory_, 0,
                          error.message()};
        return {CustomEditStatus::WriteFailed, std::move(failure)};
    }
    // A rewrite within one tick of the clock may keep size and time; reload anyway.
    loaded_ = false;
    return {done, std::nullopt};
}

} // namespace galvix
