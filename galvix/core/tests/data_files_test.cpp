// Invariants of the shipped Data.dat and Ele.dat that the lists and the jump
// window depend on, so that a regenerated file cannot silently break them.
#include "core/elements.h"
#include "core/field_reader.h"
#include "core/half_reaction_table.h"

#include <gtest/gtest.h>
#include <set>

namespace galvix {
namespace {

const std::string kDataDir = GALVIX_SHIPPED_DATA_DIR;

std::vector<ElementRecord> ReadShippedElements() {
    const ElementRead read = ReadElements(kDataDir + "Ele.dat");
    EXPECT_TRUE(read.ok()) << read.error;
    EXPECT_TRUE(ReadFileBytes(kDataDir + "Ele.dat").value_or("").ends_with("\r\n"));
    return read.records;
}

// The electron count written at the end of a text: " + e" is 1, " + 10e" is 10.
int WrittenElectrons(const std::string& text) {
    const std::size_t plus = text.rfind(" + ");
    const std::string count = text.substr(plus + 3, text.size() - plus - 4);
    return count.empty() ? 1 : std::stoi(count);
}

TEST(ShippedDataTest, LoadsWith531UniqueBuiltIns) {
    const auto load = LoadTable(kDataDir);
    ASSERT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(load.table.count(), BuiltInCount);
    std::set<std::string> texts;
    for (int i = 1; i <= load.table.count(); ++i) {
        const auto& entry = load.table[i];
        EXPECT_TRUE(texts.insert(entry.oxidationText).second) << entry.oxidationText;
        EXPECT_TRUE(entry.oxidationText.ends_with("e")) << i;
        EXPECT_EQ(entry.electronCount, WrittenElectrons(entry.oxidationText)) << i;
    }
}

TEST(ShippedDataTest, RecordsEndWithCrLfAndNothingFollows) {
    const auto bytes = ReadFileBytes(kDataDir + "Data.dat").value_or("");
    std::size_t lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 531u);
    EXPECT_TRUE(bytes.ends_with("\"\r\n"));
    EXPECT_EQ(ReadFileBytes(kDataDir + "Custom.dat"), "0\r\n");
}

TEST(ShippedDataTest, TextbookCouplesArePresent) {
    const auto load = LoadTable(kDataDir);
    ASSERT_TRUE(load.ok());
    const std::string sup2plus = "\x8d\xa2", supPlus = "\xa2", sub2 = "\xb7";
    const std::pair<std::string, double> couples[] = {
        {"H" + sub2 + " -> 2 H" + supPlus + " + 2e", 0.0},
        {"Cu -> Cu" + sup2plus + " + 2e", -0.34},
        {"Zn -> Zn" + sup2plus + " + 2e", 0.7618},
        {"Ag -> Ag" + supPlus + " + e", -0.7996},
        {"Li -> Li" + supPlus + " + e", 3.0401},
        {"Na -> Na" + supPlus + " + e", 2.71},
        {"K -> K" + supPlus + " + e", 2.931},
        {"Fe\x8d\xa2 -> Fe\x8e\xa2 + e", -0.771},
        {"2 H\xb7O -> O\xb7 + 4 H\xa2 + 4e", -1.229},
        {"Mn\x8d\xa2 + 4 H\xb7O -> MnO\xb9\xa3 + 8 H\xa2 + 5e", -1.507},
        {"2 Cr\x8e\xa2 + 7 H\xb7O -> Cr\xb7O\xbc\x8d\xa3 + 14 H\xa2 + 6e", -1.36},
        {"Ce\x8e\xa2 -> Ce\x8f\xa2 + e", -1.72},
    };
    for (const auto& [text, potential] : couples) {
        const auto entry = FindOxidationEntry(load.table, text);
        ASSERT_TRUE(entry) << text;
        EXPECT_NEAR(load.table[*entry].oxidationPotential, potential, 0.02) << text;
    }
}

TEST(ShippedDataTest, ElementsAreInSymbolOrderWithDeuteriumAndHydrogenInPlace) {
    const auto elements = ReadShippedElements();
    ASSERT_EQ(elements.size(), 99u);
    EXPECT_EQ(elements[24].symbol, "D");
    EXPECT_EQ(elements[24].name, "Deuterium");
    EXPECT_EQ(elements[24].atomicNumber, 1);
    EXPECT_EQ(elements[36].symbol, "H");
    for (std::size_t i = 1; i < elements.size(); ++i)
        EXPECT_LT(elements[i - 1].symbol, elements[i].symbol);
    for (const char* absent : {"HE", "NE", "AR", "KR", "RN"}) {
        for (const auto& element : elements)
            EXPECT_NE(element.symbol, absent);
    }
}

TEST(ShippedDataTest, ElementPositionsStartContiguousGroups) {
    const auto load = LoadTable(kDataDir);
    ASSERT_TRUE(load.ok());
    const auto elements = ReadShippedElements();
    ASSERT_FALSE(elements.empty());
    EXPECT_EQ(elements.front().listPosition, 1);
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const auto& element = elements[i];
        if (i > 0) {
            EXPECT_GT(element.listPosition, elements[i - 1].listPosition) << element.symbol;
        }
        ASSERT_GE(element.listPosition, 1);
        ASSERT_LE(element.listPosition, BuiltInCount);
        std::string symbol = element.symbol;
        for (std::size_t c = 1; c < symbol.size(); ++c)
            symbol[c] = static_cast<char>(symbol[c] - 'A' + 'a');
        EXPECT_NE(load.table[element.listPosition].oxidationText.find(symbol), std::string::npos)
            << element.symbol << " at " << element.listPosition;
    }
}

} // namespace
} // namespace galvix
