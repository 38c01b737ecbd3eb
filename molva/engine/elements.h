// The element table behind formula weights: 109 symbols with their atomic
// weights and the number of decimals to which each weight is known.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace molva {

struct CalcState;

struct Element {
    std::string_view symbol;
    double weight;
    std::int16_t decimals;
    std::string_view weightText; // the weight as written in the table
};

std::span<const Element> ElementTable();

// The weight of a symbol (exact, case-sensitive), lowering state.decimals to
// its precision; an unknown symbol gives 0.0 and lowers decimals to 0.
double ElementWeight(std::string_view symbol, CalcState& state);

// The same look-up, giving the whole table entry; nullptr for an unknown symbol.
const Element* FindElement(std::string_view symbol, CalcState& state);

} // namespace molva
