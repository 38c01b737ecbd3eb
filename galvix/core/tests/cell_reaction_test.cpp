#include "core/cell_reaction.h"
#include "core/number_text.h"
#include "param_name.h"
#include "temp_data_dir.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

struct PairCase {
    const char* name;
    const char* oxidation; // oxidation text and potential of the entry oxidised
    double oxidationPotential;
    const char* reduced; // oxidation text and potential of the entry reduced
    double reducedPotential;
    double transferred;
    const char* left;
    const char* right;
    const char* willOccur;
};

class CalculateTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(CalculateTest, BalancesElectronsAndWritesBothSides) {
    const PairCase& c = GetParam();
    HalfReactionTable table;
    table.entries.push_back(*DeriveEntry(c.oxidation, c.oxidationPotential));
    table.entries.push_back(*DeriveEntry(c.reduced, c.reducedPotential));
    const auto outcome =
        CalculateWithTable(table, table[1].oxidationText, table[2].reductionText, 0, 1);
    ASSERT_TRUE(outcome.ok()) << outcome.error;
    const auto& r = outcome.result;
    EXPECT_EQ(r.oxidationEntry, 1);
    EXPECT_EQ(r.reductionEntry, 2);
    EXPECT_EQ(r.transferredElectrons, c.transferred);
    EXPECT_EQ(r.leftSideText, c.left);
    EXPECT_EQ(r.rightSideText, c.right);
    EXPECT_EQ(r.willOccur, c.willOccur);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalculateTest,
    ::testing::Values(PairCase{"one_and_two", "Ag -> Ag+ + e", 0.80, "Cu -> Cu2+ + 2e", -0.34, 2,
                               "2(Ag) + Cu2+ + 2e", "2(Ag+ + e) + Cu", "Yes"},
                      PairCase{"equal_counts", "Zn -> Zn2+ + 2e", 0.76, "Cu -> Cu2+ + 2e", -0.34, 2,
                               "Zn + Cu2+ + 2e", "Zn2+ + 2e + Cu", "Yes"},
                      PairCase{"equal_counts_above_one", "A -> A3+ + 3e", 1, "B -> B3+ + 3e", 0, 3,
                               "A + B3+ + 3e", "A3+ + 3e + B", "Yes"},
                      PairCase{"first_multiplier_one", "Zn -> Zn2+ + 2e", 0.76, "Ag -> Ag+ + e",
                               -0.80, 2, "Zn + 2(Ag+ + e)", "Zn2+ + 2e + 2(Ag)", "Yes"},
                      PairCase{"two_and_three", "A -> A2+ + 2e", 0.5, "B -> B3+ + 3e", 0.1, 6,
                               "3(A) + 2(B3+ + 3e)", "3(A2+ + 2e) + 2(B)", "Yes"},
                      PairCase{"ten_and_four", "A -> B + 10e", 0.2, "C -> D + 4e", 0.3, 20,
                               "2(A) + 5(D + 4e)", "2(B + 10e) + 5(C)", "No"},
                      PairCase{"cell_exactly_zero", "A -> B + e", 0.25, "C -> D + e", 0.25, 1,
                               "A + D + e", "B + e + C", "No"},
                      PairCase{"cell_negative", "A -> B + e", -0.5, "C -> D + e", 0.25, 1,
                               "A + D + e", "B + e + C", "No"}),
    testing::RowName());

TEST(CalculateTest, FillsTheHalfReactionTextsAndOverallLogK) {
    HalfReactionTable table;
    table.entries.push_back(*DeriveEntry("Ag -> Ag+ + e", -0.80));
    table.entries.push_back(*DeriveEntry("Zn -> Zn2+ + 2e", 0.76));
    const auto r = CalculateWithTable(table, "Zn -> Zn2+ + 2e", "Ag+ + e -> Ag", 0, 0).result;
    EXPECT_EQ(r.oxidationText, "Zn -> Zn2+ + 2e");
    EXPECT_EQ(r.oxidationPotentialText, "0.76 V");
    EXPECT_EQ(r.oxidationLogKText, "25.7184");
    EXPECT_EQ(r.reductionText, "Ag+ + e -> Ag");
    EXPECT_EQ(r.reductionPotentialText, "0.8 V");
    EXPECT_EQ(r.reductionLogKText, "13.536");
    EXPECT_EQ(r.overallLogKText, "52.7904");
}

