// A formula's composition by element, and the empirical formula that mass
// percentages from an elemental analysis give.
#pragma once

#include "elements.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace molva {

struct CompositionRow {
    std::string_view symbol;
    std::string_view name;
    double atoms = 0;   // a hydrate's coefficient may make it a fraction
    double mass = 0;    // atoms times the atomic weight
    double percent = 0; // of the formula's mass
};

struct Composition {
    std::vector<CompositionRow> rows; // in the order the elements first appear
    double atoms = 0;
    double mass = 0;
    std::int16_t decimals =
        0;               // the masses are shown with these, as the calculator shows the weight
    std::string message; // why there is no composition; empty when there is one

    bool failed() const { return !message.empty(); }
};

// The composition of a formula typed as the calculator takes it (loose case,
// hydrates, coefficients, sums of formulas), in a table of atomic weights.
Composition ComputeComposition(std::string_view formula, AtomicWeights weights,
                               char decimalSeparator = '.');

// The composition as cells: a header row, one row per element and a total row
// of symbol, element, atoms, mass and mass percent.
using CompositionCells = std::vector<std::array<std::string, 5>>;
CompositionCells CompositionTable(const Composition& composition, char decimalSeparator = '.');

// The cells as text: fields separated by tabs, each row ended by "\n".
std::string TabSeparated(const CompositionCells& cells);

struct EmpiricalFormula {
    std::string formula; // symbols in Hill order: C, H, then the others alphabetically
    std::string message; // why there is none; empty when there is one
};

// The simplest whole-number formula for element and percent pairs
// ("C=40.0 H=6.7 O=53.3", "C 40, H 6.7, O 53.3"): the mole ratio to the
// smallest, times the first multiplier from 1 to 10 that brings every element
// within 2 % of a whole number.
EmpiricalFormula FindEmpiricalFormula(std::string_view pairs, AtomicWeights weights);

} // namespace molva
