// Number texts of the engine: the numeric test and conversion, the plain text of
// a double and the evaluator's own scientific form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace molva {

// "Numeric": blanks around; an optional sign; digits with at most one decimal
// separator (thousands separators allowed between digits of the integer part);
// then optionally at most one space, "E" or "e", an optional sign and digits.
bool IsNumeric(std::string_view text, char decimalSeparator);

// The value of a numeric text; nullopt when it is not numeric. Throws
// CalcFailure(Overflow) when the value is beyond the double range.
std::optional<double> ParseNumber(std::string_view text, char decimalSeparator);

// The conversion of a text to a number: throws CalcFailure(TypeMismatch) when
// the text is not numeric, CalcFailure(Overflow) when it is too large.
double ToNumber(std::string_view text, char decimalSeparator);

// Throws CalcFailure(Overflow) for an infinity and CalcFailure(InvalidCall)
// for a result that is not a number; returns the value otherwise.
double CheckedResult(double value);

// The plain text of a double: at most 15 significant digits, no trailing zeros,
// exponent form ("1E-05", "1E+15") below 1e-4 or from 1e15 on, negative zero "0".
std::string PlainText(double value, char decimalSeparator);

// True when a text is exactly the plain text of its own value: an optional "-",
// digits without a leading zero (or one 0), an optional decimal separator with
// digits not ending in 0, at most 15 significant digits, a value below 1E15 and
// not below 1E-4 unless it is 0.
bool IsPlainText(std::string_view text, char decimalSeparator);

// Appends the plain text of a double to `out`.
void AppendPlainText(std::string& out, double value, char decimalSeparator);

// A magnitude (not negative) times 10^decimals, rounded to a whole number, when
// that is certain from the double product: the product lies within half an
// ulp of the exact value, so unless it is that near to a half it rounds as the
// exact value does. nullopt otherwise, for products from 2^50 on, and for
// decimals outside 0 to 22.
std::optional<double> RoundedScaled(double magnitude, int decimals);

// The value that a double's text with `digits` significant digits reads back as
// (15 for the plain text, 13 for the evaluator's form); infinite when that text
// is beyond the double range. Zero of either sign gives 0.
double RoundToSignificant(double value, int digits);

// The evaluator's form "#0.000000000000e-000": 1.596096000000e002, 3.000000000000e-001.
std::string EvaluatorForm(double value, char decimalSeparator);

// The value of the longest number at the start of a text, after leading blanks,
// read as the numeric rule reads numbers (so "1e1" is 10); 0 when the text does
// not begin with a number, infinite beyond the double range: the decimal count
// after "#sci" and "#fix".
double LeadingValue(std::string_view text, char decimalSeparator);

} // namespace molva
