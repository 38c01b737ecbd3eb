// The look-up and editing data of Galvix3: typing aid, custom reactions, saved
// reactions, elements and list output.
#include "core/custom_reactions.h"
#include "core/elements.h"
#include "core/list_output.h"
#include "core/saved_reactions.h"
#include "core/typing_aid.h"
#include "param_name.h"
#include "temp_data_dir.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

struct AidCase {
    const char* name;
    std::string typed;
    std::string expected;
};

class TypingAidTest : public ::testing::TestWithParam<AidCase> {};

TEST_P(TypingAidTest, ConvertsMarkers) {
    EXPECT_EQ(ApplyTypingAid(GetParam().typed).text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypingAidTest,
    ::testing::Values(
        AidCase{"water", "H/2O", "H\xb7O"}, AidCase{"subscript_zero_and_nine", "/0/9", "\xb5\xbe"},
        AidCase{"letter_after_slash", "/a", "\xb5"}, AidCase{"copper_ion", "Cu*2*+", "Cu\x8d\xa2"},
        AidCase{"superscripts", "*1*9*0*-*.", "\x8c\x94\x95\xa3\xfa"},
        AidCase{"letter_after_star", "*x", "\x95"}, AidCase{"trailing_slash_waits", "H/", "H/"},
        AidCase{"trailing_star_waits", "Cu*", "Cu*"},
        AidCase{"trailing_slash_stops_the_stars", "*2/", "*2/"},
        AidCase{"subscripts_first", "SO/4*2*-", "SO\xb9\x8d\xa3"},
        AidCase{"plain_text_unchanged", "Ag+ + e -> Ag", "Ag+ + e -> Ag"}),
    testing::RowName());

TEST(TypingAidTest, CaretFollowsTheLastReplacement) {
    EXPECT_EQ(ApplyTypingAid("H/2O").caret, 2u);
    EXPECT_EQ(ApplyTypingAid("HO").caret, std::nullopt);
}

struct CheckCase {
    const char* name;
    std::string reaction;
    std::string potential;
    std::string message;
};

class CustomCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CustomCheckTest, RefusesInOrder) {
    EXPECT_EQ(CheckCustomReaction(GetParam().reaction, GetParam().potential).message,
              GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CustomCheckTest,
    ::testing::Values(
        CheckCase{"accepted", "Ag+ + e -> Ag", "0.80", ""},
        CheckCase{"empty_reaction", "   ", "0.8", "You must enter data in both fields!"},
        CheckCase{"zero_potential", "Ag+ + e -> Ag", "0.00", "You must enter data in both fields!"},
        CheckCase{"letters_potential", "Ag+ + e -> Ag", "abc",
                  "You must enter data in both fields!"},
        CheckCase{"no_arrow", "Ag+ + e = Ag", "0.8",
                  "Your half reaction must contain ' -> ' as the arrow!"},
        CheckCase{"arrow_then_spaces", "Ag+ + e ->   ", "0.8",
                  "Your half reaction must contain ' -> ' as the arrow!"},
        CheckCase{"nothing_before_arrow", " -> Ag", "0.8",
                  "Your half reaction must contain ' -> ' as the arrow!"},
        CheckCase{"nothing_after_arrow", "x -> ", "0.8",
                  "Your half reaction must contain ' -> ' as the arrow!"},
        CheckCase{"no_electrons", "Ag+ + E -> Ag", "0.8",
                  "Your half rection must contain electrons!"},
        CheckCase{"capital_e_before_arrow", "Ag+ + E -> Age", "0.8",
                  "Since these are reduction half reactions, electrons must be the last thing "
                  "before the arrow!"},
        CheckCase{"two_electrons", "Cu2+ + 2e -> Cu", "0.34", ""},
        CheckCase{"ten_electrons", "X + 10e -> Y", "0.5",
                  "You have to put either a space or a number in front of the electron!"},
        CheckCase{"electron_first", "e -> Y", "0.5",
                  "You have to put either a space or a number in front of the electron!"},
        CheckCase{"quote_refused", "A\" + e -> B", "0.5",
                  "Your half reaction must not contain a double quote (\")."},
        CheckCase{"potential_beyond_range", "Ag+ + e -> Ag", "1e400",
                  "Your potential must be a number!"},
        CheckCase{"negative_potential_beyond_range", "Ag+ + e -> Ag", "-1e400 V",
                  "Your potential must be a number!"}),
    testing::RowName());

TEST(CustomCheckTest, StoresTheOxidationFormTrimmed) {
    const auto check = CheckCustomReaction("  Ag+ + e -> Ag ", "0.80 V");
    ASSERT_TRUE(check.record);
    EXPECT_EQ(check.record->text, "Ag -> Ag+ + e");
    EXPECT_EQ(check.record->potential, -0.8);
    EXPECT_EQ(FormatCustomFile({*check.record}), "1\r\n\"Ag -> Ag+ + e\",-0.8\r\n");
    EXPECT_EQ(FormatCustomFile({}), "0\r\n");
    EXPECT_EQ(ShownReduction("Ag -> Ag+ + e"), "Ag+ + e -> Ag");
}

TEST(CustomFileTest, ReadsWhatItWrites) {
    testing::TempDataDir dir;
    dir.write("Custom.dat",
              FormatCustomFile({{"A -> B + e", -0.8}, {"C, D -> E + 2e", 1.5}}).value());
    const auto read = ReadCustomRecords(dir.directory() + "Custom.dat");
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[1].text, "C, D -> E + 2e");
    EXPECT_EQ(read.records[1].potential, 1.5);
}

