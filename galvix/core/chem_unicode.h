// Chem-notation texts (Windows-1252 bytes drawn in the Chem font) as UTF-8
// with real subscripts, superscripts, delta and degree signs, for places that
// show text without the Chem font: messages, terminals, plain editors, the
// clipboard's plain text; and UTF-8 read back into the Chem notation.
#pragma once

#include <string>
#include <string_view>

namespace galvix {

// Subscript digits (181..190) become ₀..₉, superscript digits (140..149) ¹..⁹ and ⁰,
// the superscript signs (162, 163) ⁺ and ⁻, the radical dot (250) ·, the delta
// sign (211) Δ and the standard-state mark (248) °, written "° =" before an
// equals sign as the windows show "ΔG° = "; every other byte is read as
// Windows-1252 (its five undefined bytes as the control characters of the
// same number).
std::string ChemToUtf8(std::string_view bytes);

// The inverse, for UTF-8 text typed or shown without the Chem font: the
// characters above become their Chem codes, except the degree sign, which
// stays the Windows-1252 one (176); a character outside both, or a byte that
// is not UTF-8, becomes "?".
std::string Utf8ToChem(std::string_view utf8);

struct ChemFromUtf8 {
    std::string chem;
    std::string error; // empty when every character has a Chem byte

    bool ok() const { return error.empty(); }
};

// Utf8ToChem for text that must be exact, such as a half reaction typed on
// the command line: a character that would become "?" is an error naming it.
ChemFromUtf8 ReadChemText(std::string_view utf8);

} // namespace galvix
