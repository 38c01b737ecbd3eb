// The element table behind formula weights: 109 symbols with their atomic
// weights and the number of decimals to which each weight is known.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace molva {

struct CalcState;

// The weight in units of 1e-7 as a whole number, exact for a weight written
// with at most seven decimals; -1 for any other.
constexpr std::int64_t TenMillionths(std::string_view weightText) {
    constexpr int kDecimals = 7;
    std::int64_t units = 0;
    int decimals = -1;
    for (const char c : weightText) {
        if (c == '.') {
            decimals = 0;
            continue;
        }
        units = units * 10 + (c - '0');
        decimals += decimals >= 0 ? 1 : 0;
    }
    for (decimals = decimals < 0 ? 0 : decimals; decimals < kDecimals; ++decimals)
        units *= 10;
    return decimals == kDecimals ? units : -1;
}

struct Element {
    constexpr Element(std::string_view symbolText, double weightValue, std::int16_t weightDecimals,
                      std::string_view text)
        : symbol(symbolText), weight(weightValue), decimals(weightDecimals), weightText(text),
          weightInTenMillionths(TenMillionths(text)) {}

    std::string_view symbol;
    double weight;
    std::int16_t decimals;
    std::string_view weightText; // the weight as written in the table
    std::int64_t weightInTenMillionths;
};

std::span<const Element> ElementTable();

// The weight of a symbol (exact, case-sensitive), lowering state.decimals to
// its precision; an unknown symbol gives 0.0 and lowers decimals to 0.
double ElementWeight(std::string_view symbol, CalcState& state);

// The same look-up, giving the whole table entry; nullptr for an unknown symbol.
const Element* FindElement(std::string_view symbol, CalcState& state);

// The same, lowering the given precision in place of state.decimals.
const Element* FindElement(std::string_view symbol, std::int16_t& decimals);

} // namespace molva
