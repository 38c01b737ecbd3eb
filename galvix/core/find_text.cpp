#include "find_text.h"

namespace galvix {

namespace {

unsigned char UpperByte(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A:
    case 0x9C:
    case 0x9E:
        return static_cast<unsigned char>(c - 0x10);
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

} // namespace

std::string UpperCp1252(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
    return upper;
}

bool EntryMatches(std::string_view entry, std::string_view search, bool wholeWord) {
    if (search.size() > entry.size())
        return false;
    for (std::size_t j = 0; j + search.size() <= entry.size(); ++j) {
        if (entry.substr(j, search.size()) != search)
            continue;
        if (!wholeWord)
            return true;
        const bool spaceBefore = j == 0 || entry[j - 1] == ' ';
        const std::size_t after = j + search.size();
        const bool spaceAfter = after == entry.size() || entry[after] == ' ';
        if (spaceBefore && spaceAfter)
            return true;
    }
    return false;
}

std::optional<std::size_t> FindEntryText(const std::vector<std::string>& entries, std::size_t start,
                                         std::string_view search, bool matchCase, bool wholeWord) {
    const std::string wanted = matchCase ? std::string(search) : UpperCp1252(search);
    for (std::size_t k = start; k < entries.size(); ++k) {
        const std::string entry = matchCase ? entries[k] : UpperCp1252(entries[k]);
        if (EntryMatches(entry, wanted, wholeWord))
            return k;
    }
    return std::nullopt;
}

} // namespace galvix
