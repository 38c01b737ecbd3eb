// Case repairs of whole lines, up to the length limit, and the check that lets
// a repaired line skip normalising again.
#include "engine/engine.h"
#include "engine/text_chars.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace molva {
namespace {

std::string Repeat(std::string_view unit, std::size_t times) {
    std::string text;
    text.reserve(unit.size() * times);
    for (std::size_t k = 0; k < times; ++k)
        text += unit;
    return text;
}

struct RepairRow {
    std::string name;
    std::string typed;
    std::string normal;
    std::string expanded;
    std::string badSymbol;
    std::int16_t decimals;
    bool additiveOnly;
};

class CaseRepairTest : public ::testing::TestWithParam<RepairRow> {};

TEST_P(CaseRepairTest, RepairsEverySymbolOfTheLine) {
    const RepairRow& row = GetParam();
    CalcState state;
    std::string normal = NormaliseInput(state, state.inputText = row.typed);
    EXPECT_EQ(ExpandFormulas(state, normal), row.expanded);
    EXPECT_EQ(normal, row.normal);
    EXPECT_EQ(state.badSymbol, row.badSymbol);
    EXPECT_EQ(state.symbolError, row.expanded.empty());
    EXPECT_EQ(state.decimals, row.decimals);
    EXPECT_EQ(state.additiveOnly, row.additiveOnly);
}

const std::string kWater = "1.00794*2+15.9994";

INSTANTIATE_TEST_SUITE_P(
    Table, CaseRepairTest,
    ::testing::Values(
        // Every "Oh" but the first is repaired to OH, one after another.
        RepairRow{"water_at_length_limit", Repeat("h2o", 10922) + "h", Repeat("H2O", 10922) + "H",
                  kWater + Repeat("+" + kWater, 10921) + "+1.00794", "Oh", 4, true},
        RepairRow{"ammonia_long", Repeat("nh3", 10922), Repeat("NH3", 10922),
                  "14.00674+1.00794*3" + Repeat("+14.00674+1.00794*3", 10921), "Nh", 5, true},
        // The repair to OE makes an exponent, which the next normalising sees.
        RepairRow{"repair_makes_exponent", "h2oe5", "H2OE5", "1.00794*2+15.9994E5", "Oe", 4, false},
        // A is first found in Ag, so the same repair comes twice and the step gives up.
        RepairRow{"capitals_give_up", "AGAG", "AgAG", "", "A", 0, true},
        RepairRow{"capitals_give_up_long", Repeat("AG", 16383), "Ag" + Repeat("AG", 16382), "", "A",
                  0, true},
        RepairRow{"lone_letter_after_symbol", "liL2", "LiL2", "", "L", 0, true},
        // Not letters and digits alone: each repair normalises the line again.
        RepairRow{"repairs_between_operators", "h2oh+h2oh", "(H2OH)+(H2OH)",
                  "(" + kWater + "+1.00794)+(" + kWater + "+1.00794)", "Oh", 4, true}),
    testing::RowName{});

struct TextRow {
    std::string name;
    std::string text;
};

class CanonicalLettersTest : public ::testing::TestWithParam<TextRow> {};

// Every change of one letter's case, checked only around the change, must give
// what a check of the whole text gives, and a text found canonical must come
// back from NormaliseInput unchanged.
TEST_P(CanonicalLettersTest, RecheckAgreesWithFullCheck) {
    CalcState state;
    std::string text = GetParam().text;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (!IsUpper(text[k]) && !IsLower(text[k]))
            continue;
        CanonicalLetters tracker;
        if (!tracker.Check(state, text))
            continue;
        std::string changed = text;
        changed[k] = IsUpper(text[k]) ? ToLower(text[k]) : ToUpper(text[k]);
        CanonicalLetters fresh;
        const bool canonical = fresh.Check(state, changed);
        EXPECT_EQ(tracker.Recheck(state, changed, k, k + 1), canonical) << changed;
        std::string copy = changed;
        if (canonical) {
            EXPECT_EQ(NormaliseInput(state, copy), changed);
        }
    }
}

TEST(CanonicalLettersCheck, TakesOnlyLettersAndDigitsAfterALetter) {
    CalcState state;
    for (const std::string text : {"", "2H2O", "H2O+1", "(H2O)", "H2O:sin"}) {
        CanonicalLetters tracker;
        EXPECT_FALSE(tracker.Check(state, text)) << text;
    }
    CanonicalLetters tracker;
    EXPECT_TRUE(tracker.Check(state, "H2OH2ONaCl"));
}

INSTANTIATE_TEST_SUITE_P(Table, CanonicalLettersTest,
                         ::testing::Values(TextRow{"waters", "H2OH2OH2OH2O"},
                                           TextRow{"salts", "NaClKClAgNO3CuSO4"},
                                           TextRow{"function_names", "HSINCOSTANLOGSQRTARCSIN"},
                                           TextRow{"special_letters", "HOHFHSZNMNNOCOPOSOVXW"},
                                           TextRow{"exponents", "HE5E5OE2NaE"},
                                           TextRow{"short", "Co"}),
                         testing::RowName{});

} // namespace
} // namespace molva