TEST(CalculateTest, ReloadsTheTableAndFallsBackToTheListPosition) {
    testing::TempDataDir dir;
    dir.write("Data.dat", testing::NumberedBuiltIns());
    dir.write("Custom.dat", "1\r\n\"X -> X2+ + 2e\",1.5\r\n");
    const auto found = Calculate(dir.directory(), "X -> X2+ + 2e", "M3+ + e -> M3", 0, 0);
    ASSERT_TRUE(found.ok()) << found.error;
    EXPECT_EQ(found.result.oxidationEntry, 532);
    EXPECT_EQ(found.result.reductionEntry, 3);

    const auto fallback = Calculate(dir.directory(), "gone", "gone too", 4, 531);
    ASSERT_TRUE(fallback.ok());
    EXPECT_EQ(fallback.result.oxidationEntry, 5);
    EXPECT_EQ(fallback.result.reductionEntry, 532);

    const auto missing = Calculate(dir.directory(), "gone", "gone too", 0, 532);
    EXPECT_EQ(missing.fault, CalculateFault::EntryMissing);
}

TEST(CalculateTest, ReportsADamagedTable) {
    testing::TempDataDir dir;
    dir.write("Data.dat", testing::NumberedBuiltIns());
    dir.write("Custom.dat", "400\r\n");
    const auto outcome = Calculate(dir.directory(), "M1 -> M1+ + e", "M1+ + e -> M1", 0, 0);
    EXPECT_EQ(outcome.fault, CalculateFault::TableLoad);
    EXPECT_EQ(outcome.error,
              "Custom.dat, record 1: the count must be a whole number from 0 to 300");
}

struct DeriveCase {
    const char* name;
    const char* oxidationPotential;
    const char* reductionPotential;
    const char* logK;
    double transferred;
    const char* cell;
    const char* freeEnergy;
    const char* k;
};

class DeriveCellValuesTest : public ::testing::TestWithParam<DeriveCase> {};

TEST_P(DeriveCellValuesTest, WorksFromTheDisplayedTexts) {
    const DeriveCase& c = GetParam();
    const auto values =
        DeriveCellValues(c.oxidationPotential, c.reductionPotential, c.logK, c.transferred);
    EXPECT_EQ(values.cellPotentialText, c.cell);
    EXPECT_EQ(values.freeEnergyText, c.freeEnergy);
    EXPECT_EQ(values.equilibriumConstantText, c.k);
    EXPECT_EQ(values.cellPotential, NumericPrefixValue(c.cell));
    EXPECT_EQ(values.freeEnergy, NumericPrefixValue(c.freeEnergy));
    EXPECT_EQ(values.equilibriumConstant.has_value(), std::string(c.k) != "Overflow");
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeriveCellValuesTest,
    ::testing::Values(DeriveCase{"silver_copper", "0.8 V", "0.34 V", "38.5776", 2, "1.14 V",
                                 "-219.9858 kJ/mol", "3.78e38"},
                      DeriveCase{"overflow_keeps_cell_and_energy", "2 V", "0 V", "400", 2, "2 V",
                                 "-385.94 kJ/mol", "Overflow"},
                      DeriveCase{"k_of_four", "0.01 V", "0 V", "0.602059991327962", 1, "0.01 V",
                                 "-0.96485 kJ/mol", "4.00e0"},
                      DeriveCase{"k_underflows_to_zero", "-3 V", "0 V", "-400", 2, "-3 V",
                                 "578.91 kJ/mol", "0.00e0"}),
    testing::RowName());

TEST(FormatEquilibriumConstantTest, WritesTwoDecimalsAndABareExponent) {
    EXPECT_EQ(FormatEquilibriumConstant(1.5e15), "1.50e15");
    EXPECT_EQ(FormatEquilibriumConstant(2.3e-5), "2.30e-5");
    EXPECT_EQ(FormatEquilibriumConstant(4), "4.00e0");
    EXPECT_EQ(FormatEquilibriumConstant(9.996), "1.00e1");
    EXPECT_EQ(FormatEquilibriumConstant(1e-300), "1.00e-300");
}

} // namespace
} // namespace galvix
