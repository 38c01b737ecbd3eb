// The cell under real conditions: Nernst potentials, E(cell), Q, the free
// energy and K against values worked out by hand, the species each half-cell
// offers, the faults of given conditions, and the copied text.
#include "core/cell_conditions.h"
#include "core/chem_unicode.h"
#include "core/typing_aid.h"
#include "param_name.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace galvix {
namespace {

const std::string kDataDir = GALVIX_SHIPPED_DATA_DIR;

// A Chem text from the typing aid's notation: "Cu*2*+" is Cu²⁺, "H/2O" is H₂O.
std::string Chem(const std::string& typed) {
    return ApplyTypingAid(typed).text;
}

const HalfReactionTable& ShippedTable() {
    static const TableLoad load = LoadTable(kDataDir);
    return load.table;
}

// The shipped pair, calculated as the main screen's Calculate does.
CellReactionResult Shipped(const std::string& oxidation, const std::string& reduction) {
    CalculateOutcome outcome =
        CalculateWithTable(ShippedTable(), Chem(oxidation), Chem(reduction), -1, -1);
    EXPECT_TRUE(outcome.ok()) << outcome.error << " for " << oxidation << " / " << reduction;
    CompleteCellValues(outcome.result);
    return outcome.result;
}

using Amounts = std::vector<std::pair<std::string, double>>;

HalfCellConditions Given(const Amounts& typed, std::optional<double> pH = std::nullopt) {
    HalfCellConditions given;
    for (const auto& [species, amount] : typed)
        given.amounts.emplace_back(Chem(species), amount);
    given.pH = pH;
    return given;
}

constexpr double kNotChecked = std::numeric_limits<double>::quiet_NaN();

struct CellCase {
    const char* name;
    const char* oxidation;
    const char* reduction;
    HalfCellConditions oxidationConditions;
    HalfCellConditions reductionConditions;
    double celsius;
    double oxidationPotential; // kNotChecked where the row is about other values
    double reductionPotential;
    double cellPotential;
    double log10K;
};

class ConditionsValuesTest : public ::testing::TestWithParam<CellCase> {};

void ExpectNear5(double actual, double expected, const char* what) {
    if (!std::isnan(expected)) {
        EXPECT_NEAR(actual, expected, 0.5e-5) << what;
    }
}

TEST_P(ConditionsValuesTest, MatchesTheNernstEquation) {
    const CellCase& c = GetParam();
    const CellReactionResult reaction = Shipped(c.oxidation, c.reduction);
    const ConditionsOutcome outcome =
        EvaluateConditions(reaction, {c.oxidationConditions, c.reductionConditions, c.celsius});
    ASSERT_TRUE(outcome.ok()) << outcome.error;
    ExpectNear5(outcome.oxidation.potential, c.oxidationPotential, "E(oxidation)");
    ExpectNear5(outcome.reduction.potential, c.reductionPotential, "E(reduction)");
    ExpectNear5(outcome.cellPotential, c.cellPotential, "E(cell)");
    ExpectNear5(outcome.log10K, c.log10K, "log K");
    // The cell's own relations hold whatever the row checks.
    const double rtOverF = GasConstant * (c.celsius + KelvinOffset) / FaradayConstant;
    const double n = reaction.transferredElectrons;
    EXPECT_NEAR(outcome.cellPotential,
                outcome.standardCellPotential - rtOverF / n * outcome.log10Q * std::log(10.0),
                1e-12);
    EXPECT_NEAR(outcome.freeEnergy, -n * FaradayConstant * outcome.cellPotential / 1000, 1e-9);
    EXPECT_EQ(outcome.occurs, outcome.cellPotential > 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConditionsValuesTest,
    ::testing::Values(
        CellCase{"daniell_cell_dilute", "Zn -> Zn*2*+ + 2e", "Cu*2*+ + 2e -> Cu",
                 Given({{"Zn*2*+", 0.10}}), Given({{"Cu*2*+", 0.0010}}), 25, kNotChecked,
                 kNotChecked, 1.04264, 37.24855},
        CellCase{"daniell_cell_standard", "Zn -> Zn*2*+ + 2e", "Cu*2*+ + 2e -> Cu", Given({}),
                 Given({}), 25, 0.7618, 0.34, 1.1018, kNotChecked},
        CellCase{"daniell_cell_at_0_degrees", "Zn -> Zn*2*+ + 2e", "Cu*2*+ + 2e -> Cu",
                 Given({{"Zn*2*+", 0.10}}), Given({{"Cu*2*+", 0.0010}}), 0, kNotChecked,
                 kNotChecked, 1.04760, 40.65772},
        CellCase{"copper_concentration_cell", "Cu -> Cu*2*+ + 2e", "Cu*2*+ + 2e -> Cu",
                 Given({{"Cu*2*+", 0.0010}}), Given({{"Cu*2*+", 1.0}}), 25, kNotChecked,
                 kNotChecked, 0.08874, 0},
        CellCase{"permanganate_half_cell_at_pH_3", "Fe*2*+ -> Fe*3*+ + e",
                 "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O", Given({}), Given({}, 3.0), 25, -0.771,
                 1.22304, 0.45204, kNotChecked},
        CellCase{"hydrogen_oxygen_at_80_degrees", "H/2 -> 2 H*+ + 2e", "O/2 + 4 H*+ + 4e -> 2 H/2O",
                 Given({}), Given({}), 80, 0, 1.229, 1.229, 70.15588},
        CellCase{"hydrogen_oxygen_at_25_degrees", "H/2 -> 2 H*+ + 2e", "O/2 + 4 H*+ + 4e -> 2 H/2O",
                 Given({}), Given({}), 25, 0, 1.229, 1.229, 83.09760},
        CellCase{"oxygen_half_cell_at_pH_7", "Zn -> Zn*2*+ + 2e", "O/2 + 4 H*+ + 4e -> 2 H/2O",
                 Given({}), Given({}, 7.0), 25, 0.7618, 0.81488, 1.57668, kNotChecked},
        CellCase{"hydrogen_at_half_a_bar_and_pH_7", "H/2 -> 2 H*+ + 2e", "Cu*2*+ + 2e -> Cu",
                 Given({{"H/2", 0.5}}, 7.0), Given({}), 25, 0.40521, 0.34, 0.74521, kNotChecked},
        CellCase{"hydroxide_half_cell_at_pH_14_is_standard", "Zn -> Zn*2*+ + 2e",
                 "O/2 + 2 H/2O + 4e -> 4 OH*-", Given({}), Given({}, 14.0), 25, 0.7618, 0.401,
                 1.1628, kNotChecked},
        CellCase{"peroxide_dissolved_by_default", "H/2O/2 -> O/2 + 2 H*+ + 2e",
                 "H/2O/2 + 2 H*+ + 2e -> 2 H/2O", Given({{"H/2O/2", 0.1}}),
                 Given({{"H/2O/2", 0.1}}), 25, -0.72458, 1.74642, 1.02184, kNotChecked},
        CellCase{"reaction_that_does_not_occur", "Cu -> Cu*2*+ + 2e", "Zn*2*+ + 2e -> Zn",
                 Given({}), Given({{"Zn*2*+", 0.5}}), 25, -0.34, -0.77070, -1.11070, -37.24855}),
    testing::RowName());

TEST(ConditionsValuesTest, ShowsTheIssueValuesToFiveDecimals) {
    const CellReactionResult daniell = Shipped("Zn -> Zn*2*+ + 2e", "Cu*2*+ + 2e -> Cu");
    const ConditionsTexts texts = TextsOf(
        EvaluateConditions(daniell, {Given({{"Zn*2*+", 0.10}}), Given({{"Cu*2*+", 0.0010}}), 25}));
    EXPECT_EQ(texts.cellPotential, "1.04264 V");
    EXPECT_EQ(texts.quotient, "1.00e2");
    EXPECT_EQ(texts.freeEnergy, "-201.20 kJ/mol");
    EXPECT_EQ(texts.willOccur, "Yes");
    EXPECT_EQ(texts.equilibriumConstant, "1.77e37");
    EXPECT_EQ(texts.logK, "37.249");

    const CellReactionResult fuelCell = Shipped("H/2 -> 2 H*+ + 2e", "O/2 + 4 H*+ + 4e -> 2 H/2O");
    const ConditionsTexts hot = TextsOf(EvaluateConditions(fuelCell, {{}, {}, 80}));
    EXPECT_EQ(hot.cellPotential, "1.22900 V");
    EXPECT_EQ(hot.logK, "70.156");
}

struct PowerCase {
    const char* name;
    double log10Value;
    const char* text;
};

class PowerOfTenTest : public ::testing::TestWithParam<PowerCase> {};

TEST_P(PowerOfTenTest, WritesNumbersBeyondADoubleAsPowersOfTen) {
    EXPECT_EQ(PowerOfTenText(GetParam().log10Value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PowerOfTenTest,
    ::testing::Values(PowerCase{"one", 0, "1.00e0"}, PowerCase{"large", 15.176091, "1.50e15"},
                      PowerCase{"small", -4.638272, "2.30e-5"},
                      PowerCase{"largest_written_as_k", 308.2, "1.58e308"},
                      PowerCase{"beyond_a_double", 384.678, "10^384.68"},
                      PowerCase{"below_a_double", -400.004, "10^-400.00"},
                      PowerCase{"just_below_the_smallest_normal", -307.9, "10^-307.90"}),
    testing::RowName());

TEST(PowerOfTenTest, KOfAStrongCellIsAPowerOfTenNeverOverflow) {
    // Li oxidised by MnO₄⁻: 4.547 V with five electrons, log K about 384.
    const CellReactionResult strong =
        Shipped("Li -> Li*+ + e", "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O");
    EXPECT_EQ(strong.equilibriumConstantText, "Overflow");
    const ConditionsOutcome outcome = EvaluateConditions(strong, {});
    ASSERT_TRUE(outcome.ok()) << outcome.error;
    EXPECT_EQ(TextsOf(outcome).equilibriumConstant, "10^384.30");
}

struct SpeciesCase {
    const char* name;
    const char* species; // shown in "Ag -> species + e" as its second species
    SpeciesMedium medium;
    bool dissolvedByDefault;
    WaterIon waterIon;
};

class SpeciesOfHalfCellTest : public ::testing::TestWithParam<SpeciesCase> {};

TEST_P(SpeciesOfHalfCellTest, ClassifiesEachSpecies) {
    const SpeciesCase& c = GetParam();
    CellReactionResult reaction;
    reaction.oxidationText = Chem(std::string("Ag -> ") + c.species + " + e");
    const HalfCellSpecies species = SpeciesOfHalfCell(reaction, HalfCell::Oxidation);
    ASSERT_TRUE(species.ok()) << species.error;
    ASSERT_EQ(species.species.size(), 2u);
    const ConditionSpecies& s = species.species[1];
    EXPECT_EQ(s.text, Chem(c.species));
    EXPECT_EQ(s.medium, c.medium);
    EXPECT_EQ(s.dissolvedByDefault, c.dissolvedByDefault);
    EXPECT_EQ(s.waterIon, c.waterIon);
}

using M = SpeciesMedium;
constexpr WaterIon kNone = WaterIon::None;
INSTANTIATE_TEST_SUITE_P(
    Table, SpeciesOfHalfCellTest,
    ::testing::Values(SpeciesCase{"water_is_the_solvent", "H/2O", M::Solvent, false, kNone},
                      SpeciesCase{"cation", "Zn*2*+", M::Solute, false, kNone},
                      SpeciesCase{"anion", "MnO/4*-", M::Solute, false, kNone},
                      SpeciesCase{"hydrogen_ion", "H*+", M::Solute, false, WaterIon::Hydrogen},
                      SpeciesCase{"hydroxide", "OH*-", M::Solute, false, WaterIon::Hydroxide},
                      SpeciesCase{"hydrogen", "H/2", M::Gas, false, kNone},
                      SpeciesCase{"oxygen", "O/2", M::Gas, false, kNone},
                      SpeciesCase{"carbon_monoxide", "CO", M::Gas, false, kNone},
                      SpeciesCase{"carbon_dioxide", "CO/2", M::Gas, false, kNone},
                      SpeciesCase{"hydrogen_sulfide", "H/2S", M::Gas, false, kNone},
                      SpeciesCase{"methane", "CH/4", M::Gas, false, kNone},
                      SpeciesCase{"cobalt_is_no_gas", "Co", M::Either, false, kNone},
                      SpeciesCase{"metal_oxide_solid", "MnO/2", M::Either, false, kNone},
                      SpeciesCase{"hydroxide_solid", "Fe(OH)/3", M::Either, false, kNone},
                      SpeciesCase{"bromine_liquid", "Br/2", M::Either, false, kNone},
                      SpeciesCase{"amalgam_liquid", "Zn(Hg)", M::Either, false, kNone},
                      SpeciesCase{"silica_solid", "SiO/2", M::Either, false, kNone},
                      SpeciesCase{"peroxide_dissolved", "H/2O/2", M::Either, true, kNone},
                      SpeciesCase{"oxalic_acid_dissolved", "HOOCCOOH", M::Either, true, kNone},
                      SpeciesCase{"arsenic_acid_dissolved", "H/3AsO/4", M::Either, true, kNone},
                      SpeciesCase{"ozone_dissolved", "O/3", M::Either, true, kNone},
                      SpeciesCase{"iodine_written_aqueous", "I/2(aq)", M::Solute, false, kNone},
                      SpeciesCase{"written_gas", "Br/2(g)", M::Gas, false, kNone},
                      SpeciesCase{"written_solid", "NH/4Cl(s)", M::PureSubstance, false, kNone},
                      SpeciesCase{"written_liquid", "CH/3OH(l)", M::PureSubstance, false, kNone}),
    testing::RowName());

TEST(SpeciesOfHalfCellTest, ListsTheReductionHalfCellInItsShownOrderEachOnce) {
    const CellReactionResult reaction =
        Shipped("Fe*2*+ -> Fe*3*+ + e", "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O");
    const HalfCellSpecies species = SpeciesOfHalfCell(reaction, HalfCell::Reduction);
    ASSERT_TRUE(species.ok()) << species.error;
    std::vector<std::string> texts;
    for (const ConditionSpecies& s : species.species)
        texts.push_back(s.text);
    EXPECT_EQ(texts, (std::vector<std::string>{Chem("MnO/4*-"), Chem("H*+"), Chem("Mn*2*+"),
                                               Chem("H/2O")}));
}

TEST(SpeciesOfHalfCellTest, AnUnreadableHalfReactionIsAnErrorNotACrash) {
    CellReactionResult reaction = Shipped("Zn -> Zn*2*+ + 2e", "Cu*2*+ + 2e -> Cu");
    reaction.reductionText = "Qq + 2e -> Cu";
    EXPECT_EQ(SpeciesOfHalfCell(reaction, HalfCell::Reduction).error,
              "The reduction half reaction cannot be read: \"Qq\": \"Qq\" is no element symbol");
    EXPECT_EQ(EvaluateConditions(reaction, {}).error,
              "The reduction half reaction cannot be read: \"Qq\": \"Qq\" is no element symbol");
}

struct FaultCase {
    const char* name;
    HalfCellConditions oxidation;
    HalfCellConditions reduction;
    double celsius;
    const char* error;
};

HalfCellConditions Marked(std::vector<std::string> dissolved, std::vector<std::string> solid,
                          const Amounts& amounts = {}) {
    HalfCellConditions given = Given(amounts);
    for (auto& text : dissolved)
        given.dissolved.push_back(Chem(text));
    for (auto& text : solid)
        given.solidOrLiquid.push_back(Chem(text));
    return given;
}

class ConditionsFaultTest : public ::testing::TestWithParam<FaultCase> {};

// Fe²⁺ oxidised by MnO₄⁻: every kind of species takes part.
TEST_P(ConditionsFaultTest, NamesWhatWasWrong) {
    const FaultCase& c = GetParam();
    const CellReactionResult reaction =
        Shipped("Fe*2*+ -> Fe*3*+ + e", "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O");
    const ConditionsOutcome outcome =
        EvaluateConditions(reaction, {c.oxidation, c.reduction, c.celsius});
    EXPECT_EQ(outcome.error, c.error);
    EXPECT_FALSE(outcome.ok());
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Table, ConditionsFaultTest,
    ::testing::Values(
        FaultCase{"species_of_another_half_cell",
                  Given({{"Cl/2", 1}}),
                  {},
                  25,
                  "\"Cl₂\" is not a species of the oxidation half reaction"},
        FaultCase{"species_of_the_other_half_cell",
                  Given({{"MnO/4*-", 1}}),
                  {},
                  25,
                  "\"MnO₄⁻\" is not a species of the oxidation half reaction"},
        FaultCase{"zero_amount",
                  {},
                  Given({{"Mn*2*+", 0}}),
                  25,
                  "The amount of \"Mn²⁺\" in the reduction half-cell must be a positive number"},
        FaultCase{"negative_amount",
                  Given({{"Fe*3*+", -0.1}}),
                  {},
                  25,
                  "The amount of \"Fe³⁺\" in the oxidation half-cell must be a positive number"},
        FaultCase{"infinite_amount",
                  Given({{"Fe*3*+", kInfinity}}),
                  {},
                  25,
                  "The amount of \"Fe³⁺\" in the oxidation half-cell must be a positive number"},
        FaultCase{"amount_not_a_number",
                  {},
                  Given({{"MnO/4*-", kNaN}}),
                  25,
                  "The amount of \"MnO₄⁻\" in the reduction half-cell must be a positive number"},
        FaultCase{"amount_for_the_solvent",
                  {},
                  Given({{"H/2O", 0.5}}),
                  25,
                  "\"H₂O\" is the solvent (activity 1) and takes no amount"},
        FaultCase{"hydrogen_ion_and_pH",
                  {},
                  Given({{"H*+", 0.1}}, 2.0),
                  25,
                  "\"H⁺\" is set by the pH of the reduction half-cell"},
        FaultCase{"pH_not_a_number",
                  {},
                  Given({}, kNaN),
                  25,
                  "The pH of the reduction half-cell must be a number"},
        FaultCase{"unknown_species_marked_dissolved",
                  Marked({"Zn"}, {}),
                  {},
                  25,
                  "\"Zn\" is not a species of the oxidation half reaction"},
        FaultCase{"unknown_species_marked_solid",
                  {},
                  Marked({}, {"Zn"}),
                  25,
                  "\"Zn\" is not a species of the reduction half reaction"},
        FaultCase{"below_absolute_zero",
                  {},
                  {},
                  -273.15,
                  "The temperature must be a number above -273.15 °C"},
        FaultCase{"temperature_not_a_number",
                  {},
                  {},
                  kNaN,
                  "The temperature must be a number above -273.15 °C"}),
    testing::RowName());

TEST(ConditionsFaultTest, SolidsTakeNoAmountButDissolvedOnesDo) {
    const CellReactionResult reaction = Shipped("Zn -> Zn*2*+ + 2e", "Cu*2*+ + 2e -> Cu");
    const CellConditions solidZinc{Marked({}, {"Zn"}, {{"Zn", 0.5}}), {}, 25};
    EXPECT_EQ(EvaluateConditions(reaction, solidZinc).error,
              "\"Zn\" is a solid or liquid (activity 1) and takes no amount");
    // An amount marks a species that may be dissolved as dissolved; so does
    // the mark alone, at 1 mol/L.
    const CellConditions dissolvedZinc{Given({{"Zn", 0.01}}), {}, 25};
    const ConditionsOutcome outcome = EvaluateConditions(reaction, dissolvedZinc);
    ASSERT_TRUE(outcome.ok()) << outcome.error;
    EXPECT_NEAR(outcome.oxidation.potential, 0.7618 - 0.0591593, 1e-6);
    EXPECT_EQ(EvaluateConditions(reaction, {Marked({"Zn"}, {}), {}, 25}).oxidation.potential,
              EvaluateConditions(reaction, {}).oxidation.potential);
}

TEST(ConditionsFaultTest, ASolidMarkOverridesTheDissolvedDefault) {
    const CellReactionResult reaction = Shipped("H/2O/2 -> O/2 + 2 H*+ + 2e", "Cu*2*+ + 2e -> Cu");
    const double asSolid =
        EvaluateConditions(reaction, {Marked({}, {"H/2O/2"}), {}, 25}).oxidation.potential;
    EXPECT_DOUBLE_EQ(asSolid, -0.695);
    const double dissolved =
        EvaluateConditions(reaction, {Given({{"H/2O/2", 0.01}}), {}, 25}).oxidation.potential;
    EXPECT_NEAR(dissolved, -0.695 - 0.0591593, 1e-6);
}

TEST(ConditionsResultTextTest, ListsTheConditionsAndTheResults) {
    const CellReactionResult reaction = Shipped("Zn -> Zn*2*+ + 2e", "Cu*2*+ + 2e -> Cu");
    const CellConditions conditions{Given({{"Zn*2*+", 0.1}}), Given({{"Cu*2*+", 0.001}}), 25};
    const std::string text =
        ConditionsResultText(reaction, conditions, EvaluateConditions(reaction, conditions));
    EXPECT_EQ(ChemToUtf8(text), "Conditions:\r\n"
                                "Temperature: 25 °C\r\n"
                                "Oxidation half-cell:\r\n"
                                "Zn -> Zn²⁺ + 2e\r\n"
                                "c(Zn²⁺) = 0.1 mol/L\r\n"
                                "E = 0.79138 V\r\n"
                                "Reduction half-cell:\r\n"
                                "Cu²⁺ + 2e -> Cu\r\n"
                                "c(Cu²⁺) = 0.001 mol/L\r\n"
                                "E = 0.25126 V\r\n"
                                "E(cell) = 1.04264 V\r\n"
                                "Q = 1.00e2\r\n"
                                "ΔG = -201.20 kJ/mol\r\n"
                                "Will it occur under these conditions: Yes\r\n"
                                "K at 25 °C = 1.77e37\r\n"
                                "log K = 37.249\r\n"
                                "Note: E° is taken as independent of temperature.\r\n");
}

TEST(ConditionsResultTextTest, ShowsGasesPHAndDissolvedChoices) {
    const CellReactionResult reaction =
        Shipped("H/2O/2 -> O/2 + 2 H*+ + 2e", "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O");
    const CellConditions conditions{Given({{"O/2", 0.2}}, 2), Given({{"Mn*2*+", 0.01}}), 37};
    const std::string text = ChemToUtf8(
        ConditionsResultText(reaction, conditions, EvaluateConditions(reaction, conditions)));
    EXPECT_NE(text.find("Temperature: 37 °C\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("c(H₂O₂) = 1 mol/L\r\np(O₂) = 0.2 bar\r\npH = 2\r\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("c(MnO₄⁻) = 1 mol/L\r\nc(H⁺) = 1 mol/L\r\nc(Mn²⁺) = 0.01 mol/L\r\nE = "),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("K at 37 °C = "), std::string::npos) << text;
}

TEST(ConditionsResultTextTest, AFaultReplacesTheResults) {
    const CellReactionResult reaction = Shipped("Zn -> Zn*2*+ + 2e", "Cu*2*+ + 2e -> Cu");
    const CellConditions conditions{Given({{"Cu*2*+", 1}}), {}, 25};
    EXPECT_EQ(ChemToUtf8(ConditionsResultText(reaction, conditions,
                                              EvaluateConditions(reaction, conditions))),
              "Conditions:\r\n\"Cu²⁺\" is not a species of the oxidation half reaction\r\n");
}

TEST(WaterIonTest, APHSetsBothIonsOfWater) {
    EXPECT_DOUBLE_EQ(WaterIonLog10(WaterIon::Hydrogen, 3), -3);
    EXPECT_DOUBLE_EQ(WaterIonLog10(WaterIon::Hydroxide, 3), -11);
    EXPECT_DOUBLE_EQ(WaterIonLog10(WaterIon::Hydroxide, 14), 0);
}

struct NumberCase {
    const char* name;
    const char* text;
    std::optional<double> value;
};

class ReadConditionNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadConditionNumberTest, TakesOneWholeNumber) {
    EXPECT_EQ(ReadConditionNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, ReadConditionNumberTest,
                         ::testing::Values(NumberCase{"decimal", "0.0010", 0.001},
                                           NumberCase{"exponent", "1e-3", 0.001},
                                           NumberCase{"blanks_around", "  25 ", 25.0},
                                           NumberCase{"negative", "-2.5", -2.5},
                                           NumberCase{"empty", "", std::nullopt},
                                           NumberCase{"blank", "   ", std::nullopt},
                                           NumberCase{"decimal_comma", "1,5", std::nullopt},
                                           NumberCase{"trailing_unit", "0.1 M", std::nullopt},
                                           NumberCase{"word", "abc", std::nullopt},
                                           NumberCase{"beyond_a_double", "1e999", std::nullopt}),
                         testing::RowName());

} // namespace
} // namespace galvix
