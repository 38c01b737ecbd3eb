#include "core/half_reaction_table.h"
#include "core/reaction_sources.h"
#include "param_name.h"
#include "temp_data_dir.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

using testing::TempDataDir;

const std::string kSources = "\"Cu -> Cu\x8d\xa2 + 2e\",\"OpenStax Chemistry 2e, Appendix L\"\r\n"
                             "\"Ce\x8e\xa2 -> Ce\x8f\xa2 + e\",\"CRC Handbook, electrochemical "
                             "series\"\r\n";

struct LookupCase {
    const char* name;
    std::string file;
    std::string text;
    std::optional<std::string> source;
};

class SourceLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(SourceLookupTest, FindsTheSourceOfBuiltInTextsOnly) {
    TempDataDir dir;
    if (!GetParam().file.empty())
        dir.write(SourcesFileName, GetParam().file);
    const auto sources = ReactionSources::Load(dir.directory());
    EXPECT_EQ(sources.SourceOf(GetParam().text), GetParam().source);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SourceLookupTest,
    ::testing::Values(
        LookupCase{"oxidation_text", kSources, "Cu -> Cu\x8d\xa2 + 2e",
                   "OpenStax Chemistry 2e, Appendix L"},
        LookupCase{"reduction_text", kSources, "Cu\x8d\xa2 + 2e -> Cu",
                   "OpenStax Chemistry 2e, Appendix L"},
        LookupCase{"second_record", kSources, "Ce\x8f\xa2 + e -> Ce\x8e\xa2",
                   "CRC Handbook, electrochemical series"},
        LookupCase{"custom_text", kSources, "Ag\xa2 + e -> Ag", std::nullopt},
        LookupCase{"text_with_other_spacing", kSources, "Cu ->  Cu\x8d\xa2 + 2e", std::nullopt},
        LookupCase{"missing_file", "", "Cu -> Cu\x8d\xa2 + 2e", std::nullopt},
        LookupCase{"records_before_damage_kept", kSources + "\"Zn -> Zn\x8d\xa2 + 2e\r\n",
                   "Cu -> Cu\x8d\xa2 + 2e", "OpenStax Chemistry 2e, Appendix L"},
        LookupCase{"damaged_record_dropped", kSources + "\"Zn -> Zn\x8d\xa2 + 2e\r\n",
                   "Zn -> Zn\x8d\xa2 + 2e", std::nullopt}),
    testing::RowName());

TEST(ShippedSourcesTest, EveryBuiltInEntryHasASourceAndNothingElseDoes) {
    const std::string dataDir = GALVIX_SHIPPED_DATA_DIR;
    const auto load = LoadTable(dataDir);
    ASSERT_TRUE(load.ok()) << load.error;
    const auto sources = ReactionSources::Load(dataDir);
    EXPECT_EQ(sources.count(), static_cast<std::size_t>(BuiltInCount));
    for (int i = 1; i <= BuiltInCount; ++i) {
        const auto& entry = load.table[i];
        const auto source = sources.SourceOf(entry.reductionText);
        ASSERT_TRUE(source) << "record " << i;
        EXPECT_FALSE(source->empty()) << "record " << i;
        EXPECT_EQ(sources.SourceOf(entry.oxidationText), source) << "record " << i;
    }
}

} // namespace
} // namespace galvix
