#include "number_text.h"

#include "messages.h"
#include "text_chars.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace molva {

namespace {

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

// Reads the exponent part of a number ("E", "e", after at most one space, an
// optional sign and digits) from `pos`; the position after it, or `pos` when
// no exponent follows.
std::size_t ScanExponent(std::string_view text, std::size_t pos, CleanNumber& out, long& exponent) {
    std::size_t k = pos;
    if (k < text.size() && text[k] == ' ')
        ++k;
    if (k >= text.size() || (text[k] != 'E' && text[k] != 'e'))
        return pos;
    ++k;
    const bool negative = k < text.size() && text[k] == '-';
    const char sign = k < text.size() && (text[k] == '+' || text[k] == '-') ? text[k++] : '\0';
    const std::size_t digitsStart = k;
    long value = 0;
    while (k < text.size() && IsDigit(text[k])) {
        if (value < 100000000)
            value = value * 10 + (text[k] - '0');
        ++k;
    }
    if (k == digitsStart)
        return pos;
    out.push('e');
    if (sign != '\0')
        out.push(sign);
    for (std::size_t d = digitsStart; d < k; ++d)
        out.push(text[d]);
    exponent = negative ? -value : value;
    return k;
}

// Reads the longest number at the start of `text`: an optional sign, digits
// (thousands separators allowed between digits of the integer part), the
// decimal separator and digits, then an optional exponent. The count of
// characters read; 0 when the text does not begin with a number.
std::size_t ScanLeading(std::string_view text, char decimalSeparator, CleanNumber& out) {
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
        return 0;
    long exponent = 0;
    pos = ScanExponent(text, pos, out, exponent);
    out.decimalExponent = exponent + (significantIntegerDigits > 0 ? significantIntegerDigits
                                                                   : -leadingFractionZeros);
    return pos;
}

// Scans a numeric text, blanks around allowed; false when it is not numeric.
bool Scan(std::string_view text, char decimalSeparator, CleanNumber& out) {
    text = TrimBlanks(text);
    const std::size_t length = ScanLeading(text, decimalSeparator, out);
    return length > 0 && length == text.size();
}

// The value of a scanned number; infinite beyond the double range (with the
// number's sign), 0 below it.
double ValueOfClean(const CleanNumber& clean) {
    double value = 0;
    const std::string_view number = clean.text();
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = number.starts_with('-');
        if (clean.decimalExponent > 0)
            return negative ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
        return 0.0;
    }
    return value;
}

std::string_view ToChars(std::array<char, 400>& buffer, double value, std::chars_format format,
                         int precision) {
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision).ptr;
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

// The shortest decimal digits that read back as the value, and the decimal
// exponent of the first digit: 18.01528 gives "1801528" and 1.
struct ShortestDigits {
    std::array<char, 32> digits{};
    std::size_t count = 0;
    int exponent = 0;
    bool negative = false;
};

constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Fast path for values with few decimals: the first k for which value * 10^k
// rounds to a whole number r with r / 10^k == value. Both r and 10^k are exact
// doubles, so the division is correctly rounded and the decimal r / 10^k reads
// back as the value.
bool FewDecimals(double value, ShortestDigits& out) {
    constexpr double kExactIntegers = 9007199254740992.0; // 2^53
    const double magnitude = std::fabs(value);
    for (std::size_t k = 0; k < kPowersOfTen.size(); ++k) {
        const double scaled = magnitude * kPowersOfTen[k];
        if (scaled >= kExactIntegers)
            return false;
        const double whole = std::nearbyint(scaled);
        // The product is within an ulp of the true scaled value, far below a
        // quarter for values under 2^50: a larger gap rules this k out cheaply.
        constexpr double kCheapTestLimit = 1125899906842624.0; // 2^50
        if (scaled < kCheapTestLimit && std::fabs(scaled - whole) > 0.25)
            continue;
        if (whole / kPowersOfTen[k] != magnitude || whole == 0)
            continue;
        const auto end = std::to_chars(out.digits.data(), out.digits.data() + out.digits.size(),
                                       static_cast<std::int64_t>(whole))
                             .ptr;
        auto length = static_cast<std::size_t>(end - out.digits.data());
        out.exponent = static_cast<int>(length) - 1 - static_cast<int>(k);
        while (length > 1 && out.digits[length - 1] == '0')
            --length;
        out.count = length;
        out.negative = value < 0;
        return true;
    }
    return false;
}

