#include "core/find_text.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

const std::vector<std::string> kEntries = {"Fe -> Fe2+ + 2e", "Cu -> Cu2+ + 2e", "H2 -> 2 H+ + 2e",
                                           "Cu+ -> Cu2+ + e"};

TEST(FindTextTest, EmptySearchMatchesTheFirstEntry) {
    EXPECT_EQ(FindEntryText(kEntries, 0, "", false, false), 0u);
    EXPECT_EQ(FindEntryText(kEntries, 2, "", false, false), 2u);
}

TEST(FindTextTest, MatchCaseDecidesWhetherCaseCounts) {
    EXPECT_EQ(FindEntryText(kEntries, 0, "cu", false, false), 1u);
    EXPECT_EQ(FindEntryText(kEntries, 0, "cu", true, false), std::nullopt);
    EXPECT_EQ(FindEntryText(kEntries, 0, "Cu", true, false), 1u);
}

TEST(FindTextTest, WholeWordNeedsSpacesOrEnds) {
    EXPECT_EQ(FindEntryText(kEntries, 0, "Cu", false, true), 1u);
    EXPECT_EQ(FindEntryText(kEntries, 0, "H", false, true), std::nullopt);
    EXPECT_EQ(FindEntryText(kEntries, 0, "2e", false, true), 0u);
    EXPECT_EQ(FindEntryText(kEntries, 3, "Cu", false, true), std::nullopt);
}

TEST(FindTextTest, StartsAfterTheSelectionWithoutWrapping) {
    EXPECT_EQ(FindEntryText(kEntries, 2, "Fe", false, false), std::nullopt);
    EXPECT_EQ(FindEntryText(kEntries, 4, "", false, false), std::nullopt);
}

TEST(FindTextTest, UpperCaseCoversWindows1252Letters) {
    EXPECT_EQ(UpperCp1252("abc\xe9\xf7\xff\x9a"), "ABC\xc9\xf7\x9f\x8a");
}

} // namespace
} // namespace galvix
