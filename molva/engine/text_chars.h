// Character classes of the engine's canonical texts (plain ASCII).
#pragma once

#include <string_view>

namespace molva {

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
inline bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}
inline char ToUpper(char c) {
    return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}
inline char ToLower(char c) {
    return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool IsOpening(char c) {
    return c == '(' || c == '[' || c == '{';
}
inline bool IsClosing(char c) {
    return c == ')' || c == ']' || c == '}';
}

// True when c is one of `set`; the end-of-text marker '\0' is in no set.
inline bool IsOneOf(char c, std::string_view set) {
    if (c == '\0')
        return false;
    for (const char member : set) {
        if (member == c)
            return true;
    }
    return false;
}

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The text without leading and trailing blanks (spaces and tabs).
inline std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The character at a 0-based index, or '\0' beyond either end.
inline char CharAt(std::string_view text, std::size_t index) {
    return index < text.size() ? text[index] : '\0';
}

} // namespace molva
