#include "core/field_reader.h"
#include "param_name.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

TEST(FieldReaderTest, ReadsQuotedTextsWithCommasAndSpacesAndBareNumbers) {
    FieldReader reader("0.8,\" A, B -> C \"\r\n.5,\"x\"\n-2,unquoted text ,\"last\"");
    EXPECT_EQ(reader.readNumber(), 0.8);
    EXPECT_EQ(reader.readText(), " A, B -> C ");
    EXPECT_EQ(reader.readNumber(), 0.5);
    EXPECT_EQ(reader.readText(), "x");
    EXPECT_EQ(reader.readNumber(), -2);
    EXPECT_EQ(reader.readText(), "unquoted text");
    EXPECT_EQ(reader.readText(), "last");
}

TEST(FieldReaderTest, KeepsEightBitBytes) {
    const std::string text = "Cu \xb7\x8d\xa2";
    FieldReader reader("\"" + text + "\"");
    EXPECT_EQ(reader.readText(), text);
}

struct BadField {
    const char* name;
    std::string_view content;
    const char* error;
};

class FieldReaderErrorTest : public ::testing::TestWithParam<BadField> {};

TEST_P(FieldReaderErrorTest, ReportsWhatIsWrong) {
    FieldReader reader{std::string(GetParam().content)};
    const bool firstOk = reader.readNumber().has_value();
    const bool secondOk = firstOk && reader.readText().has_value();
    EXPECT_FALSE(secondOk);
    EXPECT_EQ(reader.error(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FieldReaderErrorTest,
    ::testing::Values(
        BadField{"empty_file", "", "the file ends before this field"},
        BadField{"missing_text", "1.5\r\n", "the file ends before this field"},
        BadField{"word_for_number", "abc,\"x\"", "\"abc\" is not a number"},
        BadField{"number_with_unit", "1.5 V,\"x\"", "\"1.5 V\" is not a number"},
        BadField{"empty_number", ",\"x\"", "\"\" is not a number"},
        BadField{"unterminated_quote", "1,\"A -> B + e\r\n", "a quoted text has no closing quote"},
        BadField{"text_after_quote", "1,\"A\"B\r\n", "unexpected characters after a quoted text"},
        BadField{"beyond_double_range", "1e999,\"x\"", "\"1e999\" is not a number"},
        BadField{"below_double_range", "-1e400,\"x\"", "\"-1e400\" is not a number"},
        BadField{"nul_byte_shown",
                 std::string_view("1\0"
                                  "2,\"x\"",
                                  7),
                 "\"1\\x002\" is not a number"},
        BadField{"control_byte_shown", "1\x07,\"x\"", "\"1\\x07\" is not a number"},
        BadField{"long_field_shortened", "1234567890123456789012345678901234567890X,\"x\"",
                 "\"1234567890123456789012345678901234567890...\" is not a number"}),
    testing::RowName());

} // namespace
} // namespace galvix
