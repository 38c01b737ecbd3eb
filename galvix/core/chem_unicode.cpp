#include "chem_unicode.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace galvix {

namespace {

// Windows-1252 bytes 128..159, where it differs from Latin-1.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char32_t, 10> kSubscripts = {0x2080, 0x2081, 0x2082, 0x2083, 0x2084,
                                                  0x2085, 0x2086, 0x2087, 0x2088, 0x2089};
constexpr std::array<char32_t, 10> kSuperscripts = {0x2070, 0x00B9, 0x00B2, 0x00B3, 0x2074,
                                                    0x2075, 0x2076, 0x2077, 0x2078, 0x2079};

constexpr unsigned char kStandardStateMark = 248;
// The free energy's "G°= " in the Chem font reads "G° = " without it.
constexpr std::string_view kMarkBeforeEquals = "\u00B0 =";

char32_t CharacterOf(unsigned char byte) {
    if (byte >= 181 && byte <= 190)
        return kSubscripts[byte - 181];
    if (byte >= 140 && byte <= 148)
        return kSuperscripts[byte - 139];
    switch (byte) {
    case 149:
        return kSuperscripts[0];
    case 162:
        return 0x207A;
    case 163:
        return 0x207B;
    case 250:
        return 0x00B7;
    case 211:
        return 0x0394;
    case kStandardStateMark:
        return 0x00B0;
    default:
        break;
    }
    if (byte >= 128 && byte < 160)
        return kWindows1252High[byte - 128];
    return byte;
}

void AppendUtf8(std::string& out, char32_t c) {
    auto byte = [&out](std::uint32_t value) { out += static_cast<char>(value); };
    const auto code = static_cast<std::uint32_t>(c);
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

// One UTF-8 character from the start of text: its code and its length in
// bytes; the code is none for a malformed sequence (overlong forms and
// surrogates included), which takes one byte.
struct Decoded {
    std::optional<char32_t> code;
    std::size_t length = 1;
};

Decoded DecodeUtf8(std::string_view text) {
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF8   ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || length > text.size())
        return {};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (next & 0x3F);
    }
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length};
}

std::optional<unsigned char> ChemByteOf(char32_t c) {
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    if (c == 0x00B0)
        return 176;
    // Upwards, so that the Chem codes (from 140) come before the Latin-1
    // superscripts ² and ³ (178, 179) that show the same.
    for (int byte = 128; byte <= 255; ++byte) {
        if (CharacterOf(static_cast<unsigned char>(byte)) == c)
            return static_cast<unsigned char>(byte);
    }
    return std::nullopt;
}

std::string Named(char32_t c) {
    std::string shown;
    AppendUtf8(shown, c);
    std::array<char, 16> code{};
    std::snprintf(code.data(), code.size(), "U+%04X", static_cast<unsigned>(c));
    return "\"" + shown + "\" (" + code.data() + ")";
}

} // namespace

std::string Utf8ToChem(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded decoded = DecodeUtf8(utf8);
        const auto byte = decoded.code ? ChemByteOf(*decoded.code) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
        utf8.remove_prefix(decoded.length);
    }
    return out;
}

ChemFromUtf8 ReadChemText(std::string_view utf8) {
    ChemFromUtf8 read;
    read.chem.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded decoded = DecodeUtf8(utf8);
        if (!decoded.code) {
            read.error = "the text is not UTF-8";
            return read;
        }
        const auto byte = ChemByteOf(*decoded.code);
        if (!byte) {
            read.error =
                "the character " + Named(*decoded.code) + " cannot be written in a half reaction";
            return read;
        }
        read.chem += static_cast<char>(*byte);
        utf8.remove_prefix(decoded.length);
    }
    return read;
}

std::string ChemToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const auto byte = static_cast<unsigned char>(bytes[k]);
        if (byte == kStandardStateMark && bytes.substr(k + 1).starts_with('=')) {
            out += kMarkBeforeEquals;
            ++k;
        } else {
            AppendUtf8(out, CharacterOf(byte));
        }
    }
    return out;
}

} // namespace galvix