ShortestDigits Shortest(double value) {
    ShortestDigits fast;
    if (FewDecimals(value, fast))
        return fast;
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific)
                         .ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    ShortestDigits out;
    std::size_t k = 0;
    if (text[k] == '-') {
        out.negative = true;
        ++k;
    }
    for (; k < text.size() && text[k] != 'e'; ++k) {
        if (text[k] != '.')
            out.digits[out.count++] = text[k];
    }
    std::from_chars(text.data() + k + 1 + (text[k + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    out.exponent);
    return out;
}

void AppendExponent(std::string& out, int exponent, std::size_t minimumDigits) {
    std::array<char, 8> digits{};
    const auto end =
        std::to_chars(digits.data(), digits.data() + digits.size(), std::abs(exponent)).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    for (std::size_t pad = length; pad < minimumDigits; ++pad)
        out += '0';
    out.append(digits.data(), length);
}

// The general format from digits that need no rounding at 15 significant digits.
void AppendGeneral(std::string& out, const ShortestDigits& d, char decimalSeparator) {
    const std::string_view digits(d.digits.data(), d.count);
    if (d.negative)
        out += '-';
    if (d.exponent < -4 || d.exponent >= 15) {
        out += digits.front();
        if (digits.size() > 1) {
            out += decimalSeparator;
            out.append(digits.substr(1));
        }
        out += d.exponent < 0 ? "E-" : "E+";
        AppendExponent(out, d.exponent, 2);
        return;
    }
    if (d.exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(digits);
        return;
    }
    const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= integerDigits) {
        out.append(digits);
        out.append(integerDigits - digits.size(), '0');
        return;
    }
    out.append(digits.substr(0, integerDigits));
    out += decimalSeparator;
    out.append(digits.substr(integerDigits));
}

} // namespace

bool IsNumeric(std::string_view text, char decimalSeparator) {
    CleanNumber clean;
    return Scan(text, decimalSeparator, clean);
}

