// The session: loading once and again only after a change on disk, complete
// results, search state, and the edits of Custom.dat with their typed errors.
#include "core/field_reader.h"
#include "core/reaction_session.h"
#include "param_name.h"
#include "temp_data_dir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace galvix {
namespace {

using testing::NumberedBuiltIns;
using testing::TempDataDir;

class ReactionSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.write("Data.dat", NumberedBuiltIns());
        dir.write("Custom.dat", "0\r\n");
    }

    std::string custom() const { return ReadFileBytes(dir.directory() + "Custom.dat").value(); }

    // Moves a file's modification time, as an editor saving it later would.
    void touchLater(const char* name) const {
        const auto path = std::filesystem::path(dir.directory()) / name;
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) +
                                                   std::chrono::seconds(5));
    }

    TempDataDir dir;
    ReactionSession session{dir.directory()};
};

TEST_F(ReactionSessionTest, LoadsOnceUntilAFileChangesOnDisk) {
    ASSERT_FALSE(session.refresh());
    const HalfReactionTable* loaded = &session.table();
    ASSERT_FALSE(session.refresh());
    EXPECT_EQ(&session.table(), loaded) << "nothing changed, nothing reloaded";

    dir.write("Custom.dat", "1\r\n\"X -> Y + e\",0.5\r\n");
    ASSERT_FALSE(session.refresh());
    EXPECT_EQ(session.table().count(), BuiltInCount + 1);

    dir.write("Custom.dat", "1\r\n\"X -> Y + e\",0.7\r\n"); // same size
    touchLater("Custom.dat");
    ASSERT_FALSE(session.refresh());
    EXPECT_EQ(session.table()[BuiltInCount + 1].oxidationPotential, 0.7);
}

TEST_F(ReactionSessionTest, AFailedLoadIsReportedAndTriedAgain) {
    dir.write("Custom.dat", "x\r\n");
    const auto error = session.refresh();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->fault, DataFault::Damaged);
    EXPECT_EQ(error->message(), "Custom.dat, record 1: \"x\" is not a number");
    dir.write("Custom.dat", "0\r\n");
    EXPECT_FALSE(session.refresh());
}

TEST_F(ReactionSessionTest, CalculateGivesTheCompleteResult) {
    dir.write("Custom.dat", "2\r\n\"Zn -> Zn2+ + 2e\",0.76\r\n\"Cu -> Cu2+ + 2e\",-0.34\r\n");
    const auto outcome = session.calculate("Zn -> Zn2+ + 2e", "Cu2+ + 2e -> Cu", 0, 0);
    ASSERT_TRUE(outcome.ok()) << outcome.error;
    const auto& last = session.lastResult();
    ASSERT_TRUE(last);
    EXPECT_TRUE(last->occurs());
    EXPECT_EQ(last->cellPotentialText, "1.1 V");
    EXPECT_EQ(last->cellPotential, 1.1);
    EXPECT_EQ(last->overallLogKText, "37.224");
    EXPECT_EQ(last->freeEnergyText, "-212.267 kJ/mol");
    EXPECT_EQ(last->freeEnergy, -212.267);
    EXPECT_EQ(last->equilibriumConstantText, "1.67e37");
    ASSERT_TRUE(last->equilibriumConstant);
    EXPECT_NEAR(*last->equilibriumConstant / 1.6749e37, 1, 1e-3);
    EXPECT_EQ(last->transferredElectrons, 2);
    EXPECT_EQ(last->leftSideText, "Zn + Cu2+ + 2e");
    EXPECT_EQ(last->rightSideText, "Zn2+ + 2e + Cu");
}

TEST_F(ReactionSessionTest, AFailedCalculateKeepsTheLastResult) {
    ASSERT_TRUE(session.calculate("M1 -> M1+ + e", "M2+ + e -> M2", 0, 0).ok());
    const auto missing = session.calculate("gone", "gone", 0, 9999);
    EXPECT_EQ(missing.fault, CalculateFault::EntryMissing);
    dir.write("Data.dat", "");
    const auto damaged = session.calculate("M1 -> M1+ + e", "M2+ + e -> M2", 0, 0);
    EXPECT_EQ(damaged.fault, CalculateFault::TableLoad);
    ASSERT_TRUE(damaged.dataError);
    EXPECT_EQ(damaged.dataError->record, 1);
    ASSERT_TRUE(session.lastResult());
    EXPECT_EQ(session.lastResult()->oxidationText, "M1 -> M1+ + e");
}

