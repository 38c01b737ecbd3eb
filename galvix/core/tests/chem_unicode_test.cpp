// Chem texts as UTF-8 with real subscripts and superscripts, and back.
#include "core/chem_unicode.h"
#include "param_name.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

struct ConversionCase {
    const char* name;
    const char* chem; // Windows-1252 bytes in the Chem notation
    const char* utf8;
};

class ChemToUtf8Test : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ChemToUtf8Test, WritesRealCharacters) {
    EXPECT_EQ(ChemToUtf8(GetParam().chem), GetParam().utf8);
}

TEST_P(ChemToUtf8Test, ReadsThemBack) {
    const ChemFromUtf8 read = Utf8ToChem(GetParam().utf8);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.chem, GetParam().chem);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChemToUtf8Test,
    ::testing::Values(
        ConversionCase{"plain_ascii", "Zn -> Zn + 2e\r\n", "Zn -> Zn + 2e\r\n"},
        ConversionCase{"charge_two_plus", "Zn\x8d\xa2", "Zn²⁺"},
        ConversionCase{"subscripts", "H\xb7O", "H₂O"},
        ConversionCase{"every_subscript", "\xb5\xb6\xb7\xb8\xb9\xba\xbb\xbc\xbd\xbe", "₀₁₂₃₄₅₆₇₈₉"},
        ConversionCase{"every_superscript", "\x95\x8c\x8d\x8e\x8f\x90\x91\x92\x93\x94",
                       "⁰¹²³⁴⁵⁶⁷⁸⁹"},
        ConversionCase{"signs_and_radical_dot", "OH\xfa NO\xb7\xa3 Fe\xa2", "OH· NO₂⁻ Fe⁺"},
        ConversionCase{"free_energy_line", "\xd3G\xf8= -212.267 kJ/mol", "ΔG° = -212.267 kJ/mol"},
        ConversionCase{"other_windows_1252", "caf\xe9 \x80 \x85", "café € …"},
        ConversionCase{"undefined_byte_kept", "\x81", "\u0081"}),
    testing::RowName());

struct FaultCase {
    const char* name;
    const char* utf8;
    const char* error;
};

class Utf8ToChemFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Utf8ToChemFaultTest, NamesTheCharacter) {
    EXPECT_EQ(Utf8ToChem(GetParam().utf8).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8ToChemFaultTest,
    ::testing::Values(
        FaultCase{"outside_windows_1252", "Zn → Zn²⁺",
                  "the character \"→\" (U+2192) cannot be written in a half reaction"},
        FaultCase{"byte_the_chem_font_draws_otherwise", "Zn¢",
                  "the character \"¢\" (U+00A2) cannot be written in a half reaction"},
        FaultCase{"latin_micro_is_a_subscript_code", "µ",
                  "the character \"µ\" (U+00B5) cannot be written in a half reaction"},
        FaultCase{"truncated_sequence", "Zn\xc2", "the text is not UTF-8"},
        FaultCase{"overlong_form", "\xc0\xaf", "the text is not UTF-8"},
        FaultCase{"surrogate", "\xed\xa0\x80", "the text is not UTF-8"},
        FaultCase{"windows_1252_byte_alone", "Zn\xa2", "the text is not UTF-8"}),
    testing::RowName());

} // namespace
} // namespace galvix
