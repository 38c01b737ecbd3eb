// Failures that a calculation step does not handle itself: the step's result
// becomes the failure's description, as the calculator shows it.
#pragma once

namespace molva {

inline constexpr const char* TypeMismatch = "Type mismatch";
inline constexpr const char* Overflow = "Overflow";
inline constexpr const char* DivisionByZero = "Division by zero";
inline constexpr const char* InvalidCall = "Invalid procedure call or argument";

struct CalcFailure {
    const char* description;
};

} // namespace molva
