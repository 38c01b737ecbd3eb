// Functions of one argument, factorials, and the angle units of the
// trigonometric functions.
#include "engine.h"
#include "messages.h"
#include "number_text.h"
#include "text_chars.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>

namespace molva {

namespace {

// The constants as the calculator has always used them.
constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.71828182845905;
constexpr double kThreePi = 9.42477796076937;
constexpr double kTolerance = 1E-13;
constexpr double kLargestFactorialArgument = 170;

FunctionResult Value(double value) {
    return {CheckedResult(value), {}};
}
FunctionResult Message(const char* message) {
    return {0, message};
}

bool Near(double a, double b) {
    return std::fabs(a - b) < kTolerance;
}
double Sign(double x) {
    return x > 0 ? 1 : x < 0 ? -1 : 0;
}

double ToRadians(double x, AngleUnit unit) {
    switch (unit) {
    case AngleUnit::Degrees:
        return x * (kPi / 180);
    case AngleUnit::Grads:
        return x * (kPi / 200);
    case AngleUnit::Radians:
        break;
    }
    return x;
}

double FromRadians(double r, AngleUnit unit) {
    switch (unit) {
    case AngleUnit::Degrees:
        return r * (180 / kPi);
    case AngleUnit::Grads:
        return r * (200 / kPi);
    case AngleUnit::Radians:
        break;
    }
    return r;
}

bool FitsInt16(long value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// Removes whole periods: 2π for sine and cosine, π for tangent and cotangent,
// with the quotient taken from the angle rounded to a whole number.
double ReducePeriod(double x, bool fullCircle) {
    const double rounded = std::nearbyint(x);
    if (!(std::fabs(rounded) <= std::numeric_limits<std::int32_t>::max()))
        throw CalcFailure{Overflow};
    const long k = static_cast<long>(rounded) / (fullCircle ? 6 : 3);
    if (!FitsInt16(k) || (fullCircle && !FitsInt16(2 * k)))
        throw CalcFailure{Overflow};
    return fullCircle ? x - static_cast<double>(2 * k) * kPi : x - static_cast<double>(k) * kPi;
}

FunctionResult Sine(double x) {
    const double ax = std::fabs(x);
    if (Near(ax, kPi / 2))
        return Value(Sign(x));
    if (Near(ax, kThreePi / 2))
        return Value(-Sign(x));
    if (Near(ax, kPi) || ax < kTolerance)
        return Value(0);
    return Value(std::sin(x));
}

FunctionResult Cosine(double x) {
    const double ax = std::fabs(x);
    if (Near(ax, kPi))
        return Value(-1);
    if (Near(ax, kPi / 2) || Near(ax, kThreePi / 2))
        return Value(0);
    if (ax < kTolerance)
        return Value(1);
    return Value(std::cos(x));
}

FunctionResult Tangent(double x) {
    const double ax = std::fabs(x);
    if (ax < kTolerance || Near(ax, kPi))
        return Value(0);
    if (Near(ax, kPi / 2))
        return Message(kInfinite);
    if (Near(ax, kPi / 4))
        return Value(Sign(x));
    if (Near(ax, kThreePi / 4))
        return Value(-Sign(x));
    return Value(std::tan(x));
}

FunctionResult Cotangent(double x) {
    const double ax = std::fabs(x);
    if (ax < kTolerance || Near(ax, kPi))
        return Message(kInfinite);
    if (Near(ax, kPi / 2))
        return Value(0);
    if (Near(ax, kPi / 4))
        return Value(Sign(x));
    if (Near(ax, kThreePi / 4))
        return Value(-Sign(x));
    return Value(1 / std::tan(x));
}

FunctionResult ArcSine(double x) {
    if (std::fabs(x) == 1)
        return Value(x * kPi / 2);
    if (x == 0)
        return Value(0);
    if (std::fabs(x) > 1)
        return Message(kArgumentRange);
    return Value(std::atan(x / std::sqrt(1 - x * x)));
}

FunctionResult ArcCosine(double x) {
    if (x == 1)
        return Value(0);
    if (x == -1)
        return Value(kPi);
    if (std::fabs(x) > 1)
        return Message(kArgumentRange);
    if (x == 0)
        return Value(kPi / 2);
    return Value(std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0));
}

FunctionResult Logarithm(double x, bool decimal) {
    if (x < 0)
        return Message(kLogOfNegative);
    if (x == 0)
        return Message(kLogOfZero);
    return Value(decimal ? std::log(x) / std::log(10.0) : std::log(x));
}

FunctionResult Factorial(CalcState& state, std::string_view argument) {
    const double a = ToNumber(argument, state.decimalSeparator);
    if (a > kLargestFactorialArgument)
        return Message(kTooLarge);
    if (a == 0)
        return Value(1);
    if (a < 0)
        return Message(kNegativeFactorial);
    double product = 1;
    for (int k = 2; k <= static_cast<int>(a); ++k)
        product *= k;
    return Value(product);
}

FunctionResult StoreDataValue(CalcState& state, std::string_view argument) {
    const auto x = ParseNumber(argument, state.decimalSeparator);
    if (!x)
        return Message(kNoValidData);
    if (state.statCount == std::numeric_limits<std::int16_t>::max())
        throw CalcFailure{Overflow};
    ++state.statCount;
    state.statValues.resize(static_cast<std::size_t>(state.statCount));
    state.statValues.back() = *x;
    return Value(*x);
}

bool IsInverseTrigonometric(std::string_view name) {
    for (const std::string_view inverse : {":asin", ":arcsin", ":acos", ":arccos", ":atan",
                                           ":arctan", ":atg", ":acot", ":arccot", ":actg"}) {
        if (name == inverse)
            return true;
    }
    return false;
}

bool IsKnownFunction(std::string_view name) {
    for (const std::string_view known :
         {":sin",    ":cos",  ":tan",    ":tg",   ":cot",    ":ctg",  ":asin",
          ":arcsin", ":acos", ":arccos", ":atan", ":arctan", ":atg",  ":acot",
          ":arccot", ":actg", ":abs",    ":exp",  ":aln",    ":alog", ":int",
          ":ln",     ":log",  ":ppm",    ":ran",  ":sgn",    ":sqr",  ":sqrt"}) {
        if (name == known)
            return true;
    }
    return false;
}

// The table of functions, applied to x in radians where angles are concerned;
// nullopt for a name not in the table.
std::optional<FunctionResult> ApplyNamed(CalcState& state, std::string_view name, double x) {
    const AngleUnit unit = state.angleUnit;
    if (name == ":sin")
        return Sine(ReducePeriod(ToRadians(x, unit), true));
    if (name == ":cos")
        return Cosine(ReducePeriod(ToRadians(x, unit), true));
    if (name == ":tan" || name == ":tg")
        return Tangent(ReducePeriod(ToRadians(x, unit), false));
    if (name == ":cot" || name == ":ctg")
        return Cotangent(ReducePeriod(ToRadians(x, unit), false));
    if (name == ":asin" || name == ":arcsin")
        return ArcSine(x);
    if (name == ":acos" || name == ":arccos")
        return ArcCosine(x);
    if (name == ":atan" || name == ":arctan" || name == ":atg")
        return Value(std::atan(x));
    if (name == ":acot" || name == ":arccot" || name == ":actg")
        return Value(2 * std::atan(1.0) - std::atan(x));
    if (name == ":abs")
        return Value(std::fabs(x));
    if (name == ":exp" || name == ":aln")
        return Value(std::pow(kE, x));
    if (name == ":alog")
        return Value(std::pow(10.0, x));
    if (name == ":int")
        return Value(std::floor(x));
    if (name == ":ln" || name == ":log")
        return Logarithm(x, name == ":log");
    if (name == ":ppm")
        return Value(x / 1000000);
    if (name == ":ran")
        return Value(std::uniform_real_distribution<double>(0, 1)(state.random) * x);
    if (name == ":sgn")
        return Value(Sign(x));
    if (name == ":sqr" || name == ":sqrt")
        return x < 0 ? Message(kRootOfNegative) : Value(std::sqrt(x));
    return std::nullopt;
}

// Steps 2 to 5: name and argument, factorial, the function, the angle output.
FunctionResult ApplySingle(CalcState& state, std::string_view operand) {
    std::size_t nameEnd = 0;
    while (nameEnd < operand.size() && !IsOneOf(operand[nameEnd], "-(") &&
           !IsDigit(operand[nameEnd]))
        ++nameEnd;
    if (nameEnd == operand.size())
        nameEnd = operand.empty() ? 0 : operand.size() - 1;
    const std::string_view name = operand.substr(0, nameEnd);
    const std::string_view argument = operand.substr(nameEnd);
    if (argument.ends_with('!'))
        return Factorial(state, argument.substr(0, argument.size() - 1));
    if (name == ":dat")
        return StoreDataValue(state, argument);
    if (!IsKnownFunction(name))
        return Message(kSyntaxError);
    const double x = ToNumber(argument, state.decimalSeparator);
    FunctionResult result = *ApplyNamed(state, name, x);
    if (!result.failed() && (IsInverseTrigonometric(name) || name == ":ran"))
        result = Value(FromRadians(result.value, state.angleUnit));
    return result;
}

} // namespace

FunctionResult ApplyFunction(CalcState& state, std::string_view operand) {
    std::string text(operand);
    while (true) {
        const std::size_t colon = text.rfind(':');
        if (colon == std::string::npos || colon == 0)
            return ApplySingle(state, text);
        const std::string_view tail = std::string_view(text).substr(colon);
        std::string replacement;
        if (tail == ":pi") {
            replacement = PlainText(kPi, state.decimalSeparator);
        } else if (tail == ":ans") {
            replacement = state.prevResultText;
        } else if (tail == ":mem") {
            replacement = PlainText(state.memory, state.decimalSeparator);
        } else {
            const FunctionResult inner = ApplySingle(state, tail);
            if (inner.failed())
                return inner;
            replacement = PlainText(inner.value, state.decimalSeparator);
        }
        text.replace(colon, std::string::npos, replacement);
    }
}

} // namespace molva
