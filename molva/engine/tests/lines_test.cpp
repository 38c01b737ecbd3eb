// Every line of lines.tsv through the calculator's Enter: typed line, expected
// history text, expected result line. A blank line starts a fresh calculator;
// "@decimal ," switches the decimal separator of the next calculator.
#include "engine/session.h"
#include "engine/task_text.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace molva {
namespace {

struct Row {
    int lineNumber;
    std::string typed, history, result;
};

std::string ReadLinesFile() {
    std::ifstream in(MOLVA_LINES_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SplitTabs(std::string_view line) {
    std::vector<std::string> fields;
    while (true) {
        const std::size_t tab = line.find('\t');
        fields.emplace_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return fields;
        line.remove_prefix(tab + 1);
    }
}

TEST(LinesTest, EveryRowGivesItsHistoryAndResult) {
    const std::string text = ReadLinesFile();
    ASSERT_FALSE(text.empty()) << MOLVA_LINES_FILE;
    auto session = std::make_unique<CalcSession>('.');
    char nextSeparator = '.';
    int rows = 0;
    int lineNumber = 0;
    for (const std::string_view line : SplitLines(text)) {
        ++lineNumber;
        if (line.empty()) {
            session = std::make_unique<CalcSession>(nextSeparator);
            nextSeparator = '.';
            continue;
        }
        if (line.starts_with("//"))
            continue;
        if (line.starts_with("@decimal ")) {
            nextSeparator = line.back();
            session = std::make_unique<CalcSession>(nextSeparator);
            continue;
        }
        const auto fields = SplitTabs(line);
        ASSERT_EQ(fields.size(), 3u) << "lines.tsv:" << lineNumber << ": " << line;
        const Entry entry = session->Enter(fields[0]);
        EXPECT_EQ(entry.historyText, fields[1]) << "lines.tsv:" << lineNumber << ": " << fields[0];
        EXPECT_EQ(entry.resultLine, fields[2]) << "lines.tsv:" << lineNumber << ": " << fields[0];
        ++rows;
    }
    EXPECT_GT(rows, 100);
}

} // namespace
} // namespace molva
