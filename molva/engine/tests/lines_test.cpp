// The lines of lines.tsv through the calculator's Enter: typed line, expected
// history text, expected result line. A blank line starts a fresh calculator,
// so each block between blank lines is one test, named after its first comment;
// "@decimal ," gives the block's calculator the comma as decimal separator,
// "@weights iupac2021" the IUPAC 2021 atomic weights.
#include "engine/session.h"
#include "engine/task_text.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

namespace molva {
namespace {

struct Row {
    int lineNumber;
    std::string typed, history, result;
};

struct Block {
    std::string name;
    char decimalSeparator = '.';
    AtomicWeights weights = AtomicWeights::Classic;
    std::vector<Row> rows;
};

void PrintTo(const Block& block, std::ostream* out) {
    *out << block.name;
}

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

// A test name from a comment: its letters and digits, words joined by "_".
std::string NameFrom(std::string_view comment) {
    std::string name;
    for (const char c : comment) {
        const bool word = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (word)
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    return name;
}

std::vector<Block> ReadBlocks() {
    std::vector<Block> blocks(1);
    int lineNumber = 0;
    const std::string text = ReadLinesFile();
    for (const std::string_view line : SplitLines(text)) {
        ++lineNumber;
        Block& block = blocks.back();
        if (line.empty()) {
            if (block.rows.empty())
                block = Block();
            else
                blocks.emplace_back();
            continue;
        }
        if (line.starts_with("//")) {
            if (block.name.empty() && block.rows.empty())
                block.name = NameFrom(line.substr(2));
        } else if (line.starts_with("@decimal ")) {
            block.decimalSeparator = line.back();
        } else if (line.starts_with("@weights ")) {
            block.weights = AtomicWeightsNamed(line.substr(9)).value();
        } else {
            auto fields = SplitTabs(line);
            fields.resize(3);
            block.rows.push_back({lineNumber, fields[0], fields[1], fields[2]});
        }
    }
    if (blocks.back().rows.empty())
        blocks.pop_back();
    std::set<std::string> names;
    for (Block& block : blocks) {
        if (block.name.empty())
            block.name = "line_" + std::to_string(block.rows.front().lineNumber);
        if (!names.insert(block.name).second)
            block.name += "_line_" + std::to_string(block.rows.front().lineNumber);
    }
    return blocks;
}

class LinesTest : public ::testing::TestWithParam<Block> {};

TEST_P(LinesTest, EveryRowGivesItsHistoryAndResult) {
    const Block& block = GetParam();
    CalcSession session(block.decimalSeparator);
    session.state().weights = block.weights;
    for (const Row& row : block.rows) {
        const Entry entry = session.Enter(row.typed);
        EXPECT_EQ(entry.historyText, row.history)
            << "lines.tsv:" << row.lineNumber << ": " << row.typed;
        EXPECT_EQ(entry.resultLine, row.result)
            << "lines.tsv:" << row.lineNumber << ": " << row.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(File, LinesTest, ::testing::ValuesIn(ReadBlocks()),
                         [](const auto& row) { return row.param.name; });

TEST(LinesFileTest, HoldsEnoughRows) {
    std::size_t rows = 0;
    for (const Block& block : ReadBlocks())
        rows += block.rows.size();
    EXPECT_GT(rows, 200u);
}

} // namespace
} // namespace molva
