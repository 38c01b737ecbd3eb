#include "engine/task_text.h"

#include <gtest/gtest.h>

namespace molva {
namespace {

TEST(TaskTextTest, KeepsUtf8AndReadsOtherBytesAsWindows1252) {
    EXPECT_EQ(DecodeTaskText("3\xC3\x97"
                             "4"),
              "3\xC3\x97"
              "4");
    EXPECT_EQ(DecodeTaskText("3\xD7"
                             "4\x80"),
              "3\xC3\x97"
              "4\xE2\x82\xAC");
    EXPECT_EQ(DecodeTaskText("\x81"), "\xC2\x81");
}

TEST(TaskTextTest, SplitsLinesOfEitherEnding) {
    const auto lines = SplitLines("a\r\nb\n\nc");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "c");
}

TEST(TaskTextTest, BatchPrintsOneListLinePerLine) {
    const std::string input = "H2O\r\n\r\n#fix2\n2*3\xD7"
                              "1\n#mem\nx^2-5x+6\nsum(1+2+3)";
    EXPECT_EQ(RunBatch(input, '.'), "H2O = 18.0153\n"
                                    "#fix2\n"
                                    "2*3*1 = 6.00\n"
                                    "#mem = 6\n"
                                    "x^2 - 5x + 6 = 0 = x1 = 3.00; x2 = 2.00\n"
                                    ":sum(1+2+3) = 6.00; n = 3; s = 1.00; Mean = 2.00\n");
}

} // namespace
} // namespace molva
