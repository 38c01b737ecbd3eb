#include "custom_reactions.h"

#include "field_reader.h"
#include "half_reaction_table.h"
#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace galvix {

CustomRead ReadCustomRecords(const std::string& path) {
    CustomRead read;
    const DataFileRead file = ReadDataFile(path);
    if (file.error)
        return FailedRead(std::move(read), *file.error);
    FieldReader reader(file.bytes);
    const auto count = reader.readNumber();
    if (!count)
        return FailedRead(std::move(read), DamagedRecord(path, 1, reader.error()));
    if (*count < 0 || *count > CustomCapacity || *count != static_cast<int>(*count))
        return FailedRead(std::move(read),
                          DamagedRecord(path, 1,
                                        "the count must be a whole number from 0 to " +
                                            std::to_string(CustomCapacity)));
    const int n = static_cast<int>(*count);
    for (int record = 2; record <= n + 1; ++record) {
        auto text = reader.readText();
        const auto potential = text ? reader.readNumber() : std::nullopt;
        if (!potential)
            return FailedRead(std::move(read), DamagedRecord(path, record, reader.error()));
        read.records.push_back({std::move(*text), *potential});
    }
    return read;
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A text as a field that reads back as exactly that text: quoted unless it
// holds a quote; a text with a quote stays bare, which is only possible when it
// holds no comma or line end, does not start with a quote and has no blank at
// either end. Nullopt when neither form reads back.
std::optional<std::string> TextField(const std::string& text) {
    if (text.find('"') == std::string::npos)
        return "\"" + text + "\"";
    const bool bare = text.find_first_of(",\n") == std::string::npos &&
                      text.find("\r\n") == std::string::npos && text.front() != '"' &&
                      !IsBlank(text.front()) && !IsBlank(text.back());
    if (!bare)
        return std::nullopt;
    return text;
}

// The potential in the general format, or with every digit a double needs when
// fifteen do not read back as the same number.
std::string PotentialField(double potential) {
    std::string text = GeneralFormat(potential);
    if (ParseDecimalNumber(text) == potential)
        return text;
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), potential);
    return std::string(buffer.data(), written.ptr);
}

} // namespace

std::optional<std::string> FormatCustomFile(const std::vector<CustomRecord>& records) {
    std::string file = std::to_string(records.size()) + "\r\n";
    for (const CustomRecord& record : records) {
        const auto text = TextField(record.text);
        if (!text || !std::isfinite(record.potential))
            return std::nullopt;
        file += *text + "," + PotentialField(record.potential) + "\r\n";
    }
    return file;
}

std::string ShownReduction(const std::string& oxidationText) {
    return ReductionForm(oxidationText).value_or(oxidationText);
}

std::string TrimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

CustomCheck CheckCustomReaction(const std::string& typedReaction,
                                const std::string& typedPotential) {
    const std::string reaction = TrimSpaces(typedReaction);
    const double potential = NumericPrefixValue(TrimSpaces(typedPotential));
    if (reaction.empty() || potential == 0)
        return {"You must enter data in both fields!", std::nullopt};
    if (!std::isfinite(potential))
        return {"Your potential must be a number!", std::nullopt};
    const std::size_t arrow = reaction.find(Arrow);
    if (arrow == std::string::npos)
        return {"Your half reaction must contain ' -> ' as the arrow!", std::nullopt};
    const std::string before = reaction.substr(0, arrow);
    const std::string after = reaction.substr(arrow + 4);
    if (before.empty() || after.empty())
        return {"Data has to be entered on both sides of the arrow!", std::nullopt};
    if (reaction.find('e') == std::string::npos)
        return {"Your half rection must contain electrons!", std::nullopt};
    if (before.back() != 'e')
        return {"Since these are reduction half reactions, electrons must be the last thing "
                "before the arrow!",
                std::nullopt};
    const char beforeElectron = before.size() >= 2 ? before[before.size() - 2] : '\0';
    if (beforeElectron != ' ' && !(beforeElectron >= '1' && beforeElectron <= '9'))
        return {"You have to put either a space or a number in front of the electron!",
                std::nullopt};
    if (reaction.find('"') != std::string::npos)
        return {"Your half reaction must not contain a double quote (\").", std::nullopt};
    return {{}, CustomRecord{after + Arrow + before, 0 - potential}};
}

} // namespace galvix
