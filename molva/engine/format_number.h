// Display formats of results: automatic, scientific, fixed, and the fixed
// decimals of a pure formula sum.
#pragma once

#include "calc_state.h"

#include <string>
#include <string_view>

namespace molva {

// Formats a result text for display. A text that is not numeric comes back
// unchanged. `zeros` holds one "0" per decimal. FormulaFixed uses
// state.decimals and falls back to the automatic format when no element was used.
std::string FormatNumber(std::string_view value, FormatKind kind, std::string_view zeros,
                         bool grouping, const CalcState& state);

// The same for a value that is already a number.
std::string FormatValue(double number, FormatKind kind, std::string_view zeros, bool grouping,
                        const CalcState& state);

// The first `count` characters of "000000000000000".
std::string_view ZerosFor(int count);

} // namespace molva
