#include "format_number.h"

#include "messages.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace molva {

namespace {

constexpr std::string_view kFifteenZeros = "000000000000000";

std::string_view ToChars(std::array<char, 400>& buffer, double value, std::chars_format format,
                         int precision) {
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision).ptr;
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

std::string WithSeparator(std::string_view text, char decimalSeparator) {
    std::string out(text);
    for (char& c : out) {
        if (c == '.')
            c = decimalSeparator;
    }
    return out;
}

// "#0." + zeros from the whole number of the value's units of the last decimal.
std::string FixedFromWhole(bool negative, double whole, int decimals, char decimalSeparator) {
    std::array<char, 24> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                   static_cast<std::int64_t>(whole))
                         .ptr;
    const auto count = static_cast<std::size_t>(end - digits.data());
    const auto places = static_cast<std::size_t>(decimals);
    const std::size_t integerDigits = count > places ? count - places : 1;
    std::string out;
    out.reserve(integerDigits + places + 2);
    if (negative)
        out += '-';
    if (count > places) {
        out.append(digits.data(), integerDigits);
    } else {
        out += '0';
    }
    out += decimalSeparator;
    out.append(places > count ? places - count : 0, '0');
    out.append(digits.data() + (count > places ? integerDigits : 0), std::min(count, places));
    return out;
}

// "#0." + zeros: at least one integer digit, the decimal separator always written.
std::string FixedDecimals(double value, int decimals, char decimalSeparator) {
    if (const auto whole = RoundedScaled(std::fabs(value), decimals))
        return FixedFromWhole(std::signbit(value), *whole, decimals, decimalSeparator);
    std::array<char, 400> buffer;
    std::string out =
        WithSeparator(ToChars(buffer, value, std::chars_format::fixed, decimals), decimalSeparator);
    if (decimals == 0)
        out += decimalSeparator;
    return out;
}

// "0." + zeros + " E+00": 1.23 E+03, 1. E+03.
std::string ScientificDecimals(double value, int decimals, char decimalSeparator) {
    std::array<char, 400> buffer;
    const std::string_view text = ToChars(buffer, value, std::chars_format::scientific, decimals);
    const std::size_t e = text.find('e');
    std::string out = WithSeparator(text.substr(0, e), decimalSeparator);
    if (decimals == 0)
        out += decimalSeparator;
    out += " E";
    out += text.substr(e + 1);
    return out;
}

// "Standard": grouped by thousands, exactly two decimals: 1,234.50.
std::string Standard(double value, char decimalSeparator) {
    const std::string fixed = FixedDecimals(value, 2, '.');
    const bool negative = fixed.front() == '-';
    const std::size_t point = fixed.find('.');
    const std::string_view integer =
        std::string_view(fixed).substr(negative ? 1 : 0, point - (negative ? 1 : 0));
    const char thousands = decimalSeparator == '.' ? ',' : '.';
    std::string out = negative ? "-" : "";
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out += thousands;
        out += integer[i];
    }
    out += decimalSeparator;
    out += fixed.substr(point + 1);
    return out;
}

std::optional<double> NumericValue(std::string_view text, char decimalSeparator) {
    try {
        return ParseNumber(text, decimalSeparator);
    } catch (const CalcFailure&) {
        return std::nullopt;
    }
}

} // namespace

std::string_view ZerosFor(int count) {
    return kFifteenZeros.substr(0, static_cast<std::size_t>(std::clamp(count, 0, 15)));
}

std::string FormatNumber(std::string_view value, FormatKind kind, std::string_view zeros,
                         bool grouping, const CalcState& state) {
    const bool general =
        kind == FormatKind::Automatic || (kind == FormatKind::FormulaFixed && state.decimals >= 10);
    if (general && IsPlainText(value, state.decimalSeparator))
        return std::string(value);
    const auto number = NumericValue(value, state.decimalSeparator);
    if (!number)
        return std::string(value);
    return FormatValue(*number, kind, zeros, grouping, state);
}

std::string FormatValue(double number, FormatKind kind, std::string_view zeros, bool grouping,
                        const CalcState& state) {
    const char separator = state.decimalSeparator;
    const int decimals = static_cast<int>(zeros.size());
    switch (kind) {
    case FormatKind::FormulaFixed:
        if (state.decimals < 10)
            return FixedDecimals(number, decimals, separator);
        break;
    case FormatKind::Scientific:
        return ScientificDecimals(number, decimals, separator);
    case FormatKind::Fixed:
        return grouping ? Standard(number, separator) : FixedDecimals(number, decimals, separator);
    case FormatKind::Automatic:
        break;
    }
    return PlainText(number, separator);
}

} // namespace molva
