#include "cell_reaction.h"

#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace galvix {

namespace {

// Greatest common divisor by repeated subtraction, with the pass limit that
// guards against a loop that never ends; nullopt when the guard stops it.
std::optional<int> GreatestCommonDivisor(int a, int b) {
    for (int passes = 0;; ++passes) {
        if (passes == GcdPassLimit)
            return std::nullopt;
        if (a == b)
            break;
        if (a < b)
            std::swap(a, b);
        const int difference = a - b;
        a = b;
        b = difference;
    }
    if (a == 0)
        return std::nullopt;
    return a;
}

std::string Parenthesised(const std::string& coefficient, const std::string& side) {
    return coefficient + "(" + side + ")";
}

// The two sides of the overall reaction: electrons are not cancelled, and a
// coefficient is written only when the multipliers differ and it is not 1.
void WriteSides(CellReactionResult& result, const HalfReactionEntry& oxidation,
                const HalfReactionEntry& reduction, double m1, double m2) {
    const std::string c1 = GeneralFormat(m1);
    const std::string c2 = GeneralFormat(m2);
    auto first = [&](const std::string& side) {
        return m1 == m2 || m1 == 1 ? side : Parenthesised(c1, side);
    };
    auto second = [&](const std::string& side) {
        return m1 == m2 || m2 == 1 ? side : Parenthesised(c2, side);
    };
    result.leftSideText = first(oxidation.oxidationLeft) + " + " + second(reduction.reductionLeft);
    result.rightSideText =
        first(oxidation.oxidationRight) + " + " + second(reduction.reductionRight);
}

} // namespace

CalculateOutcome Calculate(const std::string& dataDirectory, std::string_view oxidationItem,
                           std::string_view reductionItem, int oxidationPosition,
                           int reductionPosition) {
    const TableLoad load = LoadTable(dataDirectory);
    if (!load.ok()) {
        CalculateOutcome outcome;
        outcome.fault = CalculateFault::TableLoad;
        outcome.dataError = load.dataError;
        outcome.error = load.error;
        return outcome;
    }
    return CalculateWithTable(load.table, oxidationItem, reductionItem, oxidationPosition,
                              reductionPosition);
}

CalculateOutcome CalculateWithTable(const HalfReactionTable& table, std::string_view oxidationItem,
                                    std::string_view reductionItem, int oxidationPosition,
                                    int reductionPosition) {
    CalculateOutcome outcome;
    CellReactionResult& r = outcome.result;
    const auto oxidationEntry =
        ResolveListItem(table, ListSide::Oxidation, oxidationItem, oxidationPosition);
    const auto reductionEntry =
        ResolveListItem(table, ListSide::Reduction, reductionItem, reductionPosition);
    if (!oxidationEntry || !reductionEntry) {
        outcome.fault = CalculateFault::EntryMissing;
        outcome.error = EntryMissingMessage;
        return outcome;
    }
    const int i1 = *oxidationEntry;
    const int i2 = *reductionEntry;
    const HalfReactionEntry& oxidation = table[i1];
    const HalfReactionEntry& reduction = table[i2];

    r.oxidationEntry = i1;
    r.reductionEntry = i2;
    r.oxidationText = oxidation.oxidationText;
    r.oxidationPotentialText = GeneralFormat(oxidation.oxidationPotential) + " V";
    r.oxidationLogKText = GeneralFormat(oxidation.oxidationLogK);
    r.reductionText = reduction.reductionText;
    r.reductionPotentialText = GeneralFormat(reduction.reductionPotential) + " V";
    r.reductionLogKText = GeneralFormat(reduction.reductionLogK);

    const double cell = oxidation.oxidationPotential + reduction.reductionPotential;
    r.willOccur = cell > 0 ? "Yes" : "No";

    const int k1 = oxidation.electronCount;
    const int k2 = reduction.electronCount;
    const auto divisor = GreatestCommonDivisor(k1, k2);
    if (!divisor) {
        outcome.fault = CalculateFault::DivisorGuard;
        outcome.error = GcdFailureMessage;
        return outcome;
    }
    r.transferredElectrons = static_cast<double>(k1 * k2) / *divisor;
    const double m1 = r.transferredElectrons / k1;
    const double m2 = r.transferredElectrons / k2;
    r.oxidationMultiplier = m1;
    r.reductionMultiplier = m2;
    r.overallLogK = m1 * oxidation.oxidationLogK + m2 * reduction.reductionLogK;
    r.overallLogKText = GeneralFormat(r.overallLogK);
    WriteSides(r, oxidation, reduction, m1, m2);
    r.netReaction = BuildNetReaction(r.oxidationText, static_cast<int>(m1), r.reductionText,
                                     static_cast<int>(m2));
    return outcome;
}

CellValues DeriveCellValues(std::string_view oxidationPotentialText,
                            std::string_view reductionPotentialText,
                            std::string_view overallLogKText, double transferredElectrons) {
    CellValues values;
    const double cell =
        NumericPrefixValue(oxidationPotentialText) + NumericPrefixValue(reductionPotentialText);
    values.cellPotentialText = GeneralFormat(cell) + " V";
    values.cellPotential = NumericPrefixValue(values.cellPotentialText);
    const double freeEnergy = (0 - transferredElectrons) * (values.cellPotential * FaradayKJ);
    values.freeEnergyText = GeneralFormat(freeEnergy) + " kJ/mol";
    values.freeEnergy = NumericPrefixValue(values.freeEnergyText);
    const double k = std::pow(10.0, NumericPrefixValue(overallLogKText));
    if (!std::isfinite(k)) {
        values.equilibriumConstantText = "Overflow";
        return values;
    }
    values.equilibriumConstant = NumericPrefixValue(GeneralFormat(k));
    values.equilibriumConstantText = FormatEquilibriumConstant(*values.equilibriumConstant);
    return values;
}

void CompleteCellValues(CellReactionResult& result) {
    CellValues values =
        DeriveCellValues(result.oxidationPotentialText, result.reductionPotentialText,
                         result.overallLogKText, result.transferredElectrons);
    result.cellPotentialText = std::move(values.cellPotentialText);
    result.freeEnergyText = std::move(values.freeEnergyText);
    result.equilibriumConstantText = std::move(values.equilibriumConstantText);
    result.cellPotential = values.cellPotential;
    result.freeEnergy = values.freeEnergy;
    result.equilibriumConstant = values.equilibriumConstant;
}

std::string FormatEquilibriumConstant(double k) {
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), k,
                                   std::chars_format::scientific, 2)
                         .ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t e = text.find('e');
    int exponent = 0;
    const std::string_view digits = text.substr(text[e + 1] == '+' ? e + 2 : e + 1);
    std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    return std::string(text.substr(0, e)) + "e" + std::to_string(exponent);
}

} // namespace galvix
