// Chem bytes to UTF-8 with real sub- and superscripts, and back.
#include "core/chem_unicode.h"
#include "param_name.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

struct UnicodeCase {
    const char* name;
    const char* chem; // Chem bytes
    const char* utf8;
};

class ChemUnicodeTest : public ::testing::TestWithParam<UnicodeCase> {};

TEST_P(ChemUnicodeTest, WritesTheChemCodesAsRealCharacters) {
    EXPECT_EQ(ChemToUtf8(GetParam().chem), GetParam().utf8);
}

TEST_P(ChemUnicodeTest, ReadsThemBack) {
    EXPECT_EQ(Utf8ToChem(GetParam().utf8), GetParam().chem);
}

TEST_P(ChemUnicodeTest, ReadsThemBackExactly) {
    const ChemFromUtf8 read = ReadChemText(GetParam().utf8);
    EXPECT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.chem, GetParam().chem);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChemUnicodeTest,
    ::testing::Values(UnicodeCase{"plain_ascii", "Zn -> Zn + 2e", "Zn -> Zn + 2e"},
                      UnicodeCase{"every_subscript", "\xb5\xb6\xb7\xb8\xb9\xba\xbb\xbc\xbd\xbe",
                                  "₀₁₂₃₄₅₆₇₈₉"},
                      UnicodeCase{"every_superscript_digit",
                                  "\x8c\x8d\x8e\x8f\x90\x91\x92\x93\x94\x95", "¹²³⁴⁵⁶⁷⁸⁹⁰"},
                      UnicodeCase{"charges", "Cr\xb7O\xbc\x8d\xa3 + Fe\x8e\xa2", "Cr₂O₇²⁻ + Fe³⁺"},
                      UnicodeCase{"radical_dot", "HO\xb7\xfa", "HO₂·"},
                      UnicodeCase{"delta_sign", "\xd3G = ", "ΔG = "},
                      UnicodeCase{"windows_1252_signs", "\x80 \x99", "€ ™"},
                      UnicodeCase{"latin_1_letter", "caf\xe9", "café"}),
    testing::RowName());

TEST(ChemUnicodeTest, WritesTheStandardStateMarkAsADegreeSign) {
    EXPECT_EQ(ChemToUtf8("\xd3G\xf8= -212.267 kJ/mol"), "ΔG° = -212.267 kJ/mol");
    EXPECT_EQ(ChemToUtf8("\xf8"), "°");
}

struct OneWayCase {
    const char* name;
    const char* utf8;
    const char* chem;
};

class Utf8ToChemTest : public ::testing::TestWithParam<OneWayCase> {};

TEST_P(Utf8ToChemTest, MarksWhatHasNoChemCode) {
    EXPECT_EQ(Utf8ToChem(GetParam().utf8), GetParam().chem);
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8ToChemTest,
                         ::testing::Values(OneWayCase{"degree_sign_stays_windows_1252", "25 °C",
                                                      "25 \xb0"
                                                      "C"},
                                           OneWayCase{"outside_windows_1252", "α → β", "? ? ?"},
                                           OneWayCase{"four_byte_character", "x😀y", "x?y"},
                                           OneWayCase{"broken_sequence",
                                                      "a\xe2\x82"
                                                      "b",
                                                      "a??b"},
                                           OneWayCase{"stray_continuation_byte", "\x80z", "?z"},
                                           OneWayCase{"cut_off_at_the_end", "H\xe2\x82", "H??"}),
                         testing::RowName());

struct FaultCase {
    const char* name;
    const char* utf8;
    const char* error;
};

class ReadChemTextFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ReadChemTextFaultTest, NamesWhatHasNoChemByte) {
    EXPECT_EQ(ReadChemText(GetParam().utf8).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadChemTextFaultTest,
    ::testing::Values(
        FaultCase{"outside_windows_1252", "Zn → Zn²⁺",
                  "the character \"→\" (U+2192) cannot be written in a half reaction"},
        FaultCase{"byte_the_chem_font_draws_otherwise", "Zn¢",
                  "the character \"¢\" (U+00A2) cannot be written in a half reaction"},
        FaultCase{"latin_micro_is_a_subscript_code", "µ",
                  "the character \"µ\" (U+00B5) cannot be written in a half reaction"},
        FaultCase{"four_byte_character", "x😀y",
                  "the character \"😀\" (U+1F600) cannot be written in a half reaction"},
        FaultCase{"truncated_sequence", "Zn\xc2", "the text is not UTF-8"},
        FaultCase{"overlong_form", "\xc0\xaf", "the text is not UTF-8"},
        FaultCase{"surrogate", "\xed\xa0\x80", "the text is not UTF-8"},
        FaultCase{"windows_1252_byte_alone", "Zn\xa2", "the text is not UTF-8"}),
    testing::RowName());

} // namespace
} // namespace galvix
