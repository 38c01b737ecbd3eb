#include "core/half_reaction_audit.h"
#include "param_name.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

// Texts in Chem codes: "\xb7" subscript 2, "\xb8" subscript 3, "\xb9" subscript
// 4, "\xa2" superscript plus, "\xa3" superscript minus, "\x8d" superscript 2,
// "\x8e" superscript 3.
HalfReactionFormula Formula(const std::string& text) {
    const FormulaRead read = ParseHalfReaction(text);
    EXPECT_TRUE(read.ok()) << read.error;
    return read.formula;
}

struct BalanceCase {
    const char* name;
    std::string text;
    std::string fault;
};

class BalanceTest : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(BalanceTest, NamesTheFirstImbalance) {
    EXPECT_EQ(BalanceFault(Formula(GetParam().text)), GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BalanceTest,
    ::testing::Values(
        BalanceCase{"metal", "Cu -> Cu\x8d\xa2 + 2e", ""},
        BalanceCase{"oxo_anion_in_acid", "Mn\x8d\xa2 + 4 H\xb7O -> MnO\xb9\xa3 + 8 H\xa2 + 5e", ""},
        BalanceCase{"hydrate", "Zr + 4 H\xb7O -> ZrO\xb7.2H\xb7O + 4 H\xa2 + 4e", ""},
        BalanceCase{"water_missing", "Mn\x8d\xa2 + 3 H\xb7O -> MnO\xb9\xa3 + 8 H\xa2 + 5e",
                    "H: 6 left, 8 right"},
        BalanceCase{"element_only_right", "Cu -> CuCl + e", "Cl: 0 left, 1 right"},
        BalanceCase{"wrong_electron_count", "Cu -> Cu\x8d\xa2 + e",
                    "charge: 0 left, 1 right with the electrons"},
        BalanceCase{"wrong_charge", "Fe\x8d\xa2 -> Fe\xa2 + e",
                    "charge: 2 left, 0 right with the electrons"}),
    testing::RowName());

struct MediumCase {
    const char* name;
    std::string text;
    bool mixed;
};

class MediumTest : public ::testing::TestWithParam<MediumCase> {};

TEST_P(MediumTest, FindsProtonsWithHydroxide) {
    EXPECT_EQ(MixesAcidAndBase(Formula(GetParam().text)), GetParam().mixed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MediumTest,
    ::testing::Values(
        MediumCase{"acid", "Ni\x8d\xa2 + 2 H\xb7O -> NiO\xb7 + 4 H\xa2 + 2e", false},
        MediumCase{"base", "Ni(OH)\xb7 + 2 OH\xa3 -> NiO\xb7 + 2 H\xb7O + 2e", false},
        MediumCase{"neither", "Fe\x8d\xa2 -> Fe\x8e\xa2 + e", false},
        MediumCase{"both_sides", "Ni\x8d\xa2 + 2 OH\xa3 -> NiO\xb7 + 2 H\xa2 + 2e", true},
        MediumCase{"hydronium_counts_as_acid", "H\xb8O\xa2 + OH\xa3 -> O\xb7 + H\xb7O + 4e", true},
        MediumCase{"hydroxide_inside_a_species", "Cr + 4 OH\xa3 -> Cr(OH)\xb9\xa3 + 3e", false}),
    testing::RowName());

struct CoupleCase {
    const char* name;
    std::string first;
    std::string second;
    bool same;
};

class CoupleKeyTest : public ::testing::TestWithParam<CoupleCase> {};

TEST_P(CoupleKeyTest, MatchesOneCoupleHoweverWritten) {
    EXPECT_EQ(CoupleKey(Formula(GetParam().first)) == CoupleKey(Formula(GetParam().second)),
              GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoupleKeyTest,
    ::testing::Values(
        CoupleCase{"same_atoms_other_formula", "B + 3 H\xb7O -> B(OH)\xb8 + 3 H\xa2 + 3e",
                   "B + 3 H\xb7O -> H\xb8"
                   "BO\xb8 + 3 H\xa2 + 3e",
                   true},
        CoupleCase{"water_of_hydration", "Zr + 2 H\xb7O -> ZrO\xb7 + 4 H\xa2 + 4e",
                   "Zr + 4 H\xb7O -> ZrO\xb7.2H\xb7O + 4 H\xa2 + 4e", true},
        CoupleCase{"ion_written_with_water", "Al + 4 OH\xa3 -> Al(OH)\xb9\xa3 + 3e",
                   "Al + 4 OH\xa3 -> H\xb7"
                   "AlO\xb8\xa3 + H\xb7O + 3e",
                   true},
        CoupleCase{"hydrated_acid", "TeO\xb7 + 4 H\xb7O -> H\xbbTeO\xbb + 2 H\xa2 + 2e",
                   "TeO\xb7 + 2 H\xb7O -> H\xb7TeO\xb9 + 2 H\xa2 + 2e", true},
        CoupleCase{"multiple_of_the_equation", "2 Cl\xa3 -> Cl\xb7 + 2e",
                   "4 Cl\xa3 -> 2 Cl\xb7 + 4e", true},
        CoupleCase{"usual_phase_written", "2 I\xa3 -> I\xb7(s) + 2e", "2 I\xa3 -> I\xb7 + 2e",
                   true},
        CoupleCase{"solid_oxide_and_dissolved_acid", "Ge + 2 H\xb7O -> GeO\xb7 + 4 H\xa2 + 4e",
                   "Ge + 3 H\xb7O -> H\xb7GeO\xb8 + 4 H\xa2 + 4e", false},
        CoupleCase{"acid_and_base", "Al + 2 H\xb7O -> AlO\xb7\xa3 + 4 H\xa2 + 3e",
                   "Al + 4 OH\xa3 -> AlO\xb7\xa3 + 2 H\xb7O + 3e", false},
        CoupleCase{"allotropes", "PH\xb8 -> P(red) + 3 H\xa2 + 3e",
                   "PH\xb8 -> P(white) + 3 H\xa2 + 3e", false},
        CoupleCase{"dissolved_and_solid", "2 I\xb8\xa3 -> 3 I\xb7(aq) + 2e",
                   "2 I\xb8\xa3 -> 3 I\xb7 + 2e", false},
        CoupleCase{"amalgam", "Zn(Hg) -> Zn\x8d\xa2 + 2e", "Zn -> Zn\x8d\xa2 + 2e", false},
        CoupleCase{"carbon_compounds_as_written", "HCOOH -> CO\xb7 + 2 H\xa2 + 2e",
                   "CO + H\xb7O -> CO\xb7 + 2 H\xa2 + 2e", false},
        CoupleCase{"other_electron_count", "Cu -> Cu\x8d\xa2 + 2e", "Cu -> Cu\xa2 + e", false}),
    testing::RowName());

struct Reaction {
    std::string text;
    double potential;
};

std::vector<AuditedReaction> Audited(const std::vector<Reaction>& reactions) {
    std::vector<AuditedReaction> audited;
    for (const Reaction& reaction : reactions)
        audited.push_back({Formula(reaction.text), reaction.potential});
    return audited;
}

TEST(RepeatedCouplesTest, ListsEveryPairOnce) {
    const auto repeated = RepeatedCouples(Audited({
        {"B + 3 H\xb7O -> B(OH)\xb8 + 3 H\xa2 + 3e", 0.89},
        {"Cu -> Cu\x8d\xa2 + 2e", -0.34},
        {"B + 3 H\xb7O -> H\xb8"
         "BO\xb8 + 3 H\xa2 + 3e",
         0.869},
        {"2 B + 6 H\xb7O -> 2 B(OH)\xb8 + 6 H\xa2 + 6e", 0.89},
    }));
    ASSERT_EQ(repeated.size(), 3u);
    EXPECT_EQ(repeated[0].first, 0u);
    EXPECT_EQ(repeated[0].second, 2u);
    EXPECT_EQ(repeated[1].first, 0u);
    EXPECT_EQ(repeated[1].second, 3u);
    EXPECT_EQ(repeated[2].first, 2u);
    EXPECT_EQ(repeated[2].second, 3u);
}

struct TriangleCase {
    const char* name;
    std::vector<Reaction> reactions;
    std::size_t misfits;
    double expected; // of the first misfit
};

class LatimerTest : public ::testing::TestWithParam<TriangleCase> {};

TEST_P(LatimerTest, FindsTrianglesThatDoNotAddUp) {
    const auto misfits = LatimerMisfits(Audited(GetParam().reactions), 0.05);
    ASSERT_EQ(misfits.size(), GetParam().misfits);
    if (!misfits.empty()) {
        EXPECT_NEAR(misfits.front().expected, GetParam().expected, 1e-9);
    }
}

// Oxidation potentials, as Data.dat stores them.
const Reaction kCopperToCuprous{"Cu -> Cu\xa2 + e", -0.521};
const Reaction kCuprousToCupric{"Cu\xa2 -> Cu\x8d\xa2 + e", -0.153};
const Reaction kChlorideToChlorine{"2 Cl\xa3 -> Cl\xb7 + 2e", -1.358};

INSTANTIATE_TEST_SUITE_P(
    Table, LatimerTest,
    ::testing::Values(
        TriangleCase{"adds_up",
                     {kCopperToCuprous, kCuprousToCupric, {"Cu -> Cu\x8d\xa2 + 2e", -0.34}},
                     0,
                     0},
        TriangleCase{"exactly_the_tolerance_passes",
                     {kCopperToCuprous, kCuprousToCupric, {"Cu -> Cu\x8d\xa2 + 2e", -0.287}},
                     0,
                     0},
        TriangleCase{"no_aqueous_aluminium_one",
                     {{"Al -> Al\xa2 + e", 0.55},
                      {"Al\xa2 -> Al\x8e\xa2 + 2e", 2.76},
                      {"Al -> Al\x8e\xa2 + 3e", 1.662}},
                     1,
                     (0.55 + 2 * 2.76) / 3},
        TriangleCase{"parts_scaled_to_cancel",
                     {kChlorideToChlorine,
                      {"Cl\xb7 + 2 H\xb7O -> 2 HClO + 2 H\xa2 + 2e", -1.611},
                      {"Cl\xa3 + H\xb7O -> HClO + H\xa2 + 2e", -1.3}},
                     1,
                     (1.358 + 1.611) / -2},
        TriangleCase{"whole_written_otherwise",
                     {{"Te + 2 H\xb7O -> TeO\xb7 + 4 H\xa2 + 4e", -0.593},
                      {"TeO\xb7 + 4 H\xb7O -> H\xbbTeO\xbb + 2 H\xa2 + 2e", -1.02},
                      {"Te + 4 H\xb7O -> H\xb7TeO\xb9 + 6 H\xa2 + 6e", 0.0}},
                     1,
                     (4 * -0.593 + 2 * -1.02) / 6},
        TriangleCase{"acid_and_base_parts_make_no_triangle",
                     {{"Mn\x8d\xa2 + 2 H\xb7O -> MnO\xb7 + 4 H\xa2 + 2e", -1.23},
                      {"MnO\xb7 + 4 OH\xa3 -> MnO\xb9\xa3 + 2 H\xb7O + 3e", -0.595},
                      {"Mn\x8d\xa2 + 4 H\xb7O -> MnO\xb9\xa3 + 8 H\xa2 + 5e", -1.507}},
                     0,
                     0}),
    testing::RowName());

} // namespace
} // namespace galvix
