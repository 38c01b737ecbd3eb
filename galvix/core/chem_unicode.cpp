#include "chem_unicode.h"

#include <array>
#include <cstdio>
#include <optional>

namespace galvix {

namespace {

struct ChemGlyph {
    unsigned char byte;
    char32_t character;
};

// What the Chem font draws at its own codes.
constexpr ChemGlyph kGlyphs[] = {
    {181, U'\u2080'}, {182, U'\u2081'}, {183, U'\u2082'}, {184, U'\u2083'}, {185, U'\u2084'},
    {186, U'\u2085'}, {187, U'\u2086'}, {188, U'\u2087'}, {189, U'\u2088'}, {190, U'\u2089'},
    {149, U'\u2070'}, {140, U'\u00B9'}, {141, U'\u00B2'}, {142, U'\u00B3'}, {143, U'\u2074'},
    {144, U'\u2075'}, {145, U'\u2076'}, {146, U'\u2077'}, {147, U'\u2078'}, {148, U'\u2079'},
    {162, U'\u207A'}, {163, U'\u207B'}, {250, U'\u00B7'}, {211, U'\u0394'}, {248, U'\u00B0'}};

// Windows-1252 at 0x80..0x9F; the five undefined bytes stand for themselves.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr unsigned char kStandardStateMark = 248;
// "G°= " of the free energy line reads "G° = " in plain text, as the windows show it.
constexpr std::string_view kMarkBeforeEquals = "\u00B0 =";

const ChemGlyph* GlyphOfByte(unsigned char byte) {
    for (const ChemGlyph& glyph : kGlyphs) {
        if (glyph.byte == byte)
            return &glyph;
    }
    return nullptr;
}

const ChemGlyph* GlyphOfCharacter(char32_t character) {
    for (const ChemGlyph& glyph : kGlyphs) {
        if (glyph.character == character)
            return &glyph;
    }
    return nullptr;
}

char32_t Cp1252Character(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
}

std::optional<unsigned char> Cp1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    for (std::size_t k = 0; k < kCp1252High.size(); ++k) {
        if (kCp1252High[k] == character)
            return static_cast<unsigned char>(0x80 + k);
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t c) {
    auto unit = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (c < 0x80) {
        unit(c);
    } else if (c < 0x800) {
        unit(0xC0 | (c >> 6));
        unit(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        unit(0xE0 | (c >> 12));
        unit(0x80 | ((c >> 6) & 0x3F));
        unit(0x80 | (c & 0x3F));
    } else {
        unit(0xF0 | (c >> 18));
        unit(0x80 | ((c >> 12) & 0x3F));
        unit(0x80 | ((c >> 6) & 0x3F));
        unit(0x80 | (c & 0x3F));
    }
}

// The code point starting at `pos`, which moves past it; nullopt for bytes
// that are not well-formed UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int more = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1, c = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2, c = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3, c = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    for (; more > 0; --more) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    return c;
}

std::string Named(char32_t c) {
    std::string shown;
    AppendUtf8(shown, c);
    std::array<char, 16> code{};
    std::snprintf(code.data(), code.size(), "U+%04X", static_cast<unsigned>(c));
    return "\"" + shown + "\" (" + code.data() + ")";
}

} // namespace

std::string ChemToUtf8(std::string_view chem) {
    std::string out;
    out.reserve(chem.size() + chem.size() / 2);
    for (std::size_t k = 0; k < chem.size(); ++k) {
        const auto code = static_cast<unsigned char>(chem[k]);
        if (code == kStandardStateMark && chem.substr(k + 1).starts_with('=')) {
            out += kMarkBeforeEquals;
            ++k;
            continue;
        }
        const ChemGlyph* glyph = GlyphOfByte(code);
        AppendUtf8(out, glyph ? glyph->character : Cp1252Character(code));
    }
    return out;
}

ChemFromUtf8 Utf8ToChem(std::string_view utf8) {
    ChemFromUtf8 read;
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (utf8.substr(pos).starts_with(kMarkBeforeEquals)) {
            read.chem += static_cast<char>(kStandardStateMark);
            read.chem += '=';
            pos += kMarkBeforeEquals.size();
            continue;
        }
        const auto c = NextCodePoint(utf8, pos);
        if (!c) {
            read.error = "the text is not UTF-8";
            return read;
        }
        if (const ChemGlyph* glyph = GlyphOfCharacter(*c)) {
            read.chem += static_cast<char>(glyph->byte);
            continue;
        }
        const auto byte = Cp1252Byte(*c);
        if (!byte || GlyphOfByte(*byte)) {
            read.error = "the character " + Named(*c) + " cannot be written in a half reaction";
            return read;
        }
        read.chem += static_cast<char>(*byte);
    }
    return read;
}

} // namespace galvix
