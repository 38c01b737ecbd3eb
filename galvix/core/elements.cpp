#include "elements.h"

#include "custom_reactions.h"
#include "field_reader.h"
#include "find_text.h"
#include "number_text.h"
#include "result_text.h"

#include <array>
#include <string_view>

namespace galvix {

namespace {

constexpr std::size_t kNameWidth = 23;
constexpr std::size_t kHydrogenRecord = 37;
constexpr std::size_t kDeuteriumRecord = 25;

constexpr std::array<std::string_view, 14> kElementsWithoutData = {
    "HE", "NE", "AR", "KR", "RN", "UNQ", "UNP", "UNH", "UNS", "UNO", "UNE", "UUN", "UUU", "UUB"};

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
        read.records.push_back({static_cast<int>(*position), std::move(*symbol), std::move(*name),
                                static_cast<int>(*number)});
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