TEST_F(ReactionSessionTest, HalfReactionDataOfEitherList) {
    const auto reduction = session.halfReaction(ListSide::Reduction, "M3+ + e -> M3", 0);
    ASSERT_TRUE(reduction.data);
    EXPECT_EQ(reduction.data->type, "Reduction");
    EXPECT_EQ(reduction.data->potentialText, "-0.003 V");
    const auto byPosition = session.halfReaction(ListSide::Oxidation, "not there", 4);
    ASSERT_TRUE(byPosition.data);
    EXPECT_EQ(byPosition.data->text, "M5 -> M5+ + e");
    EXPECT_EQ(session.halfReaction(ListSide::Oxidation, "not there", 531).fault,
              CalculateFault::EntryMissing);
}

struct SourceCase {
    const char* name;
    ListSide side;
    const char* item;
    std::optional<std::string> sourcesFile;
    const char* expected;
};

class HalfReactionSourceTest : public ::testing::TestWithParam<SourceCase> {};

TEST_P(HalfReactionSourceTest, ShowsTheSourceOfBuiltInEntriesOnly) {
    const SourceCase& c = GetParam();
    TempDataDir dir;
    dir.write("Data.dat", NumberedBuiltIns());
    dir.write("Custom.dat", "1\r\n\"Q1 -> Q1+ + e\",0.5\r\n");
    if (c.sourcesFile)
        dir.write("Sources.dat", *c.sourcesFile);
    ReactionSession session(dir.directory());
    const auto lookup = session.halfReaction(c.side, c.item, 0);
    ASSERT_TRUE(lookup.data) << lookup.error;
    EXPECT_EQ(lookup.data->source, c.expected);
}

const std::string kSources = "\"M1 -> M1+ + e\",\"Book A\"\r\n\"Q1 -> Q1+ + e\",\"Book B\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, HalfReactionSourceTest,
    ::testing::Values(
        SourceCase{"built_in_oxidation", ListSide::Oxidation, "M1 -> M1+ + e", kSources, "Book A"},
        SourceCase{"built_in_reduction", ListSide::Reduction, "M1+ + e -> M1", kSources, "Book A"},
        SourceCase{"built_in_without_record", ListSide::Oxidation, "M2 -> M2+ + e", kSources, ""},
        SourceCase{"no_sources_file", ListSide::Oxidation, "M1 -> M1+ + e", std::nullopt, ""},
        SourceCase{"custom_entry_named_in_the_file", ListSide::Oxidation, "Q1 -> Q1+ + e", kSources,
                   ""}),
    testing::RowName());

TEST_F(ReactionSessionTest, ACancelledSortKeepsTheListsAndTheArrangement) {
    ASSERT_EQ(session.arrange(Arrangement::Alphabetical).status, ArrangeStatus::Done);
    const ListItems before = session.lists();
    const auto cancelled =
        session.arrange(Arrangement::Descending, [](int pass, int) { return pass < 10; });
    EXPECT_EQ(cancelled.status, ArrangeStatus::Cancelled);
    EXPECT_EQ(session.arrangement(), Arrangement::Alphabetical);
    EXPECT_EQ(session.lists().oxidation, before.oxidation);
    ASSERT_EQ(session.arrange(Arrangement::Descending).status, ArrangeStatus::Done);
    EXPECT_EQ(session.list(ListSide::Oxidation).front(), "M531 -> M531+ + e");
    EXPECT_EQ(session.list(ListSide::Reduction).front(), "M1+ + e -> M1");
}

TEST_F(ReactionSessionTest, PotentialsFollowEveryArrangement) {
    // A custom copy of M2's text with another potential: the lowest entry wins.
    dir.write("Custom.dat", "2\r\n\"M2 -> M2+ + e\",9\r\n\"X -> X+ + e\",-1.5\r\n");
    for (const Arrangement arrangement :
         {Arrangement::Alphabetical, Arrangement::Ascending, Arrangement::Descending}) {
        ASSERT_EQ(session.arrange(arrangement).status, ArrangeStatus::Done);
        for (const ListSide side : {ListSide::Oxidation, ListSide::Reduction}) {
            const auto& items = session.list(side);
            const auto& potentials = session.potentialTexts(side);
            ASSERT_EQ(potentials.size(), items.size());
            for (std::size_t i = 0; i < items.size(); ++i) {
                const auto data = session.halfReaction(side, items[i], static_cast<int>(i)).data;
                ASSERT_TRUE(data);
                EXPECT_EQ(potentials[i], data->potentialText) << items[i];
            }
        }
    }
    // Descending: the custom M2 (9 V) sorts first but shows the potential of
    // built-in M2, the entry Calculate takes for that text.
    EXPECT_EQ(session.list(ListSide::Oxidation).front(), "M2 -> M2+ + e");
    EXPECT_EQ(session.potentialTexts(ListSide::Oxidation).front(), "0.002 V");
    EXPECT_EQ(session.potentialTexts(ListSide::Oxidation).back(), "-1.5 V");
}

