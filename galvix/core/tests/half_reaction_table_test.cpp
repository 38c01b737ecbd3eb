#include "core/half_reaction_table.h"
#include "core/number_text.h"
#include "param_name.h"
#include "temp_data_dir.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

using testing::NumberedBuiltIns;
using testing::TempDataDir;

struct ElectronCase {
    const char* name;
    const char* text;
    int expected;
};

class ElectronCountTest : public ::testing::TestWithParam<ElectronCase> {};

TEST_P(ElectronCountTest, ReadsTheCharacterBeforeTheE) {
    EXPECT_EQ(ElectronCount(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ElectronCountTest,
                         ::testing::Values(ElectronCase{"space", "Ag -> Ag+ + e", 1},
                                           ElectronCase{"two", "Cu -> Cu2+ + 2e", 2},
                                           ElectronCase{"nine", "X -> Y + 9e", 9},
                                           ElectronCase{"ten", "X -> Y + 10e", 10},
                                           ElectronCase{"letter", "X -> Y + Ze", 1},
                                           ElectronCase{"too_short", "e", 1}),
                         testing::RowName());

TEST(DeriveEntryTest, DerivesEveryColumn) {
    const auto entry = DeriveEntry("Cu -> Cu2+ + 2e", -0.34);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->oxidationLeft, "Cu");
    EXPECT_EQ(entry->oxidationRight, "Cu2+ + 2e");
    EXPECT_EQ(entry->electronCount, 2);
    EXPECT_EQ(entry->reductionText, "Cu2+ + 2e -> Cu");
    EXPECT_EQ(entry->reductionLeft, "Cu2+ + 2e");
    EXPECT_EQ(entry->reductionRight, "Cu");
    EXPECT_EQ(entry->reductionPotential, 0.34);
    EXPECT_EQ(entry->reductionLogK, -entry->oxidationLogK);
}

TEST(DeriveEntryTest, LogKIsFactorTimesPotentialTimesCount) {
    const auto entry = DeriveEntry("A -> B + 2e", 0.34);
    ASSERT_TRUE(entry);
    EXPECT_EQ(GeneralFormat(entry->oxidationLogK), "11.5056");
    EXPECT_EQ(GeneralFormat(entry->reductionLogK), "-11.5056");
    EXPECT_EQ(GeneralFormat(entry->reductionPotential), "-0.34");
}

TEST(SplitAtArrowTest, SplitsAtTheFirstArrowOnly) {
    const auto split = SplitAtArrow("A -> B -> C + e");
    ASSERT_TRUE(split);
    EXPECT_EQ(split->left, "A");
    EXPECT_EQ(split->right, "B -> C + e");
    EXPECT_FALSE(SplitAtArrow("A->B + e"));
    EXPECT_FALSE(DeriveEntry("no arrow + e", 1.0));
}

class LoadTableTest : public ::testing::Test {
  protected:
    TempDataDir dir;

    TableLoad load(const std::string& custom) {
        dir.write("Custom.dat", custom);
        return LoadTable(dir.directory());
    }
};

TEST_F(LoadTableTest, CountZeroGivesTheBuiltInsOnly) {
    dir.write("Data.dat", NumberedBuiltIns());
    const auto result = load("0\r\n");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.table.count(), BuiltInCount);
    EXPECT_EQ(result.table[1].oxidationText, "M1 -> M1+ + e");
    EXPECT_EQ(result.table[531].oxidationPotential, 0.531);
}

TEST_F(LoadTableTest, CustomEntriesFollowTheBuiltInsTextFirst) {
    dir.write("Data.dat", NumberedBuiltIns() + "9,\"ignored -> after record 531 + e\"\r\n");
    const auto result = load("2\r\n\"X -> X2+ + 2e\",.8\r\n\"Y, Z -> W + 10e\",-1.5\n");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.table.count(), 533);
    EXPECT_EQ(result.table[532].oxidationText, "X -> X2+ + 2e");
    EXPECT_EQ(result.table[532].oxidationPotential, 0.8);
    EXPECT_EQ(result.table[533].oxidationText, "Y, Z -> W + 10e");
    EXPECT_EQ(result.table[533].electronCount, 10);
}

