// The copied and printed texts of a reaction, a half reaction and the list of
// elements.
#include "core/elements.h"
#include "core/result_text.h"

#include <gtest/gtest.h>
#include <vector>

namespace galvix {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

CellReactionResult Result(const char* willOccur) {
    CellReactionResult r;
    r.oxidationText = "Zn -> Zn2+ + 2e";
    r.oxidationPotentialText = "0.76 V";
    r.oxidationLogKText = "25.7184";
    r.reductionText = "Cu2+ + 2e -> Cu";
    r.reductionPotentialText = "0.34 V";
    r.reductionLogKText = "11.5056";
    r.willOccur = willOccur;
    r.transferredElectrons = 2;
    r.overallLogKText = "37.224";
    r.leftSideText = "Zn + Cu2+ + 2e";
    r.rightSideText = "Zn2+ + 2e + Cu";
    r.netReaction.equation = "Zn + Cu2+ -> Zn2+ + Cu";
    CompleteCellValues(r);
    return r;
}

TEST(ReactionResultTextTest, AReactionThatOccursHasTwentyOneLinesAfterTheHeader) {
    const auto lines = Lines(ReactionResultText(Result("Yes")));
    ASSERT_EQ(lines.size(), 3u + 21u + 1u);
    EXPECT_EQ(lines[0], "Galvix Ver 3.0");
    EXPECT_EQ(lines[2], "");
    const std::vector<std::string> body(lines.begin() + 3, lines.end() - 1);
    EXPECT_EQ(body, (std::vector<std::string>{"Oxidation half reaction:",
                                              "Zn -> Zn2+ + 2e",
                                              "E = 0.76 V",
                                              "log K = 25.7184",
                                              "Reduction half reaction:",
                                              "Cu2+ + 2e -> Cu",
                                              "E = 0.34 V",
                                              "log K = 11.5056",
                                              "Overall reaction:",
                                              "Will it occur: Yes",
                                              "E(cell) = 1.1 V",
                                              "log K = 37.224",
                                              "K = 1.67e37",
                                              "\xd3G\xf8= -212.267 kJ/mol",
                                              "Reaction",
                                              "Left side:",
                                              "Zn + Cu2+ + 2e",
                                              "Right side:",
                                              "Zn2+ + 2e + Cu",
                                              "Net reaction:",
                                              "Zn + Cu2+ -> Zn2+ + Cu"}));
    EXPECT_EQ(lines.back(), "");
}

TEST(ReactionResultTextTest, MediaThatDifferAddANoteAfterTheNetReaction) {
    CellReactionResult r = Result("Yes");
    r.netReaction.mediaDiffer = true;
    EXPECT_TRUE(ReactionResultText(r).ends_with(std::string("Net reaction:\r\n") +
                                                r.netReaction.equation + "\r\n" + MediaDifferNote +
                                                "\r\n"));
}

TEST(ReactionResultTextTest, ANetReactionThatCannotBeWrittenSaysWhy) {
    CellReactionResult r = Result("Yes");
    r.netReaction = {{}, false, "the electrons do not cancel"};
    EXPECT_TRUE(ReactionResultText(r).ends_with(
        "Net reaction:\r\ncannot be written: the electrons do not cancel\r\n"));
}

TEST(ReactionResultTextTest, AReactionThatDoesNotOccurStopsAfterTheAnswer) {
    const std::string text = ReactionResultText(Result("No"));
    EXPECT_TRUE(text.ends_with("Overall reaction:\r\nWill it occur: No\r\n"));
    EXPECT_EQ(Lines(text).size(), 3u + 10u + 1u);
}

TEST(HalfReactionDataTextTest, TwelveLinesAndNoEndAfterTheLast) {
    const HalfReactionData data =
        DataOf(*DeriveEntry("Cu -> Cu2+ + 2e", -0.34), ListSide::Reduction);
    EXPECT_EQ(data.type, "Reduction");
    const auto lines = Lines(HalfReactionDataText(data));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"Galvix Ver 3.0", Lines(OutputHeader())[1], "",
                                        "Half reaction data:", "Half reaction:", "Cu2+ + 2e -> Cu",
                                        "Half reaction type:", "Reduction",
                                        "Half reaction potential (E):", "0.34 V",
                                        "Half reaction equilibrium constant (log K):", "11.5056"}));
}

TEST(HalfReactionDataTextTest, ASourceIsTheLastLine) {
    HalfReactionData data = DataOf(*DeriveEntry("Cu -> Cu2+ + 2e", -0.34), ListSide::Oxidation);
    data.source = "CRC Handbook, electrochemical series";
    const std::string text = HalfReactionDataText(data);
    EXPECT_EQ(Lines(text).size(), 13u);
    EXPECT_TRUE(text.ends_with("\r\n-11.5056\r\nSource: CRC Handbook, electrochemical series"));
}

TEST(ElementListTextTest, CopyAndPrintDifferOnlyInTheFirstLine) {
    const std::vector<ElementRecord> records = {{1, "FE", "Iron", 26}, {2, "H", "Hydrogen", 1}};
    const auto copied = Lines(ElementListText(records, ElementTextUse::Copy));
    const auto printed = Lines(ElementListText(records, ElementTextUse::Print));
    EXPECT_EQ(copied[0], "Galvix Ver. 3.0");
    EXPECT_EQ(printed[0], "Galvix Ver 3.0");
    EXPECT_EQ(std::vector(copied.begin() + 1, copied.end()),
              std::vector(printed.begin() + 1, printed.end()));
    EXPECT_EQ(std::vector(copied.begin() + 3, copied.end()),
              (std::vector<std::string>{"Sym.      Name              At.No.", "",
                                        "Fe    Iron                    26",
                                        "H     Hydrogen                1", ""}));
}

} // namespace
} // namespace galvix
