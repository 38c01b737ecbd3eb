// The signs beyond ASCII that a typed line (UTF-8) may hold and the engine
// reads: × and ÷, the adduct dots · and • of hydrates, and ½.
#pragma once

#include <cstddef>
#include <string_view>

namespace molva {

enum class TypedSign { None, Multiply, Divide, AdductDot, Half };

struct TypedSignAt {
    TypedSign sign = TypedSign::None;
    std::size_t length = 1; // bytes of the typed line it takes
};

// The sign whose UTF-8 bytes begin at `at`; None (one byte) for any other byte.
inline TypedSignAt ReadTypedSign(std::string_view typed, std::size_t at) {
    struct Spelling {
        std::string_view bytes;
        TypedSign sign;
    };
    constexpr Spelling kSpellings[] = {
        {"\xC3\x97", TypedSign::Multiply},  {"\xC3\xB7", TypedSign::Divide},
        {"\xC2\xB7", TypedSign::AdductDot}, {"\xE2\x80\xA2", TypedSign::AdductDot},
        {"\xC2\xBD", TypedSign::Half},
    };
    const std::string_view rest = typed.substr(at);
    for (const Spelling& spelling : kSpellings) {
        if (rest.starts_with(spelling.bytes))
            return {spelling.sign, spelling.bytes.size()};
    }
    return {};
}

} // namespace molva
