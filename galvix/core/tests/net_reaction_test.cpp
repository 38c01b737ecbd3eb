// The net equation of a cell reaction: known reactions of the shipped table,
// cancelling, neutralising and reducing cases, texts that give no equation,
// and atom and charge balance over random pairs of the built-in table.
#include "core/cell_reaction.h"
#include "core/chem_formula.h"
#include "core/half_reaction_audit.h"
#include "core/net_reaction.h"
#include "core/typing_aid.h"
#include "param_name.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace galvix {
namespace {

const std::string kDataDir = GALVIX_SHIPPED_DATA_DIR;

// Rows are written with the typing aid's codes: "/2" subscript 2, "*2*+" 2+.
std::string Chem(const char* typed) {
    return ApplyTypingAid(typed).text;
}

struct ShippedCase {
    const char* name;
    const char* oxidation; // as the oxidation list shows it
    const char* reduction; // as the reduction list shows it
    const char* equation;
};

class ShippedNetReactionTest : public ::testing::TestWithParam<ShippedCase> {};

TEST_P(ShippedNetReactionTest, WritesTheTextbookEquation) {
    const ShippedCase& c = GetParam();
    const auto outcome = Calculate(kDataDir, Chem(c.oxidation), Chem(c.reduction), -1, -1);
    ASSERT_TRUE(outcome.ok()) << outcome.error;
    const NetReaction& net = outcome.result.netReaction;
    ASSERT_TRUE(net.ok()) << net.error;
    EXPECT_EQ(net.equation, Chem(c.equation));
    EXPECT_FALSE(net.mediaDiffer);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShippedNetReactionTest,
    ::testing::Values(ShippedCase{"daniell", "Zn -> Zn*2*+ + 2e", "Cu*2*+ + 2e -> Cu",
                                  "Zn + Cu*2*+ -> Zn*2*+ + Cu"},
                      ShippedCase{"iron_and_permanganate", "Fe*2*+ -> Fe*3*+ + e",
                                  "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O",
                                  "5 Fe*2*+ + MnO/4*- + 8 H*+ -> 5 Fe*3*+ + Mn*2*+ + 4 H/2O"},
                      ShippedCase{"oxalic_acid_and_permanganate", "HOOCCOOH -> 2 CO/2 + 2 H*+ + 2e",
                                  "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O",
                                  "5 HOOCCOOH + 2 MnO/4*- + 6 H*+ -> 10 CO/2 + 2 Mn*2*+ + 8 H/2O"},
                      // The products stand in the order they first appear: the oxidation's first.
                      ShippedCase{"peroxide_with_itself", "H/2O/2 -> O/2 + 2 H*+ + 2e",
                                  "H/2O/2 + 2 H*+ + 2e -> 2 H/2O", "2 H/2O/2 -> O/2 + 2 H/2O"}),
    testing::RowName());

struct NetCase {
    const char* name;
    const char* oxidation;
    int oxidationTimes;
    const char* reduction;
    int reductionTimes;
    const char* equation;
    bool mediaDiffer;
};

class NetReactionTest : public ::testing::TestWithParam<NetCase> {};

TEST_P(NetReactionTest, CancelsAndNeutralises) {
    const NetCase& c = GetParam();
    const NetReaction net =
        BuildNetReaction(Chem(c.oxidation), c.oxidationTimes, Chem(c.reduction), c.reductionTimes);
    ASSERT_TRUE(net.ok()) << net.error;
    EXPECT_EQ(net.equation, Chem(c.equation));
    EXPECT_EQ(net.mediaDiffer, c.mediaDiffer);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NetReactionTest,
    ::testing::Values(
        NetCase{"acid_oxidation_base_reduction", "H/2O/2 -> O/2 + 2 H*+ + 2e", 2,
                "O/2 + 2 H/2O + 4e -> 4 OH*-", 1, "2 H/2O/2 -> O/2 + 2 H/2O", true},
        NetCase{"base_oxidation_acid_reduction", "Zn + 2 OH*- -> ZnO + H/2O + 2e", 1,
                "Cu*2*+ + 2e -> Cu", 1, "Zn + 2 OH*- + Cu*2*+ -> ZnO + H/2O + Cu", false},
        NetCase{"hydroxide_meets_protons_on_the_left", "Zn + 2 OH*- -> ZnO + H/2O + 2e", 1,
                "PbO/2 + 4 H*+ + 2e -> Pb*2*+ + 2 H/2O", 1,
                "Zn + PbO/2 + 2 H*+ -> ZnO + H/2O + Pb*2*+", true},
        NetCase{"common_factor_removed", "2 Ag -> 2 Ag*+ + 2e", 1, "2 Fe*3*+ + 2e -> 2 Fe*2*+", 1,
                "Ag + Fe*3*+ -> Ag*+ + Fe*2*+", false},
        NetCase{"same_couple_cancels_completely", "Cu -> Cu*2*+ + 2e", 1, "Cu*2*+ + 2e -> Cu", 1,
                NothingLeftText, false},
        NetCase{"usual_phase_label_is_the_same_species", "2 I*- -> I/2(s) + 2e", 1,
                "I/2 + 2e -> 2 I*-", 1, NothingLeftText, false},
        NetCase{"dissolved_is_another_species", "2 I*- -> I/2(aq) + 2e", 1, "I/2 + 2e -> 2 I*-", 1,
                "I/2 -> I/2(aq)", false},
        NetCase{"multipliers_two_and_three", "Al -> Al*3*+ + 3e", 2, "Cu*2*+ + 2e -> Cu", 3,
                "2 Al + 3 Cu*2*+ -> 2 Al*3*+ + 3 Cu", false}),
    testing::RowName());

struct FaultCase {
    const char* name;
    const char* oxidation;
    int oxidationTimes;
    const char* reduction;
    int reductionTimes;
    const char* error;
};

class NetReactionFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(NetReactionFaultTest, SaysWhyNoEquationIsWritten) {
    const FaultCase& c = GetParam();
    const NetReaction net =
        BuildNetReaction(Chem(c.oxidation), c.oxidationTimes, Chem(c.reduction), c.reductionTimes);
    EXPECT_EQ(net.error, c.error);
    EXPECT_EQ(net.text(), std::string(NoNetReactionText) + c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NetReactionFaultTest,
    ::testing::Values(FaultCase{"unreadable_oxidation", "Xy -> Xy*+ + e", 1, "Ag*+ + e -> Ag", 1,
                                "the oxidation half reaction: \"Xy\": \"Xy\" is no element symbol"},
                      FaultCase{"unreadable_reduction", "Ag -> Ag*+ + e", 1, "Ag*+ + e -> silver",
                                1, "the reduction half reaction: \"silver\": unexpected \"s\""},
                      FaultCase{
                          "unbalanced_reduction", "Ag -> Ag*+ + e", 2, "O/2 + 2e -> H/2O", 1,
                          "the reduction half reaction does not balance (H: 2 left, 0 right)"},
                      FaultCase{"electrons_left_over", "Ag -> Ag*+ + e", 1, "Cu*2*+ + 2e -> Cu", 1,
                                "the electrons do not cancel"}),
    testing::RowName());

// Every species of a net equation, on the side it stands.
std::set<std::string> Keys(const std::vector<Term>& terms) {
    std::set<std::string> keys;
    for (const Term& term : terms)
        keys.insert(term.text);
    return keys;
}

TEST(NetReactionBalanceTest, RandomPairsOfTheBuiltInTableBalanceInAtomsAndCharge) {
    const TableLoad load = LoadTable(kDataDir);
    ASSERT_TRUE(load.ok()) << load.error;
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> entry(1, BuiltInCount);
    int equations = 0;
    for (int pair = 0; pair < 2000; ++pair) {
        const HalfReactionEntry& oxidised = load.table[entry(random)];
        const HalfReactionEntry& reduced = load.table[entry(random)];
        const auto outcome =
            CalculateWithTable(load.table, oxidised.oxidationText, reduced.reductionText, -1, -1);
        ASSERT_TRUE(outcome.ok()) << outcome.error;
        const NetReaction& net = outcome.result.netReaction;
        const std::string pairName = oxidised.oxidationText + " with " + reduced.reductionText;
        ASSERT_TRUE(net.ok()) << pairName << ": " << net.error;
        if (net.equation == NothingLeftText)
            continue;
        ++equations;
        const FormulaRead read = ParseEquation(net.equation);
        ASSERT_TRUE(read.ok()) << net.equation << ": " << read.error;
        EXPECT_EQ(BalanceFault(read.formula), "") << pairName << " gives " << net.equation;
        const auto left = Keys(read.formula.left);
        for (const std::string& species : Keys(read.formula.right))
            EXPECT_EQ(left.count(species), 0u) << species << " on both sides of " << net.equation;
        EXPECT_EQ(net.equation.find(" e"), std::string::npos) << net.equation;
    }
    EXPECT_GT(equations, 1900);
}

} // namespace
} // namespace galvix