TEST_F(ReactionSessionTest, FindRemembersItsCriteriaForFindNext) {
    ASSERT_EQ(session.arrange(Arrangement::Alphabetical).status, ArrangeStatus::Done);
    EXPECT_EQ(session.find({"m5+ ", false, false, ListSide::Reduction}), 4u);
    EXPECT_EQ(session.searchCriteria().text, "M5+ ");
    EXPECT_EQ(session.findNext(4u), std::nullopt) << "M50+ holds no \"M5+ \"";
    EXPECT_EQ(session.find({"M5", true, false, ListSide::Oxidation}), 4u);
    EXPECT_EQ(session.findNext(4u), 49u);
    EXPECT_EQ(session.findNext(std::nullopt), 4u);
    EXPECT_EQ(session.find({"m5", true, false, ListSide::Oxidation}), std::nullopt);
}

struct EditCase {
    const char* name;
    std::string before; // Custom.dat
    const char* text;   // the record added, in the oxidation direction
    double potential;
    ExistingText existing;
    CustomEditStatus status;
    std::string after;
};

class AddCustomTest : public ReactionSessionTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(AddCustomTest, KeepsEveryTextOnce) {
    const EditCase& c = GetParam();
    dir.write("Custom.dat", c.before);
    const CustomEdit edit = session.addCustom({c.text, c.potential}, c.existing);
    EXPECT_EQ(edit.status, c.status);
    EXPECT_EQ(custom(), c.after);
}

std::string FullFile(const std::string& first) {
    std::string file = "300\r\n" + first;
    for (int i = 1; i < CustomCapacity; ++i)
        file += "\"C" + std::to_string(i) + " -> D + e\",0.5\r\n";
    return file;
}

const std::string kTwo = "2\r\n\"A -> B + e\",0.5\r\n\"C -> D + 2e\",-1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, AddCustomTest,
    ::testing::Values(
        EditCase{"new_text_appended", kTwo, "E -> F + e", 0.25, ExistingText::Refuse,
                 CustomEditStatus::Added,
                 "3\r\n\"A -> B + e\",0.5\r\n\"C -> D + 2e\",-1\r\n\"E -> F + e\",0.25\r\n"},
        EditCase{"stored_text_refused", kTwo, "C -> D + 2e", 0.3, ExistingText::Refuse,
                 CustomEditStatus::AlreadyStored, kTwo},
        EditCase{"stored_text_replaced_in_place", kTwo, "A -> B + e", -0.1,
                 ExistingText::ReplacePotential, CustomEditStatus::Replaced,
                 "2\r\n\"A -> B + e\",-0.1\r\n\"C -> D + 2e\",-1\r\n"},
        EditCase{"older_copies_dropped",
                 "3\r\n\"A -> B + e\",0.5\r\n\"C -> D + 2e\",-1\r\n\"A -> B + e\",0.9\r\n",
                 "A -> B + e", 0.1, ExistingText::ReplacePotential, CustomEditStatus::Replaced,
                 "2\r\n\"A -> B + e\",0.1\r\n\"C -> D + 2e\",-1\r\n"},
        EditCase{"replace_with_nothing_stored_adds", "0\r\n", "A -> B + e", 0.1,
                 ExistingText::ReplacePotential, CustomEditStatus::Added,
                 "1\r\n\"A -> B + e\",0.1\r\n"},
        EditCase{"full_file_refuses_a_new_text", FullFile("\"C0 -> D + e\",0.5\r\n"),
                 "New -> D + e", 0.1, ExistingText::Refuse, CustomEditStatus::Full,
                 FullFile("\"C0 -> D + e\",0.5\r\n")},
        EditCase{"full_file_still_replaces", FullFile("\"C0 -> D + e\",0.5\r\n"), "C0 -> D + e",
                 0.2, ExistingText::ReplacePotential, CustomEditStatus::Replaced,
                 FullFile("\"C0 -> D + e\",0.2\r\n")},
        EditCase{"damaged_file_untouched", "two\r\n", "A -> B + e", 0.1, ExistingText::Refuse,
                 CustomEditStatus::ReadFailed, "two\r\n"}),
    testing::RowName());

TEST_F(ReactionSessionTest, ReadFaultsAreTyped) {
    dir.write("Custom.dat", "1\r\n\"A -> B + e\",high\r\n");
    const CustomEdit damaged = session.addCustom({"X -> Y + e", 1}, ExistingText::Refuse);
    ASSERT_TRUE(damaged.error);
    EXPECT_EQ(damaged.error->fault, DataFault::Damaged);
    EXPECT_EQ(damaged.error->message(), "Custom.dat, record 2: \"high\" is not a number");
    std::filesystem::remove(dir.directory() + "Custom.dat");
    const CustomEdit missing = session.removeCustom("A -> B + e", 0);
    EXPECT_EQ(missing.status, CustomEditStatus::ReadFailed);
    ASSERT_TRUE(missing.error);
    EXPECT_EQ(missing.error->fault, DataFault::Missing);
}