TEST(SavedReactionsTest, AppendedRecordsReadBackAndTheFirstNameWins) {
    testing::TempDataDir dir;
    const std::string file =
        FormatSavedReaction({"Daniell", "Zn -> Zn2+ + 2e", "Cu2+ + 2e -> Cu"}) +
        FormatSavedReaction({"Daniell", "second", "pair"}) +
        FormatSavedReaction({"daniell", "x", "y"});
    dir.write("Saved.dat", file);
    const std::string path = dir.directory() + "Saved.dat";
    EXPECT_EQ(ReadSavedReactions(path).size(), 3u);
    EXPECT_EQ(FindSavedReaction(path, "Daniell")->oxidationText, "Zn -> Zn2+ + 2e");
    EXPECT_EQ(FindSavedReaction(path, "daniell")->oxidationText, "x");
    EXPECT_FALSE(FindSavedReaction(path, "DANIELL"));
    EXPECT_FALSE(IsStorableName("a \"quoted\" name"));
}

TEST(SavedReactionsTest, DamagedFileEndsTheListThere) {
    testing::TempDataDir dir;
    dir.write("Saved.dat", "\"one\",\"a\",\"b\"\r\n\"two\",\"c\r\n");
    EXPECT_EQ(ReadSavedReactions(dir.directory() + "Saved.dat").size(), 1u);
    EXPECT_TRUE(ReadSavedReactions(dir.directory() + "missing.dat").empty());
}

std::vector<ElementRecord> SomeElements() {
    std::vector<ElementRecord> records(99);
    for (int k = 0; k < 99; ++k)
        records[k] = {k + 1, "X" + std::to_string(k), "Name" + std::to_string(k), 200 + k};
    records[10] = {50, "FE", "Iron", 26};
    records[24] = {60, "D", "Deuterium", 1};
    records[36] = {70, "H", "Hydrogen", 1};
    records[40] = {80, "HE", "Helium", 2};
    return records;
}

struct BadElementRecord {
    const char* name;
    const char* record;
    const char* error;
};

class BadElementRecordTest : public ::testing::TestWithParam<BadElementRecord> {};