namespace {

// The common case of a number the engine wrote itself ("-12.5", "1E-05") with
// a period as separator. Up to 15 digits without an exponent are read as a
// whole number divided by a power of ten: both are exact doubles, so the one
// division rounds correctly. Anything else goes to std::from_chars.
std::optional<double> ParsePlainNumber(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const bool negative = text.front() == '-';
    std::size_t pos = negative ? 1 : 0;
    std::int64_t mantissa = 0;
    std::size_t digits = 0;
    std::size_t decimals = 0;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c >= '0' && c <= '9') {
            mantissa = mantissa * 10 + (c - '0');
            ++digits;
            decimals += point ? 1 : 0;
            if (digits > 15)
                break;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (pos == text.size() && digits > 0) {
        const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
        return negative ? -value : value;
    }
    const char first = negative && text.size() > 1 ? text[1] : text.front();
    if (!(first >= '0' && first <= '9'))
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> ParseNumber(std::string_view text, char decimalSeparator) {
    if (decimalSeparator == '.') {
        if (const auto plain = ParsePlainNumber(text))
            return plain;
    }
    CleanNumber clean;
    if (!Scan(text, decimalSeparator, clean))
        return std::nullopt;
    const double value = ValueOfClean(clean);
    if (std::isinf(value))
        throw CalcFailure{Overflow};
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

bool IsPlainText(std::string_view text, char decimalSeparator) {
    constexpr std::size_t kSignificant = 15;
    constexpr std::size_t kZerosAfterSeparator = 3; // 0.0001 is the smallest
    const std::size_t integerStart = text.starts_with('-') ? 1 : 0;
    std::size_t pos = integerStart;
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    const std::size_t integerDigits = pos - integerStart;
    if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == '0'))
        return false;
    const bool zeroInteger = text[integerStart] == '0';
    if (pos == text.size())
        return zeroInteger ? integerStart == 0 : integerDigits <= kSignificant;
    if (text[pos] != decimalSeparator)
        return false;
    const std::string_view fraction = text.substr(pos + 1);
    if (fraction.empty() || fraction.back() == '0')
        return false;
    for (const char c : fraction) {
        if (!IsDigit(c))
            return false;
    }
    if (!zeroInteger)
        return integerDigits + fraction.size() <= kSignificant;
    const std::size_t zeros = fraction.find_first_not_of('0');
    return zeros <= kZerosAfterSeparator && fraction.size() - zeros <= kSignificant;
}

void AppendPlainText(std::string& out, double value, char decimalSeparator) {
    if (value == 0) {
        out += '0';
        return;
    }
    const ShortestDigits shortest = Shortest(value);
    if (shortest.count <= 15) {
        AppendGeneral(out, shortest, decimalSeparator);
        return;
    }
    std::array<char, 400> buffer;
    const std::string_view text = ToChars(buffer, value, std::chars_format::general, 15);
    for (const char c : text)
        out += c == 'e' ? 'E' : c == '.' ? decimalSeparator : c;
}

std::string PlainText(double value, char decimalSeparator) {
    std::string text;
    AppendPlainText(text, value, decimalSeparator);
    return text;
}

namespace {

// The power of ten of the first digit, for magnitudes from 1e-7 below 1e15; one
// off near a power of ten below 1, which the caller's range check notices.
int DecimalExponent(double magnitude) {
    int exponent = 0;
    if (magnitude >= 1) {
        while (exponent < 14 && magnitude >= kPowersOfTen[static_cast<std::size_t>(exponent + 1)])
            ++exponent;
        return exponent;
    }
    do {
        --exponent;
    } while (exponent > -7 && magnitude < 1 / kPowersOfTen[static_cast<std::size_t>(-exponent)]);
    return exponent;
}

// The text of a value with `digits` significant digits, read back.
double RoundThroughText(double value, int digits) {
    const std::string text = digits == 15 ? PlainText(value, '.') : EvaluatorForm(value, '.');
    try {
        return *ParseNumber(text, '.');
    } catch (const CalcFailure&) {
        return std::copysign(std::numeric_limits<double>::infinity(), value);
    }
}

} // namespace

std::optional<double> RoundedScaled(double magnitude, int decimals) {
    constexpr double kLimit = 1125899906842624.0; // 2^50
    if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size()))
        return std::nullopt;
    const double scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(decimals)];
    if (!(scaled < kLimit))
        return std::nullopt;
    // One rounding of the product: an error of at most half an ulp of it.
    const double error = scaled * 0x1p-52;
    const double whole = std::nearbyint(scaled);
    if (std::fabs(std::fabs(scaled - whole) - 0.5) <= error)
        return std::nullopt;
    return whole;
}

double RoundToSignificant(double value, int digits) {
    if (value == 0)
        return 0;
    const double magnitude = std::fabs(value);
    constexpr double kSmallest = 1e-7;
    constexpr double kBeyond = 1e15;
    if (!(magnitude >= kSmallest && magnitude < kBeyond))
        return RoundThroughText(value, digits);
    const int decimals = digits - 1 - DecimalExponent(magnitude);
    const auto whole = RoundedScaled(magnitude, decimals);
    // Near a power of ten the first digit may sit one place off.
    const double low = kPowersOfTen[static_cast<std::size_t>(digits - 1)];
    const double high = kPowersOfTen[static_cast<std::size_t>(digits)];
    if (!whole || *whole < low + 1 || *whole > high - 1)
        return RoundThroughText(value, digits);
    const double rounded = *whole / kPowersOfTen[static_cast<std::size_t>(decimals)];
    return value < 0 ? -rounded : rounded;
}

std::string EvaluatorForm(double value, char decimalSeparator) {
    const ShortestDigits shortest = Shortest(value);
    if (shortest.count <= 13) {
        std::string out;
        if (shortest.negative)
            out += '-';
        out += shortest.digits[0];
        out += decimalSeparator;
        out.append(shortest.digits.data() + 1, shortest.count - 1);
        out.append(13 - shortest.count, '0');
        out += shortest.exponent < 0 ? "e-" : "e";
        AppendExponent(out, shortest.exponent, 3);
        return out;
    }
    std::array<char, 400> buffer;
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

double LeadingValue(std::string_view text, char decimalSeparator) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    CleanNumber clean;
    return ScanLeading(text, decimalSeparator, clean) > 0 ? ValueOfClean(clean) : 0;
}

} // namespace molva