TEST_F(ReactionSessionTest, AFailedWriteNamesTheFileAndTheReason) {
    dir.write("Custom.dat", kTwo);
    session.setFileWriter([](const std::string&, std::string_view) {
        return std::make_error_code(std::errc::read_only_file_system);
    });
    const CustomEdit edit = session.addCustom({"E -> F + e", 1}, ExistingText::Refuse);
    EXPECT_EQ(edit.status, CustomEditStatus::WriteFailed);
    ASSERT_TRUE(edit.error);
    EXPECT_EQ(edit.error->message(), "Custom.dat could not be written: Read-only file system");
    EXPECT_EQ(custom(), kTwo);
}

TEST_F(ReactionSessionTest, EditsRunInsideTheFileGuard) {
    dir.write("Custom.dat", kTwo);
    std::vector<std::string> guarded;
    session.setFileGuard([&](const std::string& path, const std::function<void()>& work) {
        guarded.push_back(path);
        // Another instance adds its record just before this one's first edit.
        if (guarded.size() == 1)
            dir.write("Custom.dat",
                      "3\r\n\"A -> B + e\",0.5\r\n\"C -> D + 2e\",-1\r\n\"X -> Y + e\",3\r\n");
        work();
        return std::optional<std::string>();
    });
    EXPECT_EQ(session.addCustom({"E -> F + e", 1}, ExistingText::Refuse).status,
              CustomEditStatus::Added);
    EXPECT_EQ(session.removeCustom("C -> D + 2e", 1).status, CustomEditStatus::Removed);
    EXPECT_EQ(guarded, std::vector<std::string>(2, dir.directory() + "Custom.dat"));
    EXPECT_EQ(custom(), "3\r\n\"A -> B + e\",0.5\r\n\"X -> Y + e\",3\r\n\"E -> F + e\",1\r\n")
        << "the other instance's record is kept and the removal finds its text";
}

TEST_F(ReactionSessionTest, AGuardThatCannotBeHadChangesNothing) {
    dir.write("Custom.dat", kTwo);
    session.setFileGuard([](const std::string&, const std::function<void()>&) {
        return std::optional<std::string>("another program is still changing it");
    });
    const CustomEdit edit = session.addCustom({"E -> F + e", 1}, ExistingText::Refuse);
    EXPECT_EQ(edit.status, CustomEditStatus::WriteFailed);
    ASSERT_TRUE(edit.error);
    EXPECT_EQ(edit.error->message(),
              "Custom.dat could not be written: another program is still changing it");
    EXPECT_EQ(custom(), kTwo);
}

TEST_F(ReactionSessionTest, RemoveGoesByTheStoredText) {
    dir.write("Custom.dat", kTwo);
    EXPECT_EQ(session.removeCustom("C -> D + 2e", 0).status, CustomEditStatus::Removed);
    EXPECT_EQ(custom(), "1\r\n\"A -> B + e\",0.5\r\n");
    EXPECT_EQ(session.removeCustom("C -> D + 2e", 1).status, CustomEditStatus::NotFound);
    EXPECT_EQ(custom(), "1\r\n\"A -> B + e\",0.5\r\n");
}

TEST_F(ReactionSessionTest, RemoveTakesTheChosenRowAmongOldCopies) {
    dir.write("Custom.dat",
              "3\r\n\"A -> B + e\",0.5\r\n\"C -> D + e\",1\r\n\"A -> B + e\",0.9\r\n");
    EXPECT_EQ(session.removeCustom("A -> B + e", 2).status, CustomEditStatus::Removed);
    EXPECT_EQ(custom(), "2\r\n\"A -> B + e\",0.5\r\n\"C -> D + e\",1\r\n");
}

TEST_F(ReactionSessionTest, AnEditIsSeenByTheNextCalculate) {
    dir.write("Custom.dat", "1\r\n\"A -> B + e\",0.5\r\n");
    ASSERT_TRUE(session.calculate("A -> B + e", "M1+ + e -> M1", 0, 0).ok());
    EXPECT_EQ(session.lastResult()->oxidationPotentialText, "0.5 V");
    ASSERT_EQ(session.addCustom({"A -> B + e", 0.7}, ExistingText::ReplacePotential).status,
              CustomEditStatus::Replaced);
    ASSERT_TRUE(session.calculate("A -> B + e", "M1+ + e -> M1", 0, 0).ok());
    EXPECT_EQ(session.lastResult()->oxidationPotentialText, "0.7 V");
}

} // namespace
} // namespace galvix
