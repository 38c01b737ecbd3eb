// The one-reading calculation of plain formulas against the text pipeline: the
// same texts, precision and result for every line it takes, and no effect on
// the lines it leaves to the pipeline.
#include "engine/elements.h"
#include "engine/engine.h"
#include "row_name.h"

#include <gtest/gtest.h>
#include <random>

namespace molva {
namespace {

struct Calculated {
    std::string input, normal, expanded, result;
    bool additiveOnly;
    std::int16_t decimals;
    std::optional<double> value; // before the rounding of the display

    bool operator==(const Calculated&) const = default;
};

void PrintTo(const Calculated& c, std::ostream* out) {
    *out << c.input << " | " << c.normal << " | " << c.expanded << " | " << c.result << " | "
         << c.additiveOnly << " | " << c.decimals << " | " << c.value.value_or(-1);
}

CalcState StateFor(std::string_view line, char separator,
                   AtomicWeights weights = AtomicWeights::Classic) {
    CalcState state;
    state.decimalSeparator = separator;
    state.weights = weights;
    state.inputText = line;
    state.additiveOnly = false;
    state.decimals = 3;
    return state;
}

Calculated Of(const CalcState& state, std::optional<double> value) {
    return {state.inputText,
            state.normalText,
            state.expandedText,
            state.resultText,
            state.additiveOnly,
            state.decimals,
            value};
}

Calculated ThroughText(std::string_view line, char separator,
                       AtomicWeights weights = AtomicWeights::Classic) {
    CalcState state = StateFor(line, separator, weights);
    CalculateThroughText(state);
    CalcState again = state;
    return Of(state, EvaluateValue(again, state.expandedText).value);
}

// RunCalculation with the plain-formula reading; whether the reading took it.
Calculated WithReading(std::string_view line, char separator, bool& taken,
                       AtomicWeights weights = AtomicWeights::Classic) {
    CalcState probe = StateFor(line, separator, weights);
    const std::optional<double> read = CalculatePlainFormula(probe);
    taken = read.has_value();
    CalcState state = StateFor(line, separator, weights);
    RunCalculation(state);
    CalcState again = state;
    return Of(state, taken ? read : EvaluateValue(again, state.expandedText).value);
}

struct LineCase {
    const char* name;
    const char* line;
    bool taken;
};

class PlainFormulaTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(PlainFormulaTest, MatchesTheTextPipeline) {
    for (const char separator : {'.', ','}) {
        bool taken = false;
        const Calculated read = WithReading(GetParam().line, separator, taken);
        EXPECT_EQ(taken, GetParam().taken);
        EXPECT_EQ(read, ThroughText(GetParam().line, separator));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlainFormulaTest,
    ::testing::Values(
        LineCase{"water", "H2O", true}, LineCase{"salt", "NaCl", true},
        LineCase{"group", "Ca(OH)2", true}, LineCase{"bracket_first", "(NH4)2SO4", true},
        LineCase{"nested", "((CH3)3C)2O", true}, LineCase{"square_and_curly", "K4[Fe(CN)6]", true},
        LineCase{"mixed_bracket_kinds", "{NH4]2SO4", true}, LineCase{"coefficient", "5H2O", true},
        LineCase{"coefficient_and_group", "2(NH4)2SO4", true},
        LineCase{"coefficient_and_one_bracket", "3(OH)", true},
        LineCase{"coefficient_with_zero", "02H2O", true}, LineCase{"zero_count", "H0", true},
        LineCase{"long_count", "C1234567", true},
        LineCase{"weight_of_1e8_and_more", "C123456789", false},
        LineCase{"no_decimals_element", "TcO2", true},
        LineCase{"group_without_count", "(H)O", true},
        LineCase{"groups_side_by_side", "(OH)(CN)", true},
        LineCase{"lower_case_first", "nacl", false}, LineCase{"two_small_letters", "Hoh", false},
        LineCase{"small_letter_pair", "Mno", false}, LineCase{"unknown_symbol", "Xy", false},
        LineCase{"exponent_letter", "E5", false}, LineCase{"empty_brackets", "H()O", false},
        LineCase{"digit_after_bracket", "(2H)", false}, LineCase{"unbalanced", "Ca(OH2", false},
        LineCase{"closing_first", "H)2", false}, LineCase{"operator", "H2O+1", false},
        LineCase{"blank", "H2 O", false}, LineCase{"coefficient_alone", "12", false},
        LineCase{"count_too_long", "H1234567890", false},
        LineCase{"too_deep", "((((((((((((((((((H))))))))))))))))))", false}),
    testing::RowName());

class RandomFormulaTest : public ::testing::TestWithParam<AtomicWeights> {};

// Random formulas of known and unknown symbols, counts, brackets of every
// kind and a few stray characters: whatever the reading takes, it calculates
// as the text pipeline does, in either table of atomic weights.
TEST_P(RandomFormulaTest, RandomLinesMatchTheTextPipeline) {
    const AtomicWeights weights = GetParam();
    std::mt19937 random(99);
    const auto elements = ElementTable(weights);
    const std::string extras[] = {"E", "Xx", "J", "h", "(", ")", "[", "]", "{", "}", "0", "7", "."};
    auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    int taken = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string line = pick(4) == 0 ? std::to_string(pick(30)) : "";
        const std::size_t parts = 1 + pick(8);
        for (std::size_t p = 0; p < parts; ++p) {
            if (pick(10) == 0)
                line += extras[pick(std::size(extras))];
            else if (pick(5) == 0)
                line += "(" + std::string(elements[pick(elements.size())].symbol) + ")";
            else
                line += elements[pick(elements.size())].symbol;
            if (pick(2) == 0)
                line += std::to_string(pick(pick(3) == 0 ? 1000 : 10));
        }
        const char separator = pick(2) == 0 ? '.' : ',';
        bool reading = false;
        ASSERT_EQ(WithReading(line, separator, reading, weights),
                  ThroughText(line, separator, weights))
            << line;
        taken += reading ? 1 : 0;
    }
    EXPECT_GT(taken, 5000);
}

INSTANTIATE_TEST_SUITE_P(Tables, RandomFormulaTest,
                         ::testing::Values(AtomicWeights::Classic, AtomicWeights::Iupac2021),
                         [](const auto& row) { return std::string(AtomicWeightsName(row.param)); });

TEST(PlainFormulaTest, LeavesOtherLinesAndModesToTheTextPipeline) {
    CalcState state = StateFor("H2O", '.');
    state.mode = CalcMode::Statistics;
    EXPECT_FALSE(CalculatePlainFormula(state));
    state = StateFor("sum(1+2)", '.');
    EXPECT_FALSE(CalculatePlainFormula(state));
    EXPECT_EQ(state.inputText, "sum(1+2)");
    EXPECT_EQ(state.normalText, "");
}

} // namespace
} // namespace molva
