#include "cell_conditions.h"

#include "chem_formula.h"
#include "chem_unicode.h"
#include "half_reaction_table.h"
#include "number_text.h"
#include "result_text.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <map>
#include <string_view>

namespace galvix {

namespace {

using Atoms = std::map<std::string, int>;

constexpr double kLn10 = 2.302585092994045684;

// Gases that take a partial pressure even when written without "(g)".
const std::array<Atoms, 12> kCommonGases = {
    Atoms{{"H", 2}},           Atoms{{"O", 2}},           Atoms{{"Cl", 2}},
    Atoms{{"F", 2}},           Atoms{{"N", 2}},           Atoms{{"C", 1}, {"O", 1}},
    Atoms{{"C", 1}, {"O", 2}}, Atoms{{"N", 1}, {"O", 1}}, Atoms{{"N", 1}, {"O", 2}},
    Atoms{{"S", 1}, {"O", 2}}, Atoms{{"H", 2}, {"S", 1}}, Atoms{{"C", 1}, {"H", 4}}};

constexpr std::string_view kNonMetals[] = {"H", "D",  "He", "C",  "N",  "O",  "F", "Ne", "P",
                                           "S", "Cl", "Ar", "Se", "Br", "Kr", "I", "Xe", "Rn"};
constexpr std::string_view kMetalloids[] = {"B", "Si", "Ge", "As", "Sb", "Te", "Po", "At"};
constexpr std::string_view kGaseousElements[] = {"H",  "D",  "He", "N",  "O",  "F",
                                                 "Ne", "Cl", "Ar", "Kr", "Xe", "Rn"};

template <std::size_t N> bool OneOf(const std::string_view (&set)[N], std::string_view symbol) {
    return std::find(std::begin(set), std::end(set), symbol) != std::end(set);
}

bool IsHydrogenIon(const Species& s) {
    return s.charge == 1 && s.form.empty() && s.atoms == Atoms{{"H", 1}};
}
bool IsHydroxide(const Species& s) {
    return s.charge == -1 && s.form.empty() && s.atoms == Atoms{{"H", 1}, {"O", 1}};
}
bool IsWater(const Species& s) {
    return s.charge == 0 && s.form.empty() && s.atoms == Atoms{{"H", 2}, {"O", 1}};
}

// A neutral species that may be solid, liquid or dissolved starts dissolved
// when it is a molecule of a gaseous element, or a compound without metals
// that holds hydrogen or no metalloid (acids, hydrides, organic molecules);
// metals, their compounds and the solid elements start solid or liquid.
bool DissolvedByDefault(const Species& s) {
    if (s.atoms.size() == 1)
        return OneOf(kGaseousElements, s.atoms.begin()->first);
    bool metalloid = false;
    for (const auto& [symbol, count] : s.atoms) {
        if (OneOf(kMetalloids, symbol))
            metalloid = true;
        else if (!OneOf(kNonMetals, symbol))
            return false;
    }
    return !metalloid || s.atoms.contains("H");
}

bool LabelledAs(std::string_view text, std::string_view label) {
    return text.ends_with(label);
}

ConditionSpecies Classify(const Term& term) {
    ConditionSpecies c;
    c.text = term.text;
    const Species& s = term.species;
    const std::string_view text = term.text;
    c.waterIon = IsHydrogenIon(s) ? WaterIon::Hydrogen
                 : IsHydroxide(s) ? WaterIon::Hydroxide
                                  : WaterIon::None;
    if (LabelledAs(text, "(s)") || LabelledAs(text, "(l)"))
        c.medium = SpeciesMedium::PureSubstance;
    else if (LabelledAs(text, "(g)"))
        c.medium = SpeciesMedium::Gas;
    else if (s.charge != 0 || s.form == "aq")
        c.medium = SpeciesMedium::Solute;
    else if (IsWater(s))
        c.medium = SpeciesMedium::Solvent;
    else if (s.form.empty() &&
             std::find(kCommonGases.begin(), kCommonGases.end(), s.atoms) != kCommonGases.end())
        c.medium = SpeciesMedium::Gas;
    else {
        c.medium = SpeciesMedium::Either;
        c.dissolvedByDefault = DissolvedByDefault(s);
    }
    return c;
}

const char* HalfCellName(HalfCell halfCell) {
    return halfCell == HalfCell::Oxidation ? "oxidation" : "reduction";
}

std::string Quoted(std::string_view chemText) {
    return "\"" + ChemToUtf8(chemText) + "\"";
}

// A half-cell read from its shown half reaction: its species and the power
// each takes in the half reaction's quotient (products +, reactants -).
struct HalfCellReading {
    HalfCellSpecies species;
    std::vector<int> powers; // beside species.species
    int electrons = 0;
};

void AddTerms(HalfCellReading& reading, const std::vector<Term>& terms, int sign) {
    for (const Term& term : terms) {
        auto& list = reading.species.species;
        const auto found = std::find_if(list.begin(), list.end(), [&](const ConditionSpecies& s) {
            return s.text == term.text;
        });
        if (found == list.end()) {
            list.push_back(Classify(term));
            reading.powers.push_back(sign * term.coefficient);
        } else {
            reading.powers[static_cast<std::size_t>(found - list.begin())] +=
                sign * term.coefficient;
        }
    }
}

HalfCellReading ReadHalfCell(const CellReactionResult& reaction, HalfCell halfCell) {
    HalfCellReading reading;
    // Both half reactions are read in the oxidation direction, the form the
    // reader knows; the reduction text is its own sides exchanged.
    const std::string shown =
        halfCell == HalfCell::Oxidation ? reaction.oxidationText : reaction.reductionText;
    const std::optional<std::string> oxidationForm =
        halfCell == HalfCell::Oxidation ? std::optional(shown) : ReductionForm(shown);
    const FormulaRead read = oxidationForm ? ParseHalfReaction(*oxidationForm)
                                           : FormulaRead{{}, "no \"" + std::string(Arrow) + "\""};
    if (!read.ok()) {
        reading.species.error = "The " + std::string(HalfCellName(halfCell)) +
                                " half reaction cannot be read: " + ChemToUtf8(read.error);
        return reading;
    }
    reading.electrons = read.formula.electrons;
    if (halfCell == HalfCell::Oxidation) {
        AddTerms(reading, read.formula.left, -1);
        AddTerms(reading, read.formula.right, +1);
    } else {
        AddTerms(reading, read.formula.right, -1);
        AddTerms(reading, read.formula.left, +1);
    }
    return reading;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

const ConditionSpecies* FindSpecies(const HalfCellSpecies& species, const std::string& text) {
    for (const ConditionSpecies& s : species.species) {
        if (s.text == text)
            return &s;
    }
    return nullptr;
}

// Whether a species that may be solid, liquid or dissolved is dissolved.
bool TakenAsDissolved(const ConditionSpecies& s, const HalfCellConditions& given,
                      bool amountGiven) {
    if (Contains(given.solidOrLiquid, s.text))
        return false;
    return amountGiven || Contains(given.dissolved, s.text) || s.dissolvedByDefault;
}

// The fault of an amount given for a species, or empty.
std::string AmountFault(const ConditionSpecies* s, const std::string& text, double amount,
                        const HalfCellConditions& given, HalfCell halfCell) {
    const std::string name = Quoted(text);
    const std::string where = std::string(HalfCellName(halfCell));
    if (!s)
        return name + " is not a species of the " + where + " half reaction";
    if (!std::isfinite(amount) || amount <= 0)
        return "The amount of " + name + " in the " + where +
               " half-cell must be a positive number";
    if (s->medium == SpeciesMedium::Solvent)
        return name + " is the solvent (activity 1) and takes no amount";
    if (s->medium == SpeciesMedium::PureSubstance ||
        (s->medium == SpeciesMedium::Either && Contains(given.solidOrLiquid, text)))
        return name + " is a solid or liquid (activity 1) and takes no amount";
    if (s->setByPH() && given.pH)
        return name + " is set by the pH of the " + where + " half-cell";
    return {};
}

std::string MarkFault(const HalfCellSpecies& species, const std::vector<std::string>& marked,
                      HalfCell halfCell) {
    for (const std::string& text : marked) {
        if (!FindSpecies(species, text))
            return Quoted(text) + " is not a species of the " + HalfCellName(halfCell) +
                   " half reaction";
    }
    return {};
}

// ln a of every species of a half-cell, beside reading.species.species.
struct Activities {
    std::vector<double> lnActivity;
    std::string error;
};

double LnActivity(const ConditionSpecies& s, const HalfCellConditions& given,
                  const std::optional<double>& amount) {
    if (s.setByPH() && given.pH)
        return WaterIonLog10(s.waterIon, *given.pH) * kLn10;
    switch (s.medium) {
    case SpeciesMedium::Solvent:
    case SpeciesMedium::PureSubstance:
        return 0;
    case SpeciesMedium::Either:
        if (!TakenAsDissolved(s, given, amount.has_value()))
            return 0;
        break;
    case SpeciesMedium::Gas:
    case SpeciesMedium::Solute:
        break;
    }
    return amount ? std::log(*amount) : 0;
}

Activities ActivitiesOf(const HalfCellSpecies& species, const HalfCellConditions& given,
                        HalfCell halfCell) {
    Activities result;
    if (given.pH && !std::isfinite(*given.pH)) {
        result.error =
            "The pH of the " + std::string(HalfCellName(halfCell)) + " half-cell must be a number";
        return result;
    }
    std::map<std::string, double> amounts;
    for (const auto& [text, amount] : given.amounts) {
        result.error = AmountFault(FindSpecies(species, text), text, amount, given, halfCell);
        if (!result.error.empty())
            return result;
        amounts[text] = amount;
    }
    result.error = MarkFault(species, given.dissolved, halfCell);
    if (result.error.empty())
        result.error = MarkFault(species, given.solidOrLiquid, halfCell);
    if (!result.error.empty())
        return result;
    for (const ConditionSpecies& s : species.species) {
        const auto found = amounts.find(s.text);
        result.lnActivity.push_back(LnActivity(
            s, given, found == amounts.end() ? std::nullopt : std::optional(found->second)));
    }
    return result;
}

struct HalfCellResult {
    HalfCellOutcome outcome;
    double lnQ = 0;
    int electrons = 0;
    std::string error;
};

HalfCellResult EvaluateHalfCell(const CellReactionResult& reaction, HalfCell halfCell,
                                const HalfCellConditions& given, double rtOverF) {
    HalfCellResult result;
    const HalfCellReading reading = ReadHalfCell(reaction, halfCell);
    result.error = reading.species.error;
    if (!result.error.empty())
        return result;
    const Activities activities = ActivitiesOf(reading.species, given, halfCell);
    result.error = activities.error;
    if (!result.error.empty())
        return result;
    for (std::size_t i = 0; i < reading.powers.size(); ++i)
        result.lnQ += reading.powers[i] * activities.lnActivity[i];
    result.electrons = reading.electrons;
    result.outcome.standardPotential =
        NumericPrefixValue(halfCell == HalfCell::Oxidation ? reaction.oxidationPotentialText
                                                           : reaction.reductionPotentialText);
    result.outcome.potential =
        result.outcome.standardPotential - rtOverF / reading.electrons * result.lnQ;
    result.outcome.log10Q = result.lnQ / kLn10;
    return result;
}

// A double written with a fixed number of decimals; never "-0.000".
std::string Fixed(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    std::string text(buffer.data(), end);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string Line(const std::string& text) {
    return text + "\r\n";
}

std::string AmountLines(const HalfCellSpecies& species, const HalfCellConditions& given) {
    std::string text;
    for (const ConditionSpecies& s : species.species) {
        if (s.setByPH() && given.pH)
            continue;
        const auto found =
            std::find_if(given.amounts.rbegin(), given.amounts.rend(),
                         [&s](const auto& amount) { return amount.first == s.text; });
        const bool amountGiven = found != given.amounts.rend();
        const double amount = amountGiven ? found->second : 1;
        if (s.medium == SpeciesMedium::Gas)
            text += Line("p(" + s.text + ") = " + GeneralFormat(amount) + " bar");
        else if (s.medium == SpeciesMedium::Solute ||
                 (s.medium == SpeciesMedium::Either && TakenAsDissolved(s, given, amountGiven)))
            text += Line("c(" + s.text + ") = " + GeneralFormat(amount) + " mol/L");
    }
    if (given.pH)
        text += Line(conditions_caption::PH + GeneralFormat(*given.pH));
    return text;
}

std::string HalfCellLines(const CellReactionResult& reaction, const HalfCellConditions& given,
                          HalfCell halfCell, const std::string& potentialText) {
    using namespace conditions_caption;
    const bool oxidation = halfCell == HalfCell::Oxidation;
    return Line(oxidation ? OxidationHalfCell : ReductionHalfCell) +
           Line(oxidation ? reaction.oxidationText : reaction.reductionText) +
           AmountLines(SpeciesOfHalfCell(reaction, halfCell), given) +
           Line(caption::Potential + potentialText);
}

} // namespace

HalfCellSpecies SpeciesOfHalfCell(const CellReactionResult& reaction, HalfCell halfCell) {
    return ReadHalfCell(reaction, halfCell).species;
}

ConditionsOutcome EvaluateConditions(const CellReactionResult& reaction,
                                     const CellConditions& conditions) {
    ConditionsOutcome outcome;
    const double kelvin = conditions.temperatureCelsius + KelvinOffset;
    if (!std::isfinite(kelvin) || kelvin <= 0) {
        outcome.error = "The temperature must be a number above -273.15 \xc2\xb0"
                        "C";
        return outcome;
    }
    if (!(reaction.transferredElectrons >= 1)) {
        outcome.error = "The reaction has not been calculated";
        return outcome;
    }
    const double rtOverF = GasConstant * kelvin / FaradayConstant;
    const HalfCellResult oxidation =
        EvaluateHalfCell(reaction, HalfCell::Oxidation, conditions.oxidation, rtOverF);
    const HalfCellResult reduction =
        EvaluateHalfCell(reaction, HalfCell::Reduction, conditions.reduction, rtOverF);
    outcome.error = !oxidation.error.empty() ? oxidation.error : reduction.error;
    if (!outcome.ok())
        return outcome;
    const double n = reaction.transferredElectrons;
    outcome.oxidation = oxidation.outcome;
    outcome.reduction = reduction.outcome;
    outcome.temperatureKelvin = kelvin;
    outcome.transferredElectrons = n;
    outcome.standardCellPotential =
        oxidation.outcome.standardPotential + reduction.outcome.standardPotential;
    outcome.cellPotential = oxidation.outcome.potential + reduction.outcome.potential;
    outcome.log10Q =
        n * (oxidation.lnQ / oxidation.electrons + reduction.lnQ / reduction.electrons) / kLn10;
    outcome.freeEnergy = -n * FaradayConstant * outcome.cellPotential / 1000;
    outcome.log10K = n * outcome.standardCellPotential / (rtOverF * kLn10);
    outcome.occurs = outcome.cellPotential > 0;
    return outcome;
}

double WaterIonLog10(WaterIon ion, double pH) {
    return ion == WaterIon::Hydroxide ? std::log10(WaterIonProduct) + pH : -pH;
}

std::string PowerOfTenText(double log10Value) {
    const double value = std::pow(10.0, log10Value);
    if (std::isfinite(value) && value >= DBL_MIN)
        return FormatEquilibriumConstant(value);
    return "10^" + Fixed(log10Value, 2);
}

ConditionsTexts TextsOf(const ConditionsOutcome& outcome) {
    ConditionsTexts texts;
    texts.oxidationPotential = Fixed(outcome.oxidation.potential, 5) + " V";
    texts.reductionPotential = Fixed(outcome.reduction.potential, 5) + " V";
    texts.cellPotential = Fixed(outcome.cellPotential, 5) + " V";
    texts.quotient = PowerOfTenText(outcome.log10Q);
    texts.freeEnergy = Fixed(outcome.freeEnergy, 2) + " kJ/mol";
    texts.willOccur = outcome.occurs ? "Yes" : "No";
    texts.equilibriumConstant = PowerOfTenText(outcome.log10K);
    texts.logK = Fixed(outcome.log10K, 3);
    return texts;
}

std::string TemperatureText(double celsius) {
    return GeneralFormat(celsius) + " \xb0"
                                    "C";
}

std::string EquilibriumConstantCaption(double celsius) {
    return "K at " + TemperatureText(celsius) + " = ";
}

std::optional<double> ReadConditionNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const auto prefix = NumericPrefix(text);
    if (!prefix || prefix->length != text.size() || !std::isfinite(prefix->value))
        return std::nullopt;
    return prefix->value;
}

std::string ConditionsResultText(const CellReactionResult& reaction,
                                 const CellConditions& conditions,
                                 const ConditionsOutcome& outcome) {
    using namespace conditions_caption;
    std::string text = Line(Heading);
    if (!outcome.ok())
        return text + Line(Utf8ToChem(outcome.error));
    const ConditionsTexts shown = TextsOf(outcome);
    text += Line(Temperature + TemperatureText(conditions.temperatureCelsius));
    text += HalfCellLines(reaction, conditions.oxidation, HalfCell::Oxidation,
                          shown.oxidationPotential);
    text += HalfCellLines(reaction, conditions.reduction, HalfCell::Reduction,
                          shown.reductionPotential);
    text += Line(caption::CellPotential + shown.cellPotential) + Line(Quotient + shown.quotient);
    text += Line(caption::Delta + std::string(FreeEnergy) + shown.freeEnergy);
    text += Line(WillItOccur + shown.willOccur);
    text +=
        Line(EquilibriumConstantCaption(conditions.temperatureCelsius) + shown.equilibriumConstant);
    text += Line(caption::LogK + shown.logK) + Line(ChemStandardNote);
    return text;
}

} // namespace galvix