TEST_F(LoadTableTest, HoldsThreeHundredCustomEntries) {
    dir.write("Data.dat", NumberedBuiltIns());
    std::string custom = "300\r\n";
    for (int i = 0; i < CustomCapacity; ++i)
        custom += "\"C" + std::to_string(i) + " -> D + e\",0.1\r\n";
    const auto result = load(custom);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.table.count(), TableCapacity - 1);
}

struct DamagedCase {
    const char* name;
    std::string data;
    std::string custom;
    const char* error;
};

class DamagedFileTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFileTest, ReportsFileRecordAndFault) {
    TempDataDir dir;
    if (!GetParam().data.empty())
        dir.write("Data.dat", GetParam().data);
    dir.write("Custom.dat", GetParam().custom);
    const auto result = LoadTable(dir.directory());
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, GetParam().error);
}

const std::string kBuiltIns = NumberedBuiltIns();

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedFileTest,
    ::testing::Values(
        DamagedCase{"data_short", NumberedBuiltIns(530), "0",
                    "Data.dat, record 531: the file ends before this field"},
        DamagedCase{"data_potential_not_number", "x" + kBuiltIns, "0",
                    "Data.dat, record 1: \"x1e-3\" is not a number"},
        DamagedCase{"data_potential_infinite", "1e999,\"A -> B + e\"\r\n" + kBuiltIns, "0",
                    "Data.dat, record 1: \"1e999\" is not a number"},
        DamagedCase{"custom_potential_infinite", kBuiltIns, "1\r\n\"A -> B + e\",-1e400\r\n",
                    "Custom.dat, record 2: \"-1e400\" is not a number"},
        DamagedCase{"data_no_arrow", "1,\"A to B + e\"\r\n" + kBuiltIns, "0",
                    "Data.dat, record 1: the half reaction has no \" -> \""},
        DamagedCase{"data_unterminated_quote", "1,\"A -> B + e\r\n", "0",
                    "Data.dat, record 1: a quoted text has no closing quote"},
        DamagedCase{"custom_empty", kBuiltIns, "",
                    "Custom.dat, record 1: the file ends before this field"},
        DamagedCase{"custom_count_negative", kBuiltIns, "-1",
                    "Custom.dat, record 1: the count must be a whole number from 0 to 300"},
        DamagedCase{"custom_count_too_big", kBuiltIns, "301",
                    "Custom.dat, record 1: the count must be a whole number from 0 to 300"},
        DamagedCase{"custom_count_fraction", kBuiltIns, "1.5",
                    "Custom.dat, record 1: the count must be a whole number from 0 to 300"},
        DamagedCase{"custom_fewer_records", kBuiltIns, "2\r\n\"A -> B + e\",1\r\n",
                    "Custom.dat, record 3: the file ends before this field"},
        DamagedCase{"custom_potential_not_number", kBuiltIns, "1\r\n\"A -> B + e\",high\r\n",
                    "Custom.dat, record 2: \"high\" is not a number"},
        DamagedCase{"custom_no_arrow", kBuiltIns, "1\r\n\"A B + e\",1\r\n",
                    "Custom.dat, record 2: the half reaction has no \" -> \""}),
    testing::RowName());

TEST(MissingFileTest, NamesTheFileAndTheFolderSearched) {
    TempDataDir dir;
    const auto noData = LoadTable(dir.directory());
    ASSERT_TRUE(noData.dataError);
    EXPECT_EQ(noData.dataError->fault, DataFault::Missing);
    EXPECT_EQ(noData.error, "Data.dat was not found in the folder " + dir.directory());
    dir.write("Data.dat", kBuiltIns);
    EXPECT_EQ(LoadTable(dir.directory()).error,
              "Custom.dat was not found in the folder " + dir.directory());
}

