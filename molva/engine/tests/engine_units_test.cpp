// The pipeline's steps one at a time, where the rules speak at that level.
#include "engine/engine.h"
#include "engine/session.h"
#include "row_name.h"

#include <gtest/gtest.h>
#include <random>

namespace molva {
namespace {

struct TextCase {
    const char* name;
    const char* in;
    const char* out;
};

class NormaliseInputTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NormaliseInputTest, GivesTheCanonicalText) {
    CalcState state;
    state.prevResultText = "0.5";
    std::string text = GetParam().in;
    EXPECT_EQ(NormaliseInput(state, text), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NormaliseInputTest,
    ::testing::Values(TextCase{"empty", "", ""}, TextCase{"blanks", "  \t ", ""},
                      TextCase{"signs", "3 \xC3\x97 4 \xC3\xB7 2", "3*4/2"},
                      TextCase{"double_star", "2**3", "2^3"}, TextCase{"plus_minus", "5+-3", "5-3"},
                      TextCase{"unary_plus", "(+2)", "(2)"}, TextCase{"empty_brackets", "()", ""},
                      TextCase{"quadratic", "x^2+3x+2=0", "X^2+3X+2"},
                      TextCase{"function_last", "sin", ":sin0.5"},
                      TextCase{"function_before_operator", "sin+1", ":sin0.5+1"},
                      TextCase{"value_token_before_digit", "ans2", ":ans*2"},
                      TextCase{"longest_name", "arcsin1", ":arcsin1"},
                      TextCase{"formula_in_expression", "2H2O+NaCl", "2*(H2O)+(NaCl)"},
                      TextCase{"formula_group_times", "Ca(OH)2*2", "(Ca(OH)2)*2"},
                      TextCase{"formula_alone", "NaCl", "NaCl"},
                      TextCase{"names_lower_case_only", "SIN30", "SIN30"},
                      TextCase{"dropped_characters", "1;2@3$4<5>6_7`8", "12345678"},
                      TextCase{"other_bytes_dropped",
                               "1\xE2\x82\xAC+\x01"
                               "2",
                               "1+2"},
                      TextCase{"exponent_plus", "1e+5", "1E5"},
                      TextCase{"formula_first_in_brackets", "(NH4)2SO4*2", "((NH4)2SO4)*2"},
                      TextCase{"coefficient_before_bracket_formula", "2(NH4)2SO4", "2*((NH4)2SO4)"},
                      TextCase{"bracket_formula_divided", "(CH3)2CO/2", "((CH3)2CO)/2"},
                      TextCase{"nested_bracket_formula", "((CH3)3C)2O*2", "(((CH3)3C)2O)*2"},
                      TextCase{"formula_inside_a_bracket", "(NaCl*2)+1", "((NaCl)*2)+1"},
                      TextCase{"formula_ends_at_its_bracket", "(2+NaCl)*2", "(2+(NaCl))*2"},
                      TextCase{"count_after_bracket_is_outside", "(2*H2O)2", "(2*(H2O))2"},
                      TextCase{"bracket_formula_alone", "(NH4)2SO4", "(NH4)2SO4"},
                      TextCase{"group_alone", "(OH)2", "(OH)2"},
                      TextCase{"formula_in_its_own_bracket", "1+(NaCl)", "1+(NaCl)"},
                      TextCase{"square_bracket_formula", "2[Fe(CN)6]", "2*[Fe(CN)6]"},
                      TextCase{"exponent_is_no_formula", "1e5*2+H", "1E5*2+(H)"}),
    testing::RowName());

// The canonical text of a canonical text is itself: no new brackets.
class NormaliseTwiceTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NormaliseTwiceTest, AddsNothingTheSecondTime) {
    CalcState state;
    state.prevResultText = "3";
    std::string text = GetParam().in;
    const std::string once = NormaliseInput(state, text);
    EXPECT_EQ(once, GetParam().out);
    std::string again = once;
    EXPECT_EQ(NormaliseInput(state, again), once);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NormaliseTwiceTest,
    ::testing::Values(TextCase{"coefficient_and_sum", "2H2O+NaCl", "2*(H2O)+(NaCl)"},
                      TextCase{"bracket_formula", "(NH4)2SO4*2", "((NH4)2SO4)*2"},
                      TextCase{"nested_groups", "3((CH3)3C)2O", "3*(((CH3)3C)2O)"},
                      TextCase{"formula_in_brackets", "((NaCl*2)+KCl)/2", "(((NaCl)*2)+(KCl))/2"},
                      TextCase{"square_and_curly", "{NH4}2[PtCl6]*2", "({NH4}2[PtCl6])*2"},
                      TextCase{"formula_and_function", "sqrt(H2O*2)+1", ":sqrt((H2O)*2)+1"}),
    testing::RowName());

TEST(NormaliseInputTest, GroupingKeepsTypedMarks) {
    CalcState state;
    state.groupThousands = true;
    std::string a = "1,5", b = ",5";
    EXPECT_EQ(NormaliseInput(state, a), "1,5");
    EXPECT_EQ(NormaliseInput(state, b), ",5");
}

TEST(NormaliseInputTest, SetsModesAndFlags) {
    CalcState state;
    std::string text = "x^2+1";
    NormaliseInput(state, text);
    EXPECT_EQ(state.mode, CalcMode::Quadratic);
    state = CalcState();
    text = "sum(1+2)";
    NormaliseInput(state, text);
    EXPECT_EQ(state.mode, CalcMode::Statistics);
    state = CalcState();
    text = "H2O";
    NormaliseInput(state, text);
    EXPECT_TRUE(state.additiveOnly);
    EXPECT_EQ(text, "H2O");
    text = "2*3";
    NormaliseInput(state, text);
    EXPECT_FALSE(state.additiveOnly);
}

class ExpandFormulasTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ExpandFormulasTest, SpellsOutFormulas) {
    CalcState state;
    state.prevResultText = "12";
    state.memory = 3;
    std::string normal = GetParam().in;
    EXPECT_EQ(ExpandFormulas(state, normal), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExpandFormulasTest,
    ::testing::Values(
        TextCase{"water", "H2O", "1.00794*2+15.9994"},
        TextCase{"coefficient", "2*(H2O)", "2*(1.00794*2+15.9994)"},
        TextCase{"group", "Ca(OH)2", "40.078+(15.9994+1.00794)*2"},
        TextCase{"salt", "NaCl", "22.98977+35.4527"}, TextCase{"binary_minus", "5-3", "5+-3"},
        TextCase{"minus_bracket", "5-(2)", "5+-1*(2)"},
        TextCase{"leading_minus_bracket", "-(2)", "-1*(2)"},
        TextCase{"power_of_negative", "2^-3", "2^-3"}, TextCase{"exponent", "1E-5", "1E-5"},
        TextCase{"square_brackets", "[2+{3}]", "(2+(3))"},
        TextCase{"values_are_not_counts", "H+:mem+:ans", "1.00794+3+12"},
        TextCase{"pi", ":pi", "3.14159265358979"}, TextCase{"function_kept", ":sin30", ":sin30"}),
    testing::RowName());

// A negative previous result or memory stands in brackets, so that it stays
// one operand of a power.
TEST(ExpandFormulasTest, NegativeValuesStayOneOperand) {
    CalcState state;
    state.prevResultText = "-2";
    state.memory = -0.5;
    std::string normal = "1+:ans^2+:mem";
    EXPECT_EQ(ExpandFormulas(state, normal), "1+(-2)^2+(-0.5)");
    EXPECT_EQ(normal, "1+:ans^2+:mem");
    EXPECT_EQ(Evaluate(state, ExpandFormulas(state, normal)), "4.500000000000e000");
}

TEST(ExpandFormulasTest, TracksPrecisionAndUnknownSymbols) {
    CalcState state;
    std::string normal = "Ca(OH)2";
    ExpandFormulas(state, normal);
    EXPECT_EQ(state.decimals, 3);
    normal = "TcO2";
    ExpandFormulas(state, normal);
    EXPECT_EQ(state.decimals, 0);
    normal = "CL";
    EXPECT_EQ(ExpandFormulas(state, normal), "");
    EXPECT_TRUE(state.symbolError);
    EXPECT_EQ(state.badSymbol, "L");
    state = CalcState();
    normal = "AG";
    EXPECT_EQ(ExpandFormulas(state, normal), "107.8682");
    EXPECT_EQ(normal, "Ag");
    EXPECT_FALSE(state.symbolError);
}

class EvaluateTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(EvaluateTest, ComputesTheExpandedText) {
    CalcState state;
    EXPECT_EQ(Evaluate(state, GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EvaluateTest,
    ::testing::Values(
        TextCase{"empty", "", ""}, TextCase{"not_a_number", "???+5", "Type mismatch"},
        TextCase{"exponent_plus", "1E+5+1", "1.000010000000e005"},
        TextCase{"big_sum", "1000000000000000+1", "1.000000000000e015"},
        TextCase{"weights", "1.00794*2+15.9994", "1.801528000000e001"},
        TextCase{"noise_rounded", "0.1+0.2", "3.000000000000e-001"},
        TextCase{"lone_function", ":sqr16", "4.000000000000e000"},
        TextCase{"nested_functions", ":sqr:sqr16", "2.000000000000e000"},
        TextCase{"function_then_power", ":sqr4^2", "4.000000000000e000"},
        TextCase{"percent", "200%5", "1.000000000000e001"},
        TextCase{"double_operator", "2**3", "Syntax error!"},
        TextCase{"empty_brackets_inside", "2*()", "Syntax error!"},
        TextCase{"negative_bracket_squared", "1+(1+-3)^2", "5.000000000000e000"},
        TextCase{"negative_bracket_cubed", "1+(-2)^3", "-7.000000000000e000"},
        TextCase{"subtracted_power", "1+-2^2", "-3.000000000000e000"},
        TextCase{"subtracted_power_chain", "5+-2^2^2", "-1.100000000000e001"},
        TextCase{"power_of_negative_power", "1+(0+-2)^3^2", "6.500000000000e001"},
        TextCase{"negative_bracket_factorial", "1+(0+-2)!", "Error - negative number!"},
        TextCase{"subtracted_factorial", "5+-3!", "-1.000000000000e000"},
        TextCase{"negative_function_value_squared", "1+(:int-2.5)^2", "1.000000000000e001"},
        TextCase{"bracket_joins_function", ":sqr(2*8)", "4.000000000000e000"},
        TextCase{"bracket_joins_factorial", "(1+2)!", "6.000000000000e000"},
        TextCase{"negative_bracket_joins_function", ":abs(0+-3)*2", "6.000000000000e000"},
        TextCase{"exponent_sign_after_bracket", "(2E)+3", "2.000000000000e003"},
        TextCase{"double_minus_is_no_number", "5+--3", "Type mismatch"},
        TextCase{"functions_before_conversion", "?^:log-1", "Log of a negative number!"},
        TextCase{"empty_operand_before_conversion", "???^", "Syntax error!"},
        TextCase{"factorial_before_overflow", "(1E400+-171!+0.54)", "Result is too large!"},
        TextCase{"whole_exponent_of_function", "(-2)^:sqrt(4.0)", "4.000000000000e000"},
        TextCase{"fractional_exponent_of_function", "(-8)^:sqrt2", "Root of a negative number!"},
        TextCase{"small_fraction_exponent", "(-8)^1E-1", "Root of a negative number!"},
        TextCase{"unmatched_close_then_open", "1)+(2", "Missing right bracket ')' !"},
        TextCase{"error_inside_before_missing_bracket", "(1/0))", "Cannot divide by zero!"},
        TextCase{"unmatched_open_stops_first", "(1/0", "Missing right bracket ')' !"}),
    testing::RowName());

TEST(ApplyFunctionTest, NestsAndConvertsAngles) {
    CalcState state;
    state.angleUnit = AngleUnit::Degrees;
    const auto nested = ApplyFunction(state, ":sin:asin0.5");
    ASSERT_FALSE(nested.failed());
    EXPECT_NEAR(nested.value, 0.5, 1e-12);
    state.angleUnit = AngleUnit::Grads;
    EXPECT_NEAR(ApplyFunction(state, ":acos0").value, 100, 1e-12);
    EXPECT_EQ(ApplyFunction(state, ":nope5").message, "Syntax error!");
    EXPECT_EQ(ApplyFunction(state, ":datX").message, "No valid data!");
}

TEST(ApplyFunctionTest, RandomIsSeededAndScaled) {
    CalcState state;
    state.random.seed(42);
    const double first = ApplyFunction(state, ":ran10").value;
    state.random.seed(42);
    EXPECT_EQ(ApplyFunction(state, ":ran10").value, first);
    EXPECT_GE(first, 0);
    EXPECT_LT(first, 10);
}

TEST(ApplyFunctionTest, HugeAnglesOverflow) {
    CalcState state;
    EXPECT_EQ(Evaluate(state, ":sin200000"), "Overflow");
    EXPECT_EQ(Evaluate(state, ":tan1e10"), "Overflow");
    EXPECT_NE(Evaluate(state, ":sin90000"), "Overflow");
}

TEST(RunLineTest, CommandLinesReportFormatAndAngle) {
    CalcState state;
    auto fix = RunLine(state, "#fix2", FormatKind::Automatic, "");
    EXPECT_EQ(fix.newFormat, FormatKind::Fixed);
    EXPECT_EQ(fix.newDecimals, 2);
    auto sci = RunLine(state, "#sci", FormatKind::Automatic, "");
    EXPECT_EQ(sci.newFormat, FormatKind::Scientific);
    EXPECT_EQ(sci.newDecimals, 0);
    auto both = RunLine(state, "#Auto Deg", FormatKind::Automatic, "");
    EXPECT_EQ(both.newFormat, FormatKind::Automatic);
    EXPECT_EQ(both.newAngle, AngleUnit::Degrees);
    auto grad = RunLine(state, "#grad", FormatKind::Automatic, "");
    EXPECT_EQ(grad.newAngle, AngleUnit::Grads);
    EXPECT_FALSE(grad.newFormat);
    EXPECT_EQ(RunLine(state, "#fix1e1", FormatKind::Automatic, "").newDecimals, 10);
    EXPECT_EQ(RunLine(state, "#sci 3.5", FormatKind::Automatic, "").newDecimals, 3.5);
}

TEST(RunLineTest, SeparatorsCanBeHidden) {
    CalcState state;
    state.angleUnit = AngleUnit::Degrees;
    state.showSeparators = false;
    const auto outcome = RunLine(state, "sin30", FormatKind::Automatic, "");
    EXPECT_EQ(outcome.historyText, "sin30");
    EXPECT_EQ(outcome.resultLine, "0.5");
}

TEST(SessionTest, FailedStatisticsReadEmptiesTheData) {
    CalcSession session;
    session.Enter("dat5");
    session.Enter("dat6");
    EXPECT_EQ(session.state().statCount, 2);
    EXPECT_EQ(session.Enter("sum(1+x)").resultLine, "Type mismatch");
    EXPECT_EQ(session.state().statCount, 0);
    EXPECT_EQ(session.Enter("sum").resultLine, "Type mismatch");
}

TEST(SessionTest, StatisticsDisplayAndRedisplay) {
    CalcSession session;
    session.Enter("sum(1+2+3)");
    const auto& display = session.display();
    EXPECT_EQ(display.markers[1], "n = 3");
    EXPECT_EQ(display.markers[3], "Mean =");
    EXPECT_EQ(display.results[1], "6");
    EXPECT_EQ(display.inputs[0], "");
    EXPECT_EQ(display.inputs[1], ":sum(1+2+3)");
    EXPECT_EQ(session.state().mode, CalcMode::StatisticsShown);
    session.SelectFormat(FormatKind::Fixed);
    EXPECT_EQ(display.results[0], "2.00");
    session.Enter("1+1");
    EXPECT_EQ(session.state().mode, CalcMode::Expression);
    EXPECT_EQ(display.markers[1], "");
    EXPECT_EQ(display.results[0], "2.00");
}

TEST(SessionTest, DecimalPlacesBox) {
    CalcSession session;
    EXPECT_EQ(session.SetDecimalPlacesText("15"), 12);
    EXPECT_EQ(session.formatZeros(), "000000000000");
    EXPECT_EQ(session.SetDecimalPlacesText("-3"), 12);
    EXPECT_EQ(session.SetDecimalPlacesText("abc"), 12);
    session.SelectFormat(FormatKind::Fixed);
    session.SetGrouping(true);
    EXPECT_EQ(session.decimalPlaces(), 2);
    EXPECT_EQ(session.SetDecimalPlacesText("5"), 2);
}

TEST(SessionTest, MemoryStoreAndAdd) {
    CalcSession session;
    session.Enter("1.5");
    session.MemoryStore();
    session.MemoryAdd();
    EXPECT_EQ(session.MemoryText(), "3");
    session.Enter("1/0");
    session.MemoryStore();
    EXPECT_EQ(session.state().memory, 3);
}

TEST(SessionTest, UnknownSymbolIsSelectedInTheInputLine) {
    CalcSession session;
    const Entry entry = session.Enter("2+Xy");
    EXPECT_EQ(entry.resultLine, "Xy isn't element symbol!");
    EXPECT_EQ(entry.inputLine, "2+(Xy)");
    EXPECT_EQ(entry.selectionStart, 3u);
    EXPECT_EQ(entry.selectionLength, 2u);
}

// Found by the fuzzer: a case repair re-normalised "X(^2" into a quadratic
// while the expression path was already running.
TEST(BadInputTest, CaseRepairDoesNotSwitchToQuadratic) {
    CalcSession session;
    session.Enter("2");
    const Entry entry = session.Enter("4-x^6Ax(^2");
    EXPECT_EQ(entry.historyText.find("x1"), std::string::npos);
    EXPECT_EQ(session.state().mode, CalcMode::Expression);
    EXPECT_FALSE(session.Enter("4-x^2sssssss{s' s{s'Og ").resultLine.empty());
}

// Any line gives a history text and a result line: never a crash or a hang.
TEST(BadInputTest, HostileLinesEndWithAResult) {
    CalcSession session;
    const std::string nested = std::string(10000, '(') + "1" + std::string(10000, ')');
    EXPECT_EQ(session.Enter(nested).resultLine, "1");
    EXPECT_EQ(session.Enter(std::string(10000, '(')).resultLine, "Missing right bracket ')' !");
    std::string operators;
    for (int i = 0; i < 1000; ++i)
        operators += "1+*/^%-";
    EXPECT_FALSE(session.Enter(operators).resultLine.empty());
    const Entry tooLong = session.Enter(std::string(40000, '1'));
    EXPECT_EQ(tooLong.historyText, "");
    EXPECT_EQ(tooLong.resultLine, "Overflow");
    EXPECT_TRUE(tooLong.tooLong);
    std::mt19937 random(7);
    for (int line = 0; line < 300; ++line) {
        std::string bytes(random() % 40, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() % 256);
        session.Enter(bytes);
    }
}

} // namespace
} // namespace molva
