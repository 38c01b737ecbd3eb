// The messages the engine gives in place of a result, and the failures that a
// calculation step does not handle itself: the step's result becomes the
// failure's description.
#pragma once

namespace molva {

inline constexpr const char* kMissingRight = "Missing right bracket ')' !";
inline constexpr const char* kMissingLeft = "Missing left bracket '(' !";
inline constexpr const char* kSyntaxError = "Syntax error!";
inline constexpr const char* kDivideByZero = "Cannot divide by zero!";
inline constexpr const char* kRootOfNegative = "Root of a negative number!";
inline constexpr const char* kInfinite = "<Infinite number>";
inline constexpr const char* kArgumentRange = "Argument must be from -1 to 1";
inline constexpr const char* kLogOfNegative = "Log of a negative number!";
inline constexpr const char* kLogOfZero = "Logarithm of a zero!";
inline constexpr const char* kTooLarge = "Result is too large!";
inline constexpr const char* kNegativeFactorial = "Error - negative number!";
inline constexpr const char* kNoValidData = "No valid data!";
inline constexpr const char* kNoA = "Error: a = 0";
inline constexpr const char* kComplex = "Complex number";
inline constexpr const char* kOnlyPlusSeparates = "Only + sign separate data!";
inline constexpr const char* kOnlyPlusDiffers = "Only + sign differences data !";
inline constexpr const char* kNoData = "No data for calculate!";

inline constexpr const char* kHydrateHint = "* multiplies; for a hydrate write CuSO4\xC2\xB7"
                                            "5H2O";

inline constexpr const char* TypeMismatch = "Type mismatch";
inline constexpr const char* Overflow = "Overflow";
inline constexpr const char* DivisionByZero = "Division by zero";
inline constexpr const char* InvalidCall = "Invalid procedure call or argument";

struct CalcFailure {
    const char* description;
};

} // namespace molva
