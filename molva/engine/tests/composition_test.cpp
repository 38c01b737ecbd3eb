// Compositions by element, empirical formulas from mass percentages, the
// IUPAC 2021 table, and the hint for a star between two formulas.
#include "engine/composition.h"
#include "engine/engine.h"
#include "engine/session.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace molva {
namespace {

struct CompositionCase {
    std::string name;
    std::string formula;
    AtomicWeights weights;
    std::string table; // the tab-separated text
};

class CompositionTest : public ::testing::TestWithParam<CompositionCase> {};

TEST_P(CompositionTest, GivesEachElementAndTheTotals) {
    const CompositionCase& row = GetParam();
    const Composition composition = ComputeComposition(row.formula, row.weights);
    ASSERT_EQ(composition.message, "");
    EXPECT_EQ(TabSeparated(CompositionTable(composition)), row.table);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, CompositionTest,
    ::testing::Values(CompositionCase{"water", "H2O", AtomicWeights::Classic,
                                      "Symbol\tElement\tAtoms\tMass\tMass %\n"
                                      "H\tHydrogen\t2\t2.0159\t11.190\n"
                                      "O\tOxygen\t1\t15.9994\t88.810\n"
                                      "Total\t\t3\t18.0153\t100.000\n"},
                      CompositionCase{"hydrate",
                                      "CuSO4\xC2\xB7"
                                      "5H2O",
                                      AtomicWeights::Classic,
                                      "Symbol\tElement\tAtoms\tMass\tMass %\n"
                                      "Cu\tCopper\t1\t63.546\t25.450\n"
                                      "S\tSulfur\t1\t32.066\t12.843\n"
                                      "O\tOxygen\t9\t143.995\t57.670\n"
                                      "H\tHydrogen\t10\t10.079\t4.037\n"
                                      "Total\t\t21\t249.686\t100.000\n"},
                      CompositionCase{"hydrate_with_iupac_weights",
                                      "CuSO4\xE2\x80\xA2"
                                      "5H2O",
                                      AtomicWeights::Iupac2021,
                                      "Symbol\tElement\tAtoms\tMass\tMass %\n"
                                      "Cu\tCopper\t1\t63.546\t25.451\n"
                                      "S\tSulfur\t1\t32.060\t12.841\n"
                                      "O\tOxygen\t9\t143.991\t57.671\n"
                                      "H\tHydrogen\t10\t10.080\t4.037\n"
                                      "Total\t\t21\t249.677\t100.000\n"},
                      CompositionCase{"half_hydrate", "CaSO4\xC2\xB7\xC2\xBDH2O",
                                      AtomicWeights::Classic,
                                      "Symbol\tElement\tAtoms\tMass\tMass %\n"
                                      "Ca\tCalcium\t1\t40.078\t27.612\n"
                                      "S\tSulfur\t1\t32.066\t22.092\n"
                                      "O\tOxygen\t4.5\t71.997\t49.602\n"
                                      "H\tHydrogen\t1\t1.008\t0.694\n"
                                      "Total\t\t7.5\t145.149\t100.000\n"},
                      CompositionCase{"lower_case_repaired", "nacl", AtomicWeights::Classic,
                                      "Symbol\tElement\tAtoms\tMass\tMass %\n"
                                      "Na\tSodium\t1\t22.9898\t39.337\n"
                                      "Cl\tChlorine\t1\t35.4527\t60.663\n"
                                      "Total\t\t2\t58.4425\t100.000\n"},
                      CompositionCase{"nested_brackets", "K4[Fe(CN)6]", AtomicWeights::Classic,
                                      "Symbol\tElement\tAtoms\tMass\tMass %\n"
                                      "K\tPotassium\t4\t156.393\t42.459\n"
                                      "Fe\tIron\t1\t55.845\t15.161\n"
                                      "C\tCarbon\t6\t72.064\t19.564\n"
                                      "N\tNitrogen\t6\t84.040\t22.816\n"
                                      "Total\t\t17\t368.343\t100.000\n"},
                      CompositionCase{"element_in_two_places", "CH3COOH", AtomicWeights::Classic,
                                      "Symbol\tElement\tAtoms\tMass\tMass %\n"
                                      "C\tCarbon\t2\t24.0214\t40.001\n"
                                      "H\tHydrogen\t4\t4.0318\t6.714\n"
                                      "O\tOxygen\t2\t31.9988\t53.285\n"
                                      "Total\t\t8\t60.0520\t100.000\n"},
                      CompositionCase{"coefficient", "2H2O", AtomicWeights::Classic,
                                      "Symbol\tElement\tAtoms\tMass\tMass %\n"
                                      "H\tHydrogen\t4\t4.0318\t11.190\n"
                                      "O\tOxygen\t2\t31.9988\t88.810\n"
                                      "Total\t\t6\t36.0306\t100.000\n"}),
    molva::testing::RowName());

struct FailureCase {
    std::string name;
    std::string input;
    std::string message;
};

class CompositionFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CompositionFailureTest, SaysWhyThereIsNone) {
    const Composition composition = ComputeComposition(GetParam().input, AtomicWeights::Classic);
    EXPECT_EQ(composition.message, GetParam().message);
    EXPECT_TRUE(composition.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CompositionFailureTest,
    ::testing::Values(
        FailureCase{"empty", "  ",
                    "No formula: type one, such as CuSO4\xC2\xB7"
                    "5H2O"},
        FailureCase{"unknown_symbol", "Xy", "Xy isn't element symbol!"},
        FailureCase{"iupac_symbol_in_the_classic_table", "Og", "G isn't element symbol!"},
        FailureCase{"arithmetic", "2+3", "2+3 is not a chemical formula"},
        FailureCase{"function", "sin30", "sin30 is not a chemical formula"},
        FailureCase{"product_of_formulas", "CuSO4*5H2O", "CuSO4*5H2O is not a chemical formula"},
        FailureCase{"quadratic", "x^2+1", "x^2+1 is not a chemical formula"},
        FailureCase{"statistics", "sum(1+2)", "sum(1+2) is not a chemical formula"},
        FailureCase{"open_bracket", "Ca(OH", "Ca(OH is not a chemical formula"},
        FailureCase{"exponent_left_by_a_case_repair", "HaGe", "E isn't element symbol!"}),
    molva::testing::RowName());

TEST(CompositionTotalsTest, ThirtyElementFormulaAddsUpToItsWeight) {
    const std::string formula = "HLiBeBCNOFNaMgAlSiPSClKCaScTiVCrMnFeCoNiCuZnGaGeAs";
    const Composition composition = ComputeComposition(formula, AtomicWeights::Iupac2021);
    ASSERT_EQ(composition.rows.size(), 30u);
    double percent = 0;
    for (const CompositionRow& row : composition.rows)
        percent += row.percent;
    EXPECT_NEAR(percent, 100, 1e-9);
    CalcSession session;
    session.state().weights = AtomicWeights::Iupac2021;
    EXPECT_EQ(session.Enter(formula).resultLine,
              CompositionTable(composition).back()[3]); // the total mass
}

struct EmpiricalCase {
    std::string name;
    std::string pairs;
    std::string formula;
    std::string message;
};

class EmpiricalFormulaTest : public ::testing::TestWithParam<EmpiricalCase> {};

TEST_P(EmpiricalFormulaTest, GivesTheSimplestWholeNumberRatio) {
    const EmpiricalFormula found = FindEmpiricalFormula(GetParam().pairs, AtomicWeights::Classic);
    EXPECT_EQ(found.formula, GetParam().formula);
    EXPECT_EQ(found.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Percentages, EmpiricalFormulaTest,
    ::testing::Values(
        EmpiricalCase{"formaldehyde", "C=40.0 H=6.7 O=53.3", "CH2O", ""},
        EmpiricalCase{"commas_and_semicolons", "C 40,0; H 6,7; O 53,3", "CH2O", ""},
        EmpiricalCase{"colons_and_commas", "C: 40, H: 6.7, O: 53.3", "CH2O", ""},
        EmpiricalCase{"lower_case_symbols", "c=40 h=6.7 o=53.3", "CH2O", ""},
        EmpiricalCase{"hill_order_puts_carbon_first", "O=53.3 H=6.7 C=40.0", "CH2O", ""},
        EmpiricalCase{"one_to_one", "C=92.26 H=7.74", "CH", ""},
        EmpiricalCase{"one_to_three", "C=79.89 H=20.11", "CH3", ""},
        EmpiricalCase{"times_two", "Fe=69.94 O=30.06", "Fe2O3", ""},
        EmpiricalCase{"times_three", "Fe=72.36 O=27.64", "Fe3O4", ""},
        EmpiricalCase{"alphabetical_without_carbon", "Na=39.34 Cl=60.66", "ClNa", ""},
        EmpiricalCase{"empty", "", "",
                      "Write element and percent pairs, such as C=40.0 H=6.7 O=53.3"},
        EmpiricalCase{"percent_missing", "C=40 H", "",
                      "Write element and percent pairs, such as C=40.0 H=6.7 O=53.3"},
        EmpiricalCase{"unknown_symbol", "C=40 Xx=3", "", "Xx isn't element symbol!"},
        EmpiricalCase{"element_twice", "C=40 C=3", "", "C is given twice"},
        EmpiricalCase{"zero_percent", "C=0 H=5", "",
                      "The percentage of C must be above 0 and at most 100"},
        EmpiricalCase{"over_a_hundred", "C=80 H=40", "", "The percentages add up to more than 100"},
        EmpiricalCase{"over_a_hundred_for_one", "C=100.5", "",
                      "The percentage of C must be above 0 and at most 100"},
        EmpiricalCase{"huge_number", "C=" + std::string(400, '9'), "",
                      "Write element and percent pairs, such as C=40.0 H=6.7 O=53.3"},
        EmpiricalCase{"no_ratio_up_to_ten", "C=90 H=7.912", "",
                      "No whole-number ratio within 2 % up to 10 times the smallest"}),
    molva::testing::RowName());

TEST(AtomicWeightsTest, IupacTableCoversTheElementsToOganesson) {
    const auto classic = ElementTable(AtomicWeights::Classic);
    const auto iupac = ElementTable(AtomicWeights::Iupac2021);
    ASSERT_EQ(classic.size(), 109u);
    ASSERT_EQ(iupac.size(), 118u);
    for (std::size_t k = 0; k < classic.size(); ++k)
        EXPECT_EQ(iupac[k].symbol, classic[k].symbol);
    for (const Element& element : iupac) {
        EXPECT_FALSE(ElementName(element.symbol).empty()) << element.symbol;
        EXPECT_GT(element.weightInTenMillionths, 0) << element.symbol;
        EXPECT_EQ(element.kind == WeightKind::MassNumber, element.decimals == 0) << element.symbol;
    }
    EXPECT_EQ(iupac.back().symbol, "Og");
    EXPECT_EQ(iupac.back().weight, 294);
    EXPECT_EQ(ElementName("Og"), "Oganesson");
    EXPECT_EQ(ElementName("Xx"), "");
}

TEST(AtomicWeightsTest, TablesAreNamedOnTheCommandLineAndInTheSettings) {
    EXPECT_EQ(AtomicWeightsNamed("classic"), AtomicWeights::Classic);
    EXPECT_EQ(AtomicWeightsNamed("iupac2021"), AtomicWeights::Iupac2021);
    EXPECT_EQ(AtomicWeightsNamed("IUPAC2021"), std::nullopt);
    EXPECT_EQ(AtomicWeightsName(AtomicWeights::Iupac2021), "iupac2021");
}

struct HintCase {
    std::string name;
    std::string normalText;
    bool multiplies;
};

class FormulaProductTest : public ::testing::TestWithParam<HintCase> {};

TEST_P(FormulaProductTest, FindsAStarBetweenTwoFormulas) {
    EXPECT_EQ(MultipliesFormulas(GetParam().normalText), GetParam().multiplies);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormulaProductTest,
    ::testing::Values(HintCase{"count_between", "(CuSO4)*5*(H2O)", true},
                      HintCase{"decimal_count_between", "(H2O)*2.5*(NaCl)", true},
                      HintCase{"formulas_side_by_side", "(CuSO4)*(H2O)", true},
                      HintCase{"bracket_in_formula", "(Ca(OH)2)*(H2O)", true},
                      HintCase{"formula_times_number", "(NaCl)*2", false},
                      HintCase{"coefficient", "2*(H2O)", false},
                      HintCase{"hydrate", "(CuSO4)+5*(H2O)", false},
                      HintCase{"hydrate_times_number", "((CuSO4)+5*(H2O))*2", false},
                      HintCase{"arithmetic_brackets", "(1+2)*(3)", false},
                      HintCase{"exponent", "(H2O)*(1E5)", false}),
    molva::testing::RowName());

TEST(HydrateHintTest, HintShowsForTheLineAndGoesWithTheNext) {
    CalcSession session;
    const Entry product = session.Enter("CuSO4*5H2O");
    EXPECT_EQ(product.resultLine, "14377.05817344");
    EXPECT_EQ(session.Hint(), "* multiplies; for a hydrate write CuSO4\xC2\xB7"
                              "5H2O");
    session.Enter("CuSO4\xC2\xB7"
                  "5H2O");
    EXPECT_EQ(session.Hint(), "");
    session.Enter("CuSO4*5H2O");
    session.ClearDisplay();
    EXPECT_EQ(session.Hint(), "");
}

} // namespace
} // namespace molva
