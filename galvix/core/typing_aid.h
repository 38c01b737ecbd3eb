// The typing aid of the formula boxes: "/" and "*" markers become the Chem
// codes of subscripts and superscripts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace galvix {

struct TypingAidResult {
    std::string text;
    std::optional<std::size_t> caret; // 0-based caret after the last replacement
};

// "/d" becomes subscript d (code 181 + d), "/" before any other character the
// subscript zero; "*1".."*9" superscript 1..9 (139 + d), "*0" and "*" before
// any other character superscript 0 (149), "*+" 162, "*-" 163, "*." 250.
// Subscripts are converted first, each pass from left to right; a marker that
// is the last character waits for the next one and stops the aid there.
TypingAidResult ApplyTypingAid(std::string_view text);

} // namespace galvix
