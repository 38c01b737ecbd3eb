#include "elements.h"

#include "custom_reactions.h"
#include "field_reader.h"
#include "find_text.h"
#include "half_reaction_table.h"
#include "number_text.h"
#include "result_text.h"

#include <array>
#include <string_view>

namespace galvix {

namespace {

constexpr std::size_t kNameWidth = 23;
constexpr std::size_t kHydrogenRecord = 37;
constexpr std::size_t kDeuteriumRecord = 25;

constexpr int kHighestAtomicNumber = 999;

constexpr std::array<std::string_view, 14> kElementsWithoutData = {
    "HE", "NE", "AR", "KR", "RN", "UNQ", "UNP", "UNH", "UNS", "UNO", "UNE", "UUN", "UUU", "UUB"};

// A number read from the file as a whole number from `low` to `high`, checked
// before it is converted; nullopt otherwise.
std::optional<int> WholeNumberIn(double value, int low, int high) {
    if (!(value >= low && value <= high) || value != static_cast<int>(value))
        return std::nullopt;
    return static_cast<int>(value);
}

std::string RangeFault(std::string_view what, int low, int high) {
    return std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
           std::to_string(high);
}

} // namespace

std::string ShownSymbol(const std::string& symbol) {
    std::string shown = symbol;
    for (std::size_t k = 1; k < shown.size(); ++k) {
        if (shown[k] >= 'A' && shown[k] <= 'Z')
            shown[k] = static_cast<char>(shown[k] - 'A' + 'a');
    }
    return shown;
}

ElementRead ReadElements(const std::string& path) {
    ElementRead read;
    const DataFileRead file = ReadDataFile(path);
    if (file.error)
        return FailedRead(std::move(read), *file.error);
    FieldReader reader(file.bytes);
    for (int record = 1; record <= ElementCount; ++record) {
        const auto position = reader.readNumber();
        auto symbol = position ? reader.readText() : std::nullopt;
        auto name = symbol ? reader.readText() : std::nullopt;
        const auto number = name ? reader.readNumber() : std::nullopt;
        if (!number)
            return FailedRead(std::move(read), DamagedRecord(path, record, reader.error()));
        const auto listPosition = WholeNumberIn(*position, 1, TableCapacity - 1);
        if (!listPosition)
            return FailedRead(
                std::move(read),
                DamagedRecord(path, record, RangeFault("the list position", 1, TableCapacity - 1)));
        const auto atomicNumber = WholeNumberIn(*number, 1, kHighestAtomicNumber);
        if (!atomicNumber)
            return FailedRead(std::move(read), DamagedRecord(path, record,
                                                             RangeFault("the atomic number", 1,
                                                                        kHighestAtomicNumber)));
        read.records.push_back(
            {*listPosition, std::move(*symbol), std::move(*name), *atomicNumber});
    }
    return read;
}

std::string ElementListLine(const ElementRecord& record) {
    std::string line = ShownSymbol(record.symbol);
    if (line.size() == 1)
        line += ' ';
    line += "    " + record.name;
    if (record.name.size() < kNameWidth)
        line.append(kNameWidth - record.name.size(), ' ');
    return line + " " + std::to_string(record.atomicNumber);
}

std::string ElementListText(const std::vector<ElementRecord>& records, ElementTextUse use) {
    std::string text = OutputHeader();
    if (use == ElementTextUse::Copy)
        text.replace(0, text.find("\r\n"), "Galvix Ver. 3.0");
    text += std::string(ElementListHeading) + "\r\n\r\n";
    for (const ElementRecord& record : records)
        text += ElementListLine(record) + "\r\n";
    return text;
}

std::optional<std::size_t> FindElement(const std::vector<ElementRecord>& records,
                                       const std::string& search) {
    const std::string wanted = TrimSpaces(search);
    const std::string upper = UpperCp1252(wanted);
    if (wanted == "1" && records.size() >= kHydrogenRecord)
        return kHydrogenRecord - 1;
    if (upper == "DEUTERIUM" && records.size() >= kDeuteriumRecord)
        return kDeuteriumRecord - 1;
    const double number = NumericPrefixValue(wanted);
    for (std::size_t k = 0; k < records.size(); ++k) {
        const ElementRecord& record = records[k];
        if (UpperCp1252(record.symbol) == upper || UpperCp1252(record.name) == upper ||
            record.atomicNumber == number)
            return k;
    }
    return std::nullopt;
}

Jump JumpToElement(const std::vector<ElementRecord>& records, const std::string& typed) {
    const std::string symbol = UpperCp1252(TrimSpaces(typed));
    if (symbol.empty())
        return {JumpOutcome::Empty, 0};
    for (const std::string_view without : kElementsWithoutData) {
        if (symbol == without)
            return {JumpOutcome::NoData, 0};
    }
    for (const ElementRecord& record : records) {
        if (record.symbol == symbol)
            return {JumpOutcome::Position, record.listPosition};
    }
    return {JumpOutcome::NotFound, 0};
}

} // namespace galvix
