#include "engine/calc_state.h"
#include "engine/format_number.h"
#include "engine/messages.h"
#include "engine/number_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace molva {
namespace {

struct NumericCase {
    const char* text;
    char separator;
    bool numeric;
    double value;
};

class NumericTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericTest, FollowsTheNumericRule) {
    const NumericCase& c = GetParam();
    EXPECT_EQ(IsNumeric(c.text, c.separator), c.numeric) << c.text;
    if (c.numeric) {
        EXPECT_DOUBLE_EQ(ToNumber(c.text, c.separator), c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumericTest,
    ::testing::Values(NumericCase{"12", '.', true, 12}, NumericCase{" -1.5\t", '.', true, -1.5},
                      NumericCase{"+.5", '.', true, 0.5}, NumericCase{"5.", '.', true, 5},
                      NumericCase{"1,234.5", '.', true, 1234.5},
                      NumericCase{"1.234,5", ',', true, 1234.5}, NumericCase{"1,5", ',', true, 1.5},
                      NumericCase{"1.23 E+06", '.', true, 1.23e6},
                      NumericCase{"1E-05", '.', true, 1e-5}, NumericCase{"2e3", '.', true, 2000},
                      NumericCase{"", '.', false, 0}, NumericCase{" ", '.', false, 0},
                      NumericCase{".", '.', false, 0}, NumericCase{"-", '.', false, 0},
                      NumericCase{"1,5", '.', true, 15}, NumericCase{",5", '.', false, 0},
                      NumericCase{"1,", '.', false, 0}, NumericCase{"1.5.2", '.', false, 0},
                      NumericCase{"1E", '.', false, 0}, NumericCase{"1  E5", '.', false, 0},
                      NumericCase{"1 2", '.', false, 0}, NumericCase{"???", '.', false, 0},
                      NumericCase{"inf", '.', false, 0}, NumericCase{"0x10", '.', false, 0},
                      NumericCase{"1e-400", '.', true, 0}));

TEST(NumericTest, ConversionFailuresHaveTheirDescriptions) {
    try {
        ToNumber("abc", '.');
        FAIL();
    } catch (const CalcFailure& failure) {
        EXPECT_STREQ(failure.description, "Type mismatch");
    }
    try {
        ToNumber("1e999", '.');
        FAIL();
    } catch (const CalcFailure& failure) {
        EXPECT_STREQ(failure.description, "Overflow");
    }
}

TEST(PlainTextTest, WritesFifteenSignificantDigits) {
    EXPECT_EQ(PlainText(1.00794 * 2, '.'), "2.01588");
    EXPECT_EQ(PlainText(1e15, '.'), "1E+15");
    EXPECT_EQ(PlainText(1e-5, ','), "1E-05");
    EXPECT_EQ(PlainText(0.5, ','), "0,5");
    EXPECT_EQ(PlainText(-0.0, '.'), "0");
    EXPECT_EQ(PlainText(1.0 / 3, '.'), "0.333333333333333");
}

// The fast paths of the number texts against the C library's own conversions,
// over short decimals (the common case) and arbitrary doubles.
TEST(PlainTextTest, AgreesWithPrintfOnManyValues) {
    std::mt19937_64 random(12345);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<long long> mantissa(-99999999, 99999999);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 200000; ++i) {
        const double value = i % 2 == 0 ? static_cast<double>(mantissa(random)) *
                                              std::pow(10.0, exponent(random) / 3)
                                        : unit(random) * std::pow(10.0, exponent(random) * 10);
        if (value == 0)
            continue;
        std::array<char, 64> general{}, scientific{};
        std::snprintf(general.data(), general.size(), "%.15G", value);
        std::snprintf(scientific.data(), scientific.size(), "%.12e", value);
        ASSERT_EQ(PlainText(value, '.'), general.data()) << value;
        std::string expected = scientific.data();
        const std::size_t e = expected.find('e');
        std::string exponentDigits = expected.substr(e + 2);
        while (exponentDigits.size() < 3)
            exponentDigits.insert(0, "0");
        expected = expected.substr(0, e + 1) + (expected[e + 1] == '-' ? "-" : "") + exponentDigits;
        ASSERT_EQ(EvaluatorForm(value, '.'), expected) << value;
        ASSERT_EQ(ToNumber(general.data(), '.'), std::strtod(general.data(), nullptr)) << value;
    }
}

TEST(EvaluatorFormTest, TwelveDecimalsAndThreeExponentDigits) {
    EXPECT_EQ(EvaluatorForm(159.6096, '.'), "1.596096000000e002");
    EXPECT_EQ(EvaluatorForm(0.1 + 0.2, '.'), "3.000000000000e-001");
    EXPECT_EQ(EvaluatorForm(0, '.'), "0.000000000000e000");
    EXPECT_EQ(EvaluatorForm(-2.5e-300, ','), "-2,500000000000e-300");
}

struct FormatCase {
    const char* name;
    const char* value;
    FormatKind kind;
    const char* zeros;
    bool grouping;
    int decimals;
    const char* expected;
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, ShowsTheChosenFormat) {
    const FormatCase& c = GetParam();
    CalcState state;
    state.decimals = static_cast<std::int16_t>(c.decimals);
    EXPECT_EQ(FormatNumber(c.value, c.kind, c.zeros, c.grouping, state), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatNumberTest,
    ::testing::Values(
        FormatCase{"message_unchanged", "Syntax error!", FormatKind::Fixed, "00", false, 10,
                   "Syntax error!"},
        FormatCase{"fixed", "1234.5", FormatKind::Fixed, "000", false, 10, "1234.500"},
        FormatCase{"fixed_grouped_is_standard", "1234.5", FormatKind::Fixed, "000", true, 10,
                   "1,234.50"},
        FormatCase{"standard_millions", "-1234567.891", FormatKind::Fixed, "", true, 10,
                   "-1,234,567.89"},
        FormatCase{"fixed_no_zeros", "98.4", FormatKind::Fixed, "", false, 10, "98."},
        FormatCase{"fixed_negative_to_zero", "-0.001", FormatKind::Fixed, "00", false, 10, "-0.00"},
        FormatCase{"scientific", "1234.5", FormatKind::Scientific, "00", false, 10, "1.23 E+03"},
        FormatCase{"scientific_small", "0.5", FormatKind::Scientific, "00", false, 10, "5.00 E-01"},
        FormatCase{"scientific_no_zeros", "1234.5", FormatKind::Scientific, "", false, 10,
                   "1. E+03"},
        FormatCase{"scientific_big_exponent", "1e300", FormatKind::Scientific, "0", false, 10,
                   "1.0 E+300"},
        FormatCase{"formula_fixed", "58.44247", FormatKind::FormulaFixed, "0000", false, 4,
                   "58.4425"},
        FormatCase{"formula_no_decimals", "98", FormatKind::FormulaFixed, "", false, 0, "98."},
        FormatCase{"formula_without_elements", "3.000000000000e-001", FormatKind::FormulaFixed,
                   "0000000000", false, 10, "0.3"},
        FormatCase{"automatic", "3.000000000000e-001", FormatKind::Automatic, "00", false, 10,
                   "0.3"},
        FormatCase{"automatic_reads_scientific_display", "1.23 E+06", FormatKind::Automatic, "",
                   false, 10, "1230000"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FormatNumberTest, UsesTheCommaSeparator) {
    CalcState state;
    state.decimalSeparator = ',';
    EXPECT_EQ(FormatNumber("1234,5", FormatKind::Fixed, "000", true, state), "1.234,50");
    EXPECT_EQ(FormatNumber("1234,5", FormatKind::Scientific, "00", false, state), "1,23 E+03");
}

} // namespace
} // namespace molva
