// A calculated cell under real conditions: each half-cell's potential by the
// Nernst equation at given concentrations, pressures, pH and temperature, and
// the cell's voltage, reaction quotient, free energy and equilibrium constant.
#pragma once

#include "cell_reaction.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace galvix {

inline constexpr double GasConstant = 8.314462618;     // J/(mol K)
inline constexpr double FaradayConstant = 96485.33212; // C/mol
inline constexpr double KelvinOffset = 273.15;         // T = t + 273.15
inline constexpr double WaterIonProduct = 1.0e-14;     // Kw, taken at every temperature

enum class HalfCell { Oxidation, Reduction };

// How a species of a half-cell enters the reaction quotient.
enum class SpeciesMedium {
    Solvent,       // H₂O: activity 1
    PureSubstance, // written (s) or (l): activity 1
    Gas,           // a common gas, or written (g): a partial pressure in bar
    Solute,        // charged, or written (aq): a concentration in mol/L
    Either,        // "solid or liquid" (activity 1) or "dissolved" (a concentration)
};

// H⁺ and OH⁻, which a half-cell's pH sets.
enum class WaterIon { None, Hydrogen, Hydroxide };

struct ConditionSpecies {
    std::string text; // Chem bytes as written, without the coefficient
    SpeciesMedium medium = SpeciesMedium::Solute;
    bool dissolvedByDefault = false; // for SpeciesMedium::Either
    WaterIon waterIon = WaterIon::None;

    bool setByPH() const { return waterIon != WaterIon::None; }
};

struct HalfCellSpecies {
    std::vector<ConditionSpecies> species; // in the order the half reaction shows them, each once
    std::string error;                     // the half reaction could not be read

    bool ok() const { return error.empty(); }
};

// The species of one half-cell, as its half reaction is shown in the reaction
// data: the oxidation text for the oxidation half-cell, the reduction text for
// the reduction half-cell.
HalfCellSpecies SpeciesOfHalfCell(const CellReactionResult& reaction, HalfCell halfCell);

struct HalfCellConditions {
    // Species exactly as written in the half reaction's Chem-byte text, without
    // its coefficient, mapped to a concentration in mol/L or a partial pressure
    // in bar. Species not given are 1. An amount given for a species that may
    // be solid, liquid or dissolved makes it dissolved.
    std::vector<std::pair<std::string, double>> amounts;
    // Species that may be solid, liquid or dissolved and are marked "dissolved".
    std::vector<std::string> dissolved;
    // Such species marked "solid or liquid", overriding a dissolved default.
    std::vector<std::string> solidOrLiquid;
    // Sets H⁺ (and OH⁻ through Kw); empty: H⁺ and OH⁻ as in amounts, or 1.
    std::optional<double> pH;
};

struct CellConditions {
    HalfCellConditions oxidation;
    HalfCellConditions reduction;
    double temperatureCelsius = 25;
};

struct HalfCellOutcome {
    double standardPotential = 0; // E°, volts, as the reaction data shows it
    double potential = 0;         // by the Nernst equation, volts
    double log10Q = 0;            // the quotient of the half reaction as shown
};

struct ConditionsOutcome {
    std::string error; // empty on success; else a message naming what was wrong (UTF-8)
    bool ok() const { return error.empty(); }

    HalfCellOutcome oxidation;
    HalfCellOutcome reduction;
    double temperatureKelvin = 0;
    double transferredElectrons = 0;  // n
    double standardCellPotential = 0; // E°(cell)
    double cellPotential = 0;         // E(cell) = E(oxidation) + E(reduction)
    double log10Q = 0;                // the overall reaction's quotient
    double freeEnergy = 0;            // -nFE, kJ/mol
    double log10K = 0;                // nFE°/(RT ln 10)
    bool occurs = false;              // E(cell) > 0
};

// The cell of an already calculated reaction under the given conditions.
ConditionsOutcome EvaluateConditions(const CellReactionResult& reaction,
                                     const CellConditions& conditions);

// Captions of the conditions results, shared by the window and its copied text.
namespace conditions_caption {
inline constexpr const char* Heading = "Conditions:";
inline constexpr const char* Temperature = "Temperature: ";
inline constexpr const char* OxidationHalfCell = "Oxidation half-cell:";
inline constexpr const char* ReductionHalfCell = "Reduction half-cell:";
inline constexpr const char* PH = "pH = ";
inline constexpr const char* Quotient = "Q = ";
inline constexpr const char* FreeEnergy = "G = "; // after the delta sign
inline constexpr const char* WillItOccur = "Will it occur under these conditions: ";
inline constexpr const char* ChemStandardNote =
    "Note: E\xf8 is taken as independent of temperature."; // Chem bytes
} // namespace conditions_caption

// log10 of the concentration of H⁺ or OH⁻ that a pH sets (Kw = 1.0e-14).
double WaterIonLog10(WaterIon ion, double pH);

// The displayed values of an outcome.
struct ConditionsTexts {
    std::string oxidationPotential; // "0.79138 V"
    std::string reductionPotential;
    std::string cellPotential;
    std::string quotient;            // "1.00e2", or "10^384.68" beyond a double
    std::string freeEnergy;          // "-201.18 kJ/mol"
    std::string willOccur;           // "Yes" or "No"
    std::string equilibriumConstant; // as the quotient
    std::string logK;                // "83.098"
};
ConditionsTexts TextsOf(const ConditionsOutcome& outcome);

// "25 °C" in Chem bytes (the degree sign is the Windows-1252 one).
std::string TemperatureText(double celsius);
// "K at 25 °C = ", Chem bytes.
std::string EquilibriumConstantCaption(double celsius);

// 10^x in the pattern of K ("1.50e15"), or "10^384.68" when 10^x lies beyond
// the range of a double, either way.
std::string PowerOfTenText(double log10Value);

// A number as typed for an amount, pH or temperature: the whole text must be
// one number (blanks around it allowed); none otherwise.
std::optional<double> ReadConditionNumber(std::string_view text);

// The conditions results as the Conditions window copies them after the
// output header: Chem-byte text, CR LF after every line.
std::string ConditionsResultText(const CellReactionResult& reaction,
                                 const CellConditions& conditions,
                                 const ConditionsOutcome& outcome);

} // namespace galvix
