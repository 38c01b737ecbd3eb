#include "engine/calc_state.h"
#include "engine/format_number.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "row_name.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace molva {
namespace {

struct NumericCase {
    const char* name;
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
    ::testing::Values(NumericCase{"whole", "12", '.', true, 12},
                      NumericCase{"blanks_around", " -1.5\t", '.', true, -1.5},
                      NumericCase{"plus_and_point_first", "+.5", '.', true, 0.5},
                      NumericCase{"point_last", "5.", '.', true, 5},
                      NumericCase{"thousands", "1,234.5", '.', true, 1234.5},
                      NumericCase{"thousands_comma_locale", "1.234,5", ',', true, 1234.5},
                      NumericCase{"comma_decimal", "1,5", ',', true, 1.5},
                      NumericCase{"scientific_display", "1.23 E+06", '.', true, 1.23e6},
                      NumericCase{"plain_exponent", "1E-05", '.', true, 1e-5},
                      NumericCase{"lower_case_exponent", "2e3", '.', true, 2000},
                      NumericCase{"empty", "", '.', false, 0},
                      NumericCase{"blank", " ", '.', false, 0},
                      NumericCase{"point_alone", ".", '.', false, 0},
                      NumericCase{"sign_alone", "-", '.', false, 0},
                      NumericCase{"comma_between_digits", "1,5", '.', true, 15},
                      NumericCase{"comma_first", ",5", '.', false, 0},
                      NumericCase{"comma_last", "1,", '.', false, 0},
                      NumericCase{"two_points", "1.5.2", '.', false, 0},
                      NumericCase{"exponent_without_digits", "1E", '.', false, 0},
                      NumericCase{"two_spaces_before_exponent", "1  E5", '.', false, 0},
                      NumericCase{"space_between_digits", "1 2", '.', false, 0},
                      NumericCase{"question_marks", "???", '.', false, 0},
                      NumericCase{"infinity_word", "inf", '.', false, 0},
                      NumericCase{"hexadecimal", "0x10", '.', false, 0},
                      NumericCase{"underflow_is_zero", "1e-400", '.', true, 0}),
    testing::RowName());

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

// The rounding of results agrees with writing them as text and reading them
// back, over short decimals, arbitrary doubles and values next to a half or a
// power of ten, where the fast path must step aside.
TEST(RoundToSignificantTest, AgreesWithTheTextsReadBack) {
    std::mt19937_64 random(2024);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<long long> mantissa(-99999999, 99999999);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::vector<double> values = {1e15,
                                  1e-7,
                                  0.1,
                                  0.3,
                                  999999999999999.5,
                                  9.9999999999999995,
                                  0.5,
                                  2.5,
                                  1.00000000000005,
                                  123456789012345.5};
    for (int i = 0; i < 200000; ++i) {
        const double base = i % 3 == 0 ? static_cast<double>(mantissa(random)) *
                                             std::pow(10.0, exponent(random) / 3)
                            : i % 3 == 1 ? unit(random) * std::pow(10.0, exponent(random) / 2)
                                         : std::pow(10.0, exponent(random) / 2);
        values.push_back(base);
        values.push_back(std::nextafter(base, 0.0));
        values.push_back(std::nextafter(base, 1e300));
    }
    for (const double value : values) {
        ASSERT_EQ(RoundToSignificant(value, 15), ToNumber(PlainText(value, '.'), '.')) << value;
        ASSERT_EQ(RoundToSignificant(value, 13), ToNumber(EvaluatorForm(value, '.'), '.')) << value;
    }
    EXPECT_EQ(RoundToSignificant(1.7976931348623157e308, 15),
              std::numeric_limits<double>::infinity());
    EXPECT_FALSE(std::signbit(RoundToSignificant(-0.0, 15)));
}

struct PlainCase {
    const char* name;
    const char* text;
    bool plain;
};

class PlainTextFormTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainTextFormTest, TellsTheTextsThatArePlainAlready) {
    EXPECT_EQ(IsPlainText(GetParam().text, '.'), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlainTextFormTest,
    ::testing::Values(PlainCase{"zero", "0", true}, PlainCase{"negative_zero", "-0", false},
                      PlainCase{"fraction", "58.4425", true}, PlainCase{"negative", "-0.5", true},
                      PlainCase{"trailing_zero", "58.4420", false},
                      PlainCase{"leading_zero", "012", false},
                      PlainCase{"separator_last", "98.", false},
                      PlainCase{"separator_first", ".5", false},
                      PlainCase{"smallest_fixed", "0.0001", true},
                      PlainCase{"exponent_form_below", "0.00001", false},
                      PlainCase{"fifteen_digits", "123456789012345", true},
                      PlainCase{"sixteen_digits", "1234567890123456", false},
                      PlainCase{"sixteen_digits_with_fraction", "1234567.890123456", false},
                      PlainCase{"exponent", "1E+15", false}, PlainCase{"grouped", "1,234", false},
                      PlainCase{"message", "Overflow", false}, PlainCase{"empty", "", false}),
    testing::RowName());

// A text taken as plain must be what the general format writes for its value,
// and the plain text of a value in the fixed range must be taken as plain.
TEST(PlainTextFormTest, AgreesWithThePlainTextOfTheValue) {
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 18);
    for (int i = 0; i < 100000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int integerDigits = length(random) % 6;
        for (int k = 0; k < std::max(integerDigits, 1); ++k)
            text += static_cast<char>('0' + digit(random));
        if (random() % 2 == 0) {
            text += '.';
            for (int k = length(random); k > 0; --k)
                text += static_cast<char>('0' + digit(random));
        }
        if (IsPlainText(text, '.')) {
            ASSERT_EQ(PlainText(ToNumber(text, '.'), '.'), text);
        }
        const double value = ToNumber(text, '.');
        const std::string plain = PlainText(value, '.');
        if (plain.find('E') == std::string::npos) {
            ASSERT_TRUE(IsPlainText(plain, '.')) << plain;
        }
    }
}

