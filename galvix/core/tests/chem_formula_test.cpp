#include "core/chem_formula.h"
#include "param_name.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

using Atoms = std::map<std::string, int>;

// Chem codes: subscript d is 181 + d, superscript 1..9 is 139 + d, superscript
// 0 is 149, superscript plus 162 and minus 163.
struct SpeciesCase {
    const char* name;
    std::string text;
    Atoms atoms;
    int charge;
    std::string form;
    int hydrateWater;
};

class SpeciesTest : public ::testing::TestWithParam<SpeciesCase> {};

TEST_P(SpeciesTest, ReadsAtomsChargeAndForm) {
    const SpeciesRead read = ParseSpecies(GetParam().text);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.species.atoms, GetParam().atoms);
    EXPECT_EQ(read.species.charge, GetParam().charge);
    EXPECT_EQ(read.species.form, GetParam().form);
    EXPECT_EQ(read.species.hydrateWater, GetParam().hydrateWater);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpeciesTest,
    ::testing::Values(
        SpeciesCase{"element", "Cu", {{"Cu", 1}}, 0, "", 0},
        SpeciesCase{"two_letter_symbol_before_capital", "CoO\xb7", {{"Co", 1}, {"O", 2}}, 0, "", 0},
        SpeciesCase{"cation_with_count", "Fe\x8e\xa2", {{"Fe", 1}}, 3, "", 0},
        SpeciesCase{"single_plus", "H\xa2", {{"H", 1}}, 1, "", 0},
        SpeciesCase{
            "anion_with_subscripts", "Cr\xb7O\xbc\x8d\xa3", {{"Cr", 2}, {"O", 7}}, -2, "", 0},
        SpeciesCase{"two_digit_subscript", "C\xb6\xb7H\xb7\xb7", {{"C", 12}, {"H", 22}}, 0, "", 0},
        SpeciesCase{"plain_digit_counts", "H2O", {{"H", 2}, {"O", 1}}, 0, "", 0},
        SpeciesCase{
            "bracket_with_count", "Fe(CN)\xbb\x8f\xa3", {{"Fe", 1}, {"C", 6}, {"N", 6}}, -4, "", 0},
        SpeciesCase{"nested_brackets",
                    "Ag(S\xb7O\xb8)\xb7\x8e\xa3",
                    {{"Ag", 1}, {"S", 4}, {"O", 6}},
                    -3,
                    "",
                    0},
        SpeciesCase{
            "bracket_without_count", "Ce(OH)\x8e\xa2", {{"Ce", 1}, {"O", 1}, {"H", 1}}, 3, "", 0},
        SpeciesCase{"hydrate", "ZrO\xb7.2H\xb7O", {{"Zr", 1}, {"O", 4}, {"H", 4}}, 0, "", 2},
        SpeciesCase{"hydrate_of_one", "NH\xb8.H\xb7O", {{"N", 1}, {"H", 5}, {"O", 1}}, 0, "", 1},
        SpeciesCase{"organic", "HOOCCOOH", {{"C", 2}, {"H", 2}, {"O", 4}}, 0, "", 0},
        SpeciesCase{"deuterium", "D\xb7", {{"D", 2}}, 0, "", 0},
        SpeciesCase{"modification_prefix", "gamma-NiS", {{"Ni", 1}, {"S", 1}}, 0, "gamma", 0},
        SpeciesCase{"allotrope_label", "P(white)", {{"P", 1}}, 0, "white", 0},
        SpeciesCase{"dissolved", "I\xb7(aq)", {{"I", 2}}, 0, "aq", 0},
        SpeciesCase{"usual_phase_left_out", "I\xb7(s)", {{"I", 2}}, 0, "", 0},
        SpeciesCase{"phase_and_colour", "HgS(s, black)", {{"Hg", 1}, {"S", 1}}, 0, "black", 0},
        SpeciesCase{"charge_then_phase", "S\x8d\xa3(aq)", {{"S", 1}}, -2, "aq", 0},
        SpeciesCase{"amalgam", "Pb(Hg)", {{"Pb", 1}}, 0, "Hg", 0},
        SpeciesCase{"mercury_group_inside", "Hg(Hg)\xb7", {{"Hg", 3}}, 0, "", 0},
        SpeciesCase{"radical_dot", "OH\xfa", {{"O", 1}, {"H", 1}}, 0, "", 0}),
    testing::RowName());

struct FaultCase {
    const char* name;
    std::string text;
    std::string error;
};

class SpeciesFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SpeciesFaultTest, SaysWhatIsWrong) {
    EXPECT_EQ(ParseSpecies(GetParam().text).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpeciesFaultTest,
    ::testing::Values(
        FaultCase{"unknown_symbol", "Xx", "\"Xx\": \"Xx\" is no element symbol"},
        FaultCase{"unknown_one_letter", "Q\xb7", "\"Q\xb7\": \"Q\xb7\" is no element symbol"},
        FaultCase{"open_bracket", "Fe(CN", "\"Fe(CN\": a bracket is not closed"},
        FaultCase{"open_label", "I\xb7(aq", "\"I\xb7(aq\": a bracket is not closed"},
        FaultCase{"charge_without_sign", "Fe\x8e", "\"Fe\x8e\": a charge has no sign"},
        FaultCase{"second_charge", "Fe\xa2\xa2", "\"Fe\xa2\xa2\": unexpected \"\xa2\""},
        FaultCase{"empty", "", "\"\": no element symbol"},
        FaultCase{"stray_character", "Cu!", "\"Cu!\": unexpected \"!\""},
        FaultCase{"empty_hydrate", "ZrO\xb7.", "\"ZrO\xb7.\": nothing after \".\""},
        FaultCase{"count_too_large", "H99999", "\"H99999\": a number is too large"},
        FaultCase{"charge_too_large", "Fe\x94\x94\x94\x94\x94\xa2",
                  "\"Fe\x94\x94\x94\x94\x94\xa2\": a number is too large"}),
    testing::RowName());

struct ReactionCase {
    const char* name;
    std::string text;
    std::size_t leftTerms;
    std::size_t rightTerms;
    int firstCoefficient;
    int electrons;
};

class HalfReactionTest : public ::testing::TestWithParam<ReactionCase> {};

TEST_P(HalfReactionTest, ReadsSidesCoefficientsAndElectrons) {
    const FormulaRead read = ParseHalfReaction(GetParam().text);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.formula.left.size(), GetParam().leftTerms);
    EXPECT_EQ(read.formula.right.size(), GetParam().rightTerms);
    EXPECT_EQ(read.formula.left.front().coefficient, GetParam().firstCoefficient);
    EXPECT_EQ(read.formula.electrons, GetParam().electrons);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HalfReactionTest,
    ::testing::Values(
        ReactionCase{"one_electron", "Ag -> Ag\xa2 + e", 1, 1, 1, 1},
        ReactionCase{"two_electrons", "Cu -> Cu\x8d\xa2 + 2e", 1, 1, 1, 2},
        ReactionCase{"ten_electrons", "Br\xb7 + 6 H\xb7O -> 2 BrO\xb8\xa3 + 12 H\xa2 + 10e", 2, 2,
                     1, 10},
        ReactionCase{"coefficient_first", "2 Cl\xa3 -> Cl\xb7 + 2e", 1, 1, 2, 2},
        ReactionCase{"labelled_species", "2 I\xb8\xa3 -> 3 I\xb7(aq) + 2e", 1, 1, 2, 2}),
    testing::RowName());

class HalfReactionFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(HalfReactionFaultTest, SaysWhatIsWrong) {
    EXPECT_EQ(ParseHalfReaction(GetParam().text).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HalfReactionFaultTest,
    ::testing::Values(FaultCase{"no_arrow", "Cu to Cu\x8d\xa2 + 2e", "no \" -> \""},
                      FaultCase{"no_electrons", "Cu -> Cu\x8d\xa2", "no electrons at the end"},
                      FaultCase{"zero_electrons", "Cu -> Cu + 0e", "no electrons at the end"},
                      FaultCase{"capital_e", "Cu -> Cu\x8d\xa2 + 2E", "no electrons at the end"},
                      FaultCase{"bad_species_left", "Qq -> Cu\x8d\xa2 + 2e",
                                "\"Qq\": \"Qq\" is no element symbol"},
                      FaultCase{"bad_species_right", "Cu -> Cu! + 2e", "\"Cu!\": unexpected \"!\""},
                      FaultCase{"too_many_electrons", "Cu -> Cu\x8d\xa2 + 99999e",
                                "no electrons at the end"},
                      FaultCase{"coefficient_too_large", "99999 Cu -> Cu\x8d\xa2 + 2e",
                                "\"99999 Cu\": the count is not a number up to 9999"}),
    testing::RowName());

} // namespace
} // namespace galvix
