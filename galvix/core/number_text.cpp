#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace galvix {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t CountDigits(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - from;
}

// Length of "[eE][+-]?digits" at `from`, or 0 when no complete exponent stands there.
std::size_t ExponentLength(std::string_view text, std::size_t from) {
    if (from >= text.size() || (text[from] != 'e' && text[from] != 'E'))
        return 0;
    std::size_t pos = from + 1;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t digits = CountDigits(text, pos);
    return digits == 0 ? 0 : pos + digits - from;
}

double OutOfRangeValue(std::string_view number) {
    const bool negative = number.front() == '-';
    const std::size_t e = number.find_first_of("eE");
    const bool tiny = e != std::string_view::npos && number.substr(e + 1).starts_with('-');
    const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -magnitude : magnitude;
}

} // namespace

std::string GeneralFormat(double value) {
    if (value == 0)
        return "0";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

std::optional<NumberPrefix> NumericPrefix(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t integerDigits = CountDigits(text, pos);
    pos += integerDigits;
    std::size_t fractionDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        fractionDigits = CountDigits(text, pos + 1);
        if (integerDigits + fractionDigits > 0)
            pos += 1 + fractionDigits;
    }
    if (integerDigits + fractionDigits == 0)
        return std::nullopt;
    pos += ExponentLength(text, pos);

    std::string_view number = text.substr(0, pos);
    const std::string_view digits = number.starts_with('+') ? number.substr(1) : number;
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = OutOfRangeValue(number);
    return NumberPrefix{value, pos};
}

double NumericPrefixValue(std::string_view text) {
    const auto prefix = NumericPrefix(text);
    return prefix ? prefix->value : 0.0;
}

} // namespace galvix