// The fixed decimals agree with the general conversion of the C++ library,
// over short decimals and arbitrary doubles.
TEST(FormatNumberTest, FixedDecimalsAgreeWithTheLibrary) {
    std::mt19937_64 random(8);
    std::uniform_int_distribution<int> exponent(-12, 16);
    std::uniform_real_distribution<double> unit(-1, 1);
    CalcState state;
    for (int i = 0; i < 100000; ++i) {
        const double value = i % 2 == 0 ? std::round(unit(random) * 1e7) / 1e4
                                        : unit(random) * std::pow(10.0, exponent(random));
        const int decimals = static_cast<int>(random() % 13);
        std::array<char, 400> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals)
                             .ptr;
        std::string expected(buffer.data(), end);
        if (decimals == 0)
            expected += '.';
        ASSERT_EQ(FormatValue(value, FormatKind::Fixed, ZerosFor(decimals), false, state), expected)
            << value << " " << decimals;
    }
}

struct LeadingCase {
    const char* name;
    const char* text;
    char separator;
    double value;
};

class LeadingValueTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingValueTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(LeadingValue(GetParam().text, GetParam().separator), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, LeadingValueTest,
                         ::testing::Values(LeadingCase{"digits", "4", '.', 4},
                                           LeadingCase{"exponent", "1e1", '.', 10},
                                           LeadingCase{"exponent_then_words", "2E1 deg", '.', 20},
                                           LeadingCase{"blank_before", " 3", '.', 3},
                                           LeadingCase{"exponent_without_digits", "3e", '.', 3},
                                           LeadingCase{"fraction", "2.5x", '.', 2.5},
                                           LeadingCase{"comma_separator", "2,5", ',', 2.5},
                                           LeadingCase{"no_number", "deg", '.', 0},
                                           LeadingCase{"sign_only", "-", '.', 0},
                                           LeadingCase{"beyond_range", "1e999", '.',
                                                       std::numeric_limits<double>::infinity()}),
                         testing::RowName());

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
    testing::RowName());

TEST(FormatNumberTest, UsesTheCommaSeparator) {
    CalcState state;
    state.decimalSeparator = ',';
    EXPECT_EQ(FormatNumber("1234,5", FormatKind::Fixed, "000", true, state), "1.234,50");
    EXPECT_EQ(FormatNumber("1234,5", FormatKind::Scientific, "00", false, state), "1,23 E+03");
}

} // namespace
} // namespace molva
