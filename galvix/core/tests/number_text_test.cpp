#include "core/number_text.h"
#include "param_name.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace galvix {
namespace {

struct FormatCase {
    const char* name;
    double value;
    const char* expected;
};

class GeneralFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GeneralFormatTest, WritesFifteenSignificantDigits) {
    EXPECT_EQ(GeneralFormat(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GeneralFormatTest,
    ::testing::Values(FormatCase{"whole", 2.0, "2"}, FormatCase{"fraction", 0.34, "0.34"},
                      FormatCase{"negative", -0.34, "-0.34"},
                      FormatCase{"log_k_of_copper", 16.92 * (0.34 * 2), "11.5056"},
                      FormatCase{"free_energy", -2 * (1.14 * 96.485), "-219.9858"},
                      FormatCase{"small_exponent", 0.00001, "1E-05"},
                      FormatCase{"smallest_plain", 0.0001, "0.0001"},
                      FormatCase{"large_exponent", 1e15, "1E+15"},
                      FormatCase{"largest_plain", 123456789012345.0, "123456789012345"},
                      FormatCase{"rounds_to_fifteen", 1.0 / 3.0, "0.333333333333333"},
                      FormatCase{"float_noise_removed", 0.1 + 0.2, "0.3"},
                      FormatCase{"negative_zero", -0.0, "0"},
                      FormatCase{"huge", 1.5e300, "1.5E+300"}),
    testing::RowName());

struct PrefixCase {
    const char* name;
    const char* text;
    double expected;
};

class NumericPrefixValueTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(NumericPrefixValueTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(NumericPrefixValue(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumericPrefixValueTest,
    ::testing::Values(PrefixCase{"volts", "0.34 V", 0.34}, PrefixCase{"negative", "-1.14 V", -1.14},
                      PrefixCase{"plus_sign", "+2", 2}, PrefixCase{"no_leading_zero", ".8", 0.8},
                      PrefixCase{"trailing_point", "5.", 5},
                      PrefixCase{"exponent", "1E-05 x", 1e-5},
                      PrefixCase{"incomplete_exponent", "3E", 3},
                      PrefixCase{"exponent_sign_only", "3e+ V", 3},
                      PrefixCase{"free_energy", "-219.9858 kJ/mol", -219.9858},
                      PrefixCase{"not_a_number", "V 1", 0}, PrefixCase{"empty", "", 0},
                      PrefixCase{"sign_only", "-", 0}, PrefixCase{"point_only", ".", 0},
                      PrefixCase{"underflow", "1e-999", 0}),
    testing::RowName());

TEST(NumericPrefixValueTest, ReadsAnInfinityBeyondTheDoubleRange) {
    EXPECT_EQ(NumericPrefixValue("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumericPrefixValue("-1e999"), -std::numeric_limits<double>::infinity());
}

TEST(NumericPrefixValueTest, ReadsBackEveryGeneralFormat) {
    for (double value : {0.34, -219.9858, 1e-5, 1e15, 11.5056, 6.02214076e23})
        EXPECT_DOUBLE_EQ(NumericPrefixValue(GeneralFormat(value) + " V"), value) << value;
}

} // namespace
} // namespace galvix
