// Number-to-text and text-to-number rules shared by Galvix3's core and windows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace galvix {

// A double in the general format: at most 15 significant digits, no trailing
// zeros, exponent form ("1E-05", "1E+15") below 1e-4 or from 1e15 on, a period
// as decimal mark, no leading space. Negative zero is written "0".
std::string GeneralFormat(double value);

struct NumberPrefix {
    double value;
    std::size_t length; // characters the number takes at the start of the text
};

// The longest leading number of a text (optional sign, digits, decimal point,
// exponent), or nullopt when the text does not begin with one. A value beyond
// the double range reads as an infinity, one too small as zero.
std::optional<NumberPrefix> NumericPrefix(std::string_view text);

// The numeric prefix value: the leading number of a text, 0 when there is none.
// "0.34 V" reads as 0.34.
double NumericPrefixValue(std::string_view text);

} // namespace galvix
