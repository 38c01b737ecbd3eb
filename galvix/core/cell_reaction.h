// Cell reaction analysis: one oxidation and one reduction half reaction
// combined into the balanced overall reaction and its thermodynamic values.
#pragma once

#include "half_reaction_table.h"
#include "net_reaction.h"

#include <optional>
#include <string>

namespace galvix {

inline constexpr double FaradayKJ = 96.485; // kJ per volt-mole
inline constexpr int GcdPassLimit = 300;
inline constexpr const char* GcdFailureMessage = "An error has occured. Press OK to stop working.";
inline constexpr const char* EntryMissingMessage =
    "The selected half reaction is no longer in the table.";

struct CellReactionResult {
    int oxidationEntry = 0;
    int reductionEntry = 0;
    std::string oxidationText;
    std::string oxidationPotentialText;
    std::string oxidationLogKText;
    std::string reductionText;
    std::string reductionPotentialText;
    std::string reductionLogKText;
    std::string willOccur;
    double transferredElectrons = 0;
    std::string overallLogKText;
    std::string leftSideText;
    std::string rightSideText;
    std::string cellPotentialText;
    std::string freeEnergyText;
    std::string equilibriumConstantText;
    // Both half reactions as one equation, electrons and common species cancelled.
    NetReaction netReaction;

    // The numbers behind the texts.
    double oxidationMultiplier = 1; // m1: the oxidation half reaction's coefficient
    double reductionMultiplier = 1; // m2
    double overallLogK = 0;
    double cellPotential = 0;                  // volts, as cellPotentialText shows it
    double freeEnergy = 0;                     // kJ/mol, as freeEnergyText shows it
    std::optional<double> equilibriumConstant; // empty when K overflows

    bool occurs() const { return willOccur == "Yes"; }
};

enum class CalculateFault {
    None,
    TableLoad,    // Data.dat or Custom.dat is damaged: the program must end
    DivisorGuard, // the greatest-common-divisor guard stopped: the program must end
    EntryMissing, // a list item maps to no entry (a data file changed behind our back)
};

struct CalculateOutcome {
    CellReactionResult result;
    CalculateFault fault = CalculateFault::None;
    std::optional<DataError> dataError; // for CalculateFault::TableLoad
    std::string error;

    bool ok() const { return fault == CalculateFault::None; }
};

struct CellValues {
    std::string cellPotentialText;
    std::string freeEnergyText;
    std::string equilibriumConstantText;
    double cellPotential = 0;
    double freeEnergy = 0;
    std::optional<double> equilibriumConstant; // empty on "Overflow"
};

// Reloads the table from dataDirectory and analyses the chosen pair. Each item
// is found by its text; an item not in the table falls back to its 0-based list
// position + 1. The result holds every field except the three CellValues.
CalculateOutcome Calculate(const std::string& dataDirectory, std::string_view oxidationItem,
                           std::string_view reductionItem, int oxidationPosition,
                           int reductionPosition);

// The same analysis on a table already loaded.
CalculateOutcome CalculateWithTable(const HalfReactionTable& table, std::string_view oxidationItem,
                                    std::string_view reductionItem, int oxidationPosition,
                                    int reductionPosition);

// E(cell), the free energy and K, computed from the displayed texts.
CellValues DeriveCellValues(std::string_view oxidationPotentialText,
                            std::string_view reductionPotentialText,
                            std::string_view overallLogKText, double transferredElectrons);

// Fills the three derived texts and their numbers of a Calculate's result,
// from its own texts as DeriveCellValues does.
void CompleteCellValues(CellReactionResult& result);

// K in the pattern "0.00e-###": 1.50e15, 2.30e-5, 4.00e0.
std::string FormatEquilibriumConstant(double k);

} // namespace galvix
