// The element tables behind formula weights: the classic table of 109 symbols
// and the IUPAC 2021 table of 118, each with its atomic weights and the number
// of decimals to which each weight is shown; the English names of the elements.
#pragma once

#include <cstdint>
#include <optional>
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

// What a weight of the table is: a standard atomic weight (or the conventional
// value of one given as an interval), or the mass number of the longest-lived
// isotope of an element without a standard weight, written [97] in the table.
enum class WeightKind : std::uint8_t { Standard, MassNumber };

struct Element {
    constexpr Element(std::string_view symbolText, double weightValue, std::int16_t weightDecimals,
                      std::string_view text, WeightKind weightKind = WeightKind::Standard)
        : symbol(symbolText), weight(weightValue), decimals(weightDecimals), weightText(text),
          weightInTenMillionths(TenMillionths(text)), kind(weightKind) {}

    std::string_view symbol;
    double weight;
    std::int16_t decimals;
    std::string_view weightText; // the weight as written in the table, without brackets
    std::int64_t weightInTenMillionths;
    WeightKind kind;
};

// The table of atomic weights a calculation uses.
enum class AtomicWeights : std::uint8_t { Classic, Iupac2021 };

// A symbol's slot in the index of a table: its capital letter, and its small
// letter or none; -1 for a text that cannot be a symbol.
constexpr int SymbolSlot(std::string_view symbol) {
    if (symbol.empty() || symbol.size() > 2 || symbol[0] < 'A' || symbol[0] > 'Z')
        return -1;
    const int first = symbol[0] - 'A';
    if (symbol.size() == 1)
        return first * 27;
    if (symbol[1] < 'a' || symbol[1] > 'z')
        return -1;
    return first * 27 + 1 + (symbol[1] - 'a');
}

inline constexpr std::size_t kSymbolSlots = 26 * 27;

// A table of atomic weights with its index, for look-ups in a tight loop.
struct SymbolTable {
    const std::uint8_t* index; // per slot, the table position plus one; 0 for none
    const Element* elements;

    // The entry of a symbol, lowering `decimals` to its precision; nullptr,
    // with decimals 0, for an unknown symbol.
    const Element* Find(std::string_view symbol, std::int16_t& decimals) const {
        const int slot = SymbolSlot(symbol);
        const std::uint8_t position = slot < 0 ? 0 : index[slot];
        if (position == 0) {
            decimals = 0;
            return nullptr;
        }
        const Element& element = elements[position - 1u];
        if (element.decimals < decimals)
            decimals = element.decimals;
        return &element;
    }
};

SymbolTable SymbolTableOf(AtomicWeights weights);

// The name of a table on the command line and in the settings ("classic",
// "iupac2021"), and the table a name stands for.
std::string_view AtomicWeightsName(AtomicWeights weights);
std::optional<AtomicWeights> AtomicWeightsNamed(std::string_view name);

// The elements of a table in order of atomic number, from hydrogen.
std::span<const Element> ElementTable(AtomicWeights weights = AtomicWeights::Classic);

// The English name of the element with a symbol; empty for an unknown symbol.
std::string_view ElementName(std::string_view symbol);

// The weight of a symbol (exact, case-sensitive) in the calculation's table,
// lowering state.decimals to its precision; an unknown symbol gives 0.0 and
// lowers decimals to 0.
double ElementWeight(std::string_view symbol, CalcState& state);

// The same look-up, giving the whole table entry; nullptr for an unknown symbol.
const Element* FindElement(std::string_view symbol, CalcState& state);

// The same in a given table, lowering the given precision in place of state.decimals.
const Element* FindElement(std::string_view symbol, std::int16_t& decimals, AtomicWeights weights);

} // namespace molva
