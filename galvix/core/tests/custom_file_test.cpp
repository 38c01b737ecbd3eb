// Custom.dat rewritten by the editor: whatever the reader accepts is written
// back so that it reads the same, and nothing is written that would not.
#include "core/custom_reactions.h"
#include "param_name.h"
#include "temp_data_dir.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

using testing::TempDataDir;

CustomRead ReadBytes(const TempDataDir& dir, const std::string& bytes) {
    dir.write("Custom.dat", bytes);
    return ReadCustomRecords(dir.directory() + "Custom.dat");
}

struct AcceptedFile {
    const char* name;
    std::string bytes;
};

class CustomRoundTripTest : public ::testing::TestWithParam<AcceptedFile> {};

TEST_P(CustomRoundTripTest, ReadWriteReadKeepsEveryRecord) {
    TempDataDir dir;
    const CustomRead first = ReadBytes(dir, GetParam().bytes);
    ASSERT_TRUE(first.ok()) << first.error;
    const auto written = FormatCustomFile(first.records);
    ASSERT_TRUE(written);
    const CustomRead second = ReadBytes(dir, *written);
    ASSERT_TRUE(second.ok()) << second.error << "\n" << *written;
    ASSERT_EQ(second.records.size(), first.records.size());
    for (std::size_t k = 0; k < first.records.size(); ++k) {
        EXPECT_EQ(second.records[k].text, first.records[k].text) << k;
        EXPECT_EQ(second.records[k].potential, first.records[k].potential) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CustomRoundTripTest,
    ::testing::Values(
        AcceptedFile{"empty", "0\r\n"},
        AcceptedFile{"quoted", "1\r\n\"Ag -> Ag+ + e\",-0.8\r\n"},
        AcceptedFile{"bare_text_with_quote", "1\r\nA\"B -> C + e,0.5\r\n"},
        AcceptedFile{"bare_text_with_quote_at_its_end", "1\r\nA -> B + e\",0.5\r\n"},
        AcceptedFile{"bare_text_trimmed", "1\r\n  A -> B + e  ,0.5\r\n"},
        AcceptedFile{"quoted_comma_and_spaces", "1\r\n\" A, B -> C + 2e \",1.5\r\n"},
        AcceptedFile{"quoted_line_end", "1\r\n\"A\r\nB -> C + e\",1\r\n"},
        AcceptedFile{"empty_text", "1\r\n\"\",1\r\n"},
        AcceptedFile{"lone_carriage_return", "1\r\nA\"\r,1\r\n"},
        AcceptedFile{"seventeen_digits", "1\r\n\"A -> B + e\",0.12345678901234567\r\n"},
        AcceptedFile{"tiny_and_huge", "2\r\n\"A -> B + e\",1e-300\r\n\"C -> D + e\",-1.7e308\r\n"},
        AcceptedFile{"no_leading_zero_and_lf", "1\n\"A -> B + e\",.8\n"},
        AcceptedFile{"count_with_decimals", "1.0\r\n\"A -> B + e\",2\r\n"}),
    testing::RowName());

struct UnwritableRecord {
    const char* name;
    CustomRecord record;
};

class CustomUnwritableTest : public ::testing::TestWithParam<UnwritableRecord> {};

TEST_P(CustomUnwritableTest, IsRefusedRatherThanWrittenWrong) {
    EXPECT_FALSE(FormatCustomFile({{"A -> B + e", 1}, GetParam().record}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CustomUnwritableTest,
    ::testing::Values(UnwritableRecord{"quote_and_comma", {"A\", B -> C + e", 1}},
                      UnwritableRecord{"quote_and_line_end", {"A\"\nB -> C + e", 1}},
                      UnwritableRecord{"starts_with_quote", {"\"A -> B + e", 1}},
                      UnwritableRecord{"quote_and_leading_space", {" A\" -> B + e", 1}},
                      UnwritableRecord{"infinite_potential", {"A -> B + e", 1e308 * 10}}),
    testing::RowName());

} // namespace
} // namespace galvix
