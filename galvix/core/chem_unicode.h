// Chem-notation texts (Windows-1252 bytes drawn in the Chem font) as UTF-8
// with real subscripts, superscripts, Δ and °, for plain-text readers, and
// UTF-8 read back into the Chem notation.
#pragma once

#include <string>
#include <string_view>

namespace galvix {

// Subscript and superscript codes become ₀..₉, ⁰..⁹, ⁺, ⁻ and ·, the delta
// sign Δ and the standard-state mark ° (written "° =" before an equals sign,
// as in "ΔG° = "); every other byte is read as Windows-1252.
std::string ChemToUtf8(std::string_view chem);

struct ChemFromUtf8 {
    std::string chem;
    std::string error; // empty when every character has a Chem byte

    bool ok() const { return error.empty(); }
};

// The inverse of ChemToUtf8. A character outside Windows-1252, one whose byte
// the Chem font draws as something else, or bytes that are not UTF-8 give an
// error naming it.
ChemFromUtf8 Utf8ToChem(std::string_view utf8);

} // namespace galvix