// A table of five entries where entries 2, 3 and 4 share one potential.
HalfReactionTable EqualPotentialTable() {
    HalfReactionTable table;
    const std::pair<const char*, double> rows[] = {{"E1 -> F1 + e", 0.5},
                                                   {"A -> B + e", 0.1},
                                                   {"C -> D + e", 0.1},
                                                   {"G -> H + e", 0.1},
                                                   {"E5 -> F5 + e", -0.5}};
    for (const auto& [text, potential] : rows)
        table.entries.push_back(*DeriveEntry(text, potential));
    return table;
}

TEST(ArrangementTest, AlphabeticalIsTableOrder) {
    const auto items = MakeListItems(EqualPotentialTable(), Arrangement::Alphabetical);
    EXPECT_EQ(items.oxidation, (std::vector<std::string>{"E1 -> F1 + e", "A -> B + e", "C -> D + e",
                                                         "G -> H + e", "E5 -> F5 + e"}));
    EXPECT_EQ(items.reduction[1], "B + e -> A");
}

TEST(ArrangementTest, EqualPotentialsEndReversedInBothDirections) {
    const auto table = EqualPotentialTable();
    const auto ascending = SortForArrangement(table, Arrangement::Ascending);
    const auto descending = SortForArrangement(table, Arrangement::Descending);
    ASSERT_TRUE(ascending && descending);
    EXPECT_EQ(ascending->oxidation,
              (std::vector<std::string>{"E5 -> F5 + e", "G -> H + e", "C -> D + e", "A -> B + e",
                                        "E1 -> F1 + e"}));
    EXPECT_EQ(descending->oxidation,
              (std::vector<std::string>{"E1 -> F1 + e", "G -> H + e", "C -> D + e", "A -> B + e",
                                        "E5 -> F5 + e"}));
    EXPECT_EQ(ascending->reduction,
              (std::vector<std::string>{"F1 + e -> E1", "B + e -> A", "D + e -> C", "H + e -> G",
                                        "F5 + e -> E5"}));
    EXPECT_EQ(descending->reduction[1], "B + e -> A");
    EXPECT_EQ(descending->reduction[3], "H + e -> G");
}

TEST(ArrangementTest, ProgressSeesEveryPassAndCanStop) {
    const auto table = EqualPotentialTable();
    std::vector<std::pair<int, int>> calls;
    const auto all = SortForArrangement(table, Arrangement::Ascending, [&](int i, int total) {
        calls.emplace_back(i, total);
        return true;
    });
    EXPECT_TRUE(all);
    EXPECT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls.back(), std::make_pair(5, 5));

    int passes = 0;
    const auto stopped =
        SortForArrangement(table, Arrangement::Descending, [&](int, int) { return ++passes < 2; });
    EXPECT_FALSE(stopped);
    EXPECT_EQ(passes, 2);
}

TEST(ArrangementTest, PercentTruncates) {
    EXPECT_EQ(SortPercent(1, 531), 0);
    EXPECT_EQ(SortPercent(6, 531), 1);
    EXPECT_EQ(SortPercent(531, 531), 100);
    EXPECT_EQ(SortPercent(1, 2), 50);
}

TEST(FindEntryTest, DuplicatedTextMapsToTheLowerEntry) {
    auto table = EqualPotentialTable();
    table.entries.push_back(*DeriveEntry("C -> D + e", 2.0));
    EXPECT_EQ(FindOxidationEntry(table, "C -> D + e"), 3);
    EXPECT_EQ(FindReductionEntry(table, "D + e -> C"), 3);
    EXPECT_EQ(FindOxidationEntry(table, "D + e -> C"), std::nullopt);
    EXPECT_EQ(FindOxidationEntry(table, "c -> d + e"), std::nullopt);
}

} // namespace
} // namespace galvix
