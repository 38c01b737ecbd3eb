#include "half_reaction_table.h"

#include "custom_reactions.h"
#include "field_reader.h"

#include <utility>

namespace galvix {

namespace {

std::string NoArrowFault() {
    return "the half reaction has no \"" + std::string(Arrow) + "\"";
}

std::optional<DataError> LoadBuiltIn(HalfReactionTable& table, const std::string& path) {
    const DataFileRead file = ReadDataFile(path);
    if (file.error)
        return file.error;
    FieldReader reader(file.bytes);
    for (int record = 1; record <= BuiltInCount; ++record) {
        const auto potential = reader.readNumber();
        auto text = potential ? reader.readText() : std::nullopt;
        if (!text)
            return DamagedRecord(path, record, reader.error());
        auto entry = DeriveEntry(std::move(*text), *potential);
        if (!entry)
            return DamagedRecord(path, record, NoArrowFault());
        table.entries.push_back(std::move(*entry));
    }
    return std::nullopt;
}

std::optional<DataError> LoadCustom(HalfReactionTable& table, const std::string& path) {
    CustomRead read = ReadCustomRecords(path);
    if (read.dataError)
        return read.dataError;
    int record = 2;
    for (CustomRecord& custom : read.records) {
        auto entry = DeriveEntry(std::move(custom.text), custom.potential);
        if (!entry)
            return DamagedRecord(path, record, NoArrowFault());
        table.entries.push_back(std::move(*entry));
        ++record;
    }
    return std::nullopt;
}

std::optional<int> FindEntry(const HalfReactionTable& table, std::string_view text,
                             std::string HalfReactionEntry::*column) {
    for (int i = 1; i <= table.count(); ++i) {
        if (table.entries[i].*column == text)
            return i;
    }
    return std::nullopt;
}

std::string ReductionFormOf(const SplitText& split) {
    return split.right + Arrow + split.left;
}

} // namespace

TableLoad LoadTable(const std::string& dataDirectory) {
    TableLoad load;
    load.table.entries.reserve(TableCapacity);
    auto error = LoadBuiltIn(load.table, dataDirectory + DataFileName);
    if (!error)
        error = LoadCustom(load.table, dataDirectory + CustomFileName);
    return error ? FailedRead(std::move(load), std::move(*error)) : load;
}

int ElectronCount(std::string_view text) {
    if (text.size() < 2)
        return 1;
    const char c = text[text.size() - 2];
    if (c == '0')
        return 10;
    if (c >= '1' && c <= '9')
        return c - '0';
    return 1;
}

std::optional<SplitText> SplitAtArrow(std::string_view text) {
    const std::size_t arrow = text.find(Arrow);
    if (arrow == std::string_view::npos)
        return std::nullopt;
    return SplitText{std::string(text.substr(0, arrow)),
                     std::string(text.substr(arrow + std::string_view(Arrow).size()))};
}

std::optional<std::string> ReductionForm(std::string_view oxidationText) {
    const auto split = SplitAtArrow(oxidationText);
    if (!split)
        return std::nullopt;
    return ReductionFormOf(*split);
}

std::optional<HalfReactionEntry> DeriveEntry(std::string oxidationText, double oxidationPotential) {
    auto split = SplitAtArrow(oxidationText);
    if (!split)
        return std::nullopt;
    HalfReactionEntry entry;
    entry.electronCount = ElectronCount(oxidationText);
    entry.oxidationPotential = oxidationPotential;
    entry.oxidationLogK = LogKFactor * (oxidationPotential * entry.electronCount);
    entry.reductionPotential = 0 - oxidationPotential;
    entry.reductionText = ReductionFormOf(*split);
    entry.reductionLogK = 0 - entry.oxidationLogK;
    entry.reductionRight = split->left;
    entry.reductionLeft = split->right;
    entry.oxidationLeft = std::move(split->left);
    entry.oxidationRight = std::move(split->right);
    entry.oxidationText = std::move(oxidationText);
    return entry;
}

ListItems MakeListItems(const HalfReactionTable& table, Arrangement arrangement) {
    if (arrangement != Arrangement::Alphabetical)
        return *SortForArrangement(table, arrangement);
    ListItems items;
    items.oxidation.reserve(table.count());
    items.reduction.reserve(table.count());
    for (int i = 1; i <= table.count(); ++i) {
        items.oxidation.push_back(table.entries[i].oxidationText);
        items.reduction.push_back(table.entries[i].reductionText);
    }
    return items;
}

std::optional<ListItems> SortForArrangement(const HalfReactionTable& table, Arrangement direction,
                                            const SortProgress& progress) {
    const int total = table.count();
    std::vector<double> key(total);
    std::vector<const std::string*> text(total);
    for (int i = 0; i < total; ++i) {
        key[i] = table.entries[i + 1].oxidationPotential;
        text[i] = &table.entries[i + 1].oxidationText;
    }
    const bool ascending = direction == Arrangement::Ascending;
    for (int i = 0; i < total; ++i) {
        for (int j = i + 1; j < total; ++j) {
            const bool inOrder = ascending ? key[i] < key[j] : key[i] > key[j];
            if (!inOrder) {
                std::swap(key[i], key[j]);
                std::swap(text[i], text[j]);
            }
        }
        if (progress && !progress(i + 1, total))
            return std::nullopt;
    }
    ListItems items;
    items.oxidation.reserve(total);
    items.reduction.reserve(total);
    for (int i = 0; i < total; ++i)
        items.oxidation.push_back(*text[i]);
    for (int k = total - 1; k >= 0; --k)
        items.reduction.push_back(ReductionForm(*text[k]).value_or(*text[k]));
    return items;
}

int SortPercent(int pass, int total) {
    return static_cast<int>(100.0 / (static_cast<double>(total) / pass));
}

std::optional<int> FindOxidationEntry(const HalfReactionTable& table, std::string_view text) {
    return FindEntry(table, text, &HalfReactionEntry::oxidationText);
}

std::optional<int> FindReductionEntry(const HalfReactionTable& table, std::string_view text) {
    return FindEntry(table, text, &HalfReactionEntry::reductionText);
}

std::optional<int> ResolveListItem(const HalfReactionTable& table, ListSide side,
                                   std::string_view text, int position) {
    const auto found = side == ListSide::Oxidation ? FindOxidationEntry(table, text)
                                                   : FindReductionEntry(table, text);
    const int entry = found ? *found : position + 1;
    if (entry < 1 || entry > table.count())
        return std::nullopt;
    return entry;
}

} // namespace galvix
