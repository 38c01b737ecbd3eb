#include "number_text.h"

#include "failure.h"

#include <array>
#include <charconv>
#include <cmath>

namespace molva {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char ThousandsSeparatorFor(char decimalSeparator) {
    return decimalSeparator == '.' ? ',' : '.';
}

// A numeric text rewritten for std::from_chars: sign, digits, ".", digits, "e", exponent.
// Short numbers stay in the fixed buffer; longer ones spill into a string.
struct CleanNumber {
    std::array<char, 64> buffer{};
    std::size_t length = 0;
    std::string spill;
    long decimalExponent = 0; // rough order of magnitude, to tell overflow from underflow

    void push(char c) {
        if (length < buffer.size()) {
            buffer[length++] = c;
            return;
        }
        if (spill.empty())
            spill.assign(buffer.data(), length);
        spill += c;
    }
    std::string_view text() const {
        return spill.empty() ? std::string_view(buffer.data(), length) : std::string_view(spill);
    }
};

// Scans a numeric text; false when it is not numeric.
bool Scan(std::string_view text, char decimalSeparator, CleanNumber& out) {
    text = TrimBlanks(text);
    const char thousands = ThousandsSeparatorFor(decimalSeparator);
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-')
            out.push('-');
        ++pos;
    }
    std::size_t digits = 0;
    long significantIntegerDigits = 0;
    long leadingFractionZeros = 0;
    bool nonZeroSeen = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (IsDigit(c)) {
            out.push(c);
            ++digits;
            nonZeroSeen = nonZeroSeen || c != '0';
            if (nonZeroSeen)
                ++significantIntegerDigits;
            ++pos;
        } else if (c == thousands && digits > 0 && pos + 1 < text.size() &&
                   IsDigit(text[pos + 1])) {
            ++pos;
        } else {
            break;
        }
    }
    if (pos < text.size() && text[pos] == decimalSeparator) {
        out.push('.');
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            if (!nonZeroSeen && text[pos] == '0')
                ++leadingFractionZeros;
            nonZeroSeen = nonZeroSeen || text[pos] != '0';
            out.push(text[pos++]);
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    long exponent = 0;
    if (pos < text.size()) {
        if (text[pos] == ' ')
            ++pos;
        if (pos >= text.size() || (text[pos] != 'E' && text[pos] != 'e'))
            return false;
        out.push('e');
        ++pos;
        bool negative = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negative = text[pos] == '-';
            out.push(text[pos]);
            ++pos;
        }
        const std::size_t exponentStart = pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            if (exponent < 100000000)
                exponent = exponent * 10 + (text[pos] - '0');
            out.push(text[pos++]);
        }
        if (pos == exponentStart || pos != text.size())
            return false;
        if (negative)
            exponent = -exponent;
    }
    out.decimalExponent = exponent + (significantIntegerDigits > 0 ? significantIntegerDigits
                                                                   : -leadingFractionZeros);
    return true;
}

std::string_view ToChars(std::array<char, 400>& buffer, double value, std::chars_format format,
                         int precision) {
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision).ptr;
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

} // namespace

bool IsNumeric(std::string_view text, char decimalSeparator) {
    CleanNumber clean;
    return Scan(text, decimalSeparator, clean);
}

std::optional<double> ParseNumber(std::string_view text, char decimalSeparator) {
    CleanNumber clean;
    if (!Scan(text, decimalSeparator, clean))
        return std::nullopt;
    double value = 0;
    const std::string_view number = clean.text();
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (clean.decimalExponent > 0)
            throw CalcFailure{Overflow};
        return 0.0;
    }
    return value;
}

double ToNumber(std::string_view text, char decimalSeparator) {
    const auto value = ParseNumber(text, decimalSeparator);
    if (!value)
        throw CalcFailure{TypeMismatch};
    return *value;
}

double CheckedResult(double value) {
    if (std::isinf(value))
        throw CalcFailure{Overflow};
    if (std::isnan(value))
        throw CalcFailure{InvalidCall};
    return value;
}

void AppendPlainText(std::string& out, double value, char decimalSeparator) {
    if (value == 0) {
        out += '0';
        return;
    }
    std::array<char, 400> buffer{};
    const std::string_view text = ToChars(buffer, value, std::chars_format::general, 15);
    for (const char c : text)
        out += c == 'e' ? 'E' : c == '.' ? decimalSeparator : c;
}

std::string PlainText(double value, char decimalSeparator) {
    std::string text;
    AppendPlainText(text, value, decimalSeparator);
    return text;
}

std::string EvaluatorForm(double value, char decimalSeparator) {
    std::array<char, 400> buffer{};
    const std::string_view text = ToChars(buffer, value, std::chars_format::scientific, 12);
    const std::size_t e = text.find('e');
    std::string out(text.substr(0, e));
    for (char& c : out) {
        if (c == '.')
            c = decimalSeparator;
    }
    out += 'e';
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '-')
        out += '-';
    exponent.remove_prefix(1);
    for (std::size_t width = exponent.size(); width < 3; ++width)
        out += '0';
    out += exponent;
    return out;
}

double LeadingValue(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t digitsStart = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    std::size_t digits = pos - digitsStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos;
        digits += pos - fractionStart;
    }
    if (digits == 0)
        return 0;
    double value = 0;
    std::string_view number = text.substr(0, pos);
    if (number.front() == '+')
        number.remove_prefix(1);
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

} // namespace molva