TEST_P(BadElementRecordTest, IsCheckedBeforeItIsConverted) {
    testing::TempDataDir dir;
    dir.write("Ele.dat", std::string("1,\"AC\",\"Actinium\",89\r\n") + GetParam().record);
    const ElementRead read = ReadElements(dir.directory() + "Ele.dat");
    EXPECT_EQ(read.error, std::string("Ele.dat, record 2: ") + GetParam().error);
    EXPECT_EQ(read.records.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadElementRecordTest,
    ::testing::Values(BadElementRecord{"position_beyond_int", "1e30,\"AG\",\"Silver\",47\r\n",
                                       "the list position must be a whole number from 1 to 831"},
                      BadElementRecord{"position_zero", "0,\"AG\",\"Silver\",47\r\n",
                                       "the list position must be a whole number from 1 to 831"},
                      BadElementRecord{"position_negative", "-2147483648,\"AG\",\"Silver\",47\r\n",
                                       "the list position must be a whole number from 1 to 831"},
                      BadElementRecord{"position_fraction", "2.5,\"AG\",\"Silver\",47\r\n",
                                       "the list position must be a whole number from 1 to 831"},
                      BadElementRecord{"atomic_number_beyond_int", "2,\"AG\",\"Silver\",-1e30\r\n",
                                       "the atomic number must be a whole number from 1 to 999"},
                      BadElementRecord{"atomic_number_infinite", "2,\"AG\",\"Silver\",1e999\r\n",
                                       "\"1e999\" is not a number"}),
    testing::RowName());

TEST(ElementsTest, ListLinesPadSymbolAndName) {
    EXPECT_EQ(ElementListLine({1, "FE", "Iron", 26}), "Fe    Iron                    26");
    EXPECT_EQ(ElementListLine({1, "H", "Hydrogen", 1}), "H     Hydrogen                1");
    EXPECT_EQ(ElementListLine({1, "X", std::string(25, 'n'), 7}),
              "X     " + std::string(25, 'n') + " 7");
}

TEST(ElementsTest, SearchOrder) {
    const auto records = SomeElements();
    EXPECT_EQ(FindElement(records, "1"), 36u);
    EXPECT_EQ(FindElement(records, " deuterium "), 24u);
    EXPECT_EQ(FindElement(records, "fe"), 10u);
    EXPECT_EQ(FindElement(records, "IRON"), 10u);
    EXPECT_EQ(FindElement(records, "26"), 10u);
    EXPECT_EQ(FindElement(records, "qwerty"), std::nullopt);
}

TEST(ElementsTest, JumpIgnoresCaseAndKnowsElementsWithoutData) {
    const auto records = SomeElements();
    for (const char* typed : {"fe", "Fe", " FE "}) {
        const Jump jump = JumpToElement(records, typed);
        EXPECT_EQ(jump.outcome, JumpOutcome::Position);
        EXPECT_EQ(jump.listPosition, 50);
    }
    EXPECT_EQ(JumpToElement(records, "he").outcome, JumpOutcome::NoData);
    EXPECT_EQ(JumpToElement(records, "uub").outcome, JumpOutcome::NoData);
    EXPECT_EQ(JumpToElement(records, "zz").outcome, JumpOutcome::NotFound);
    EXPECT_EQ(JumpToElement(records, "  ").outcome, JumpOutcome::Empty);
}

TEST(ListOutputTest, PotentialsEndInTheNinthColumn) {
    for (double potential : {0.8, -0.8, 1.5, -1.5, 0.0, -1.0}) {
        const std::string line = ListOutputLine(potential, "T");
        EXPECT_EQ(line.substr(9), "  T\r\n") << potential;
        EXPECT_NE(line[8], ' ') << potential;
    }
    EXPECT_EQ(ListOutputLine(-0.8, "A -> B + e"), "     -0.8  A -> B + e\r\n");
    EXPECT_EQ(ListOutputLine(-1.23456789012, "X"), "-1.23456789012  X\r\n");
}

} // namespace
} // namespace galvix
