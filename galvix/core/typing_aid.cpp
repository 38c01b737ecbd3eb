#include "typing_aid.h"

namespace galvix {

namespace {

constexpr unsigned char kSubscriptZero = 181;
constexpr unsigned char kSuperscriptZero = 149;
constexpr unsigned char kSuperscriptOneBefore = 139;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char SubscriptFor(char c) {
    return static_cast<char>(kSubscriptZero + (IsDigit(c) ? c - '0' : 0));
}

char SuperscriptFor(char c) {
    switch (c) {
    case '.':
        return static_cast<char>(250);
    case '+':
        return static_cast<char>(162);
    case '-':
        return static_cast<char>(163);
    default:
        break;
    }
    if (IsDigit(c) && c != '0')
        return static_cast<char>(kSuperscriptOneBefore + (c - '0'));
    return static_cast<char>(kSuperscriptZero);
}

// Converts every marker of one kind; false when a marker ends the text.
template <class Code> bool ConvertMarkers(TypingAidResult& result, char marker, Code code) {
    std::string& text = result.text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != marker)
            continue;
        if (i + 1 >= text.size())
            return false;
        text.replace(i, 2, 1, code(text[i + 1]));
        result.caret = i + 1;
    }
    return true;
}

} // namespace

TypingAidResult ApplyTypingAid(std::string_view text) {
    TypingAidResult result{std::string(text), std::nullopt};
    if (ConvertMarkers(result, '/', SubscriptFor))
        ConvertMarkers(result, '*', SuperscriptFor);
    return result;
}

} // namespace galvix
