// The custom editor, search, jump, list of elements, saved reactions, list
// output and helper applications of Galvix3, offscreen with scripted services.
#include "galvix_fixture.h"
#include "platform/chem_text.h"
#include "ui/applications_dialog.h"
#include "ui/custom_reactions_dialog.h"
#include "ui/element_list_window.h"
#include "ui/jump_dialog.h"
#include "ui/list_output_dialog.h"
#include "ui/open_reaction_dialog.h"
#include "ui/progress_window.h"
#include "ui/reaction_data_window.h"
#include "ui/save_reaction_dialog.h"
#include "ui/search_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using namespace galvix;
using namespace galvix::ui;
using namespace galvix::ui::testing;

namespace {

QByteArray CustomFile(int records) {
    QByteArray file = QByteArray::number(records) + "\r\n";
    for (int i = 0; i < records; ++i)
        file += "\"C" + QByteArray::number(i) + " -> D + e\",0.5\r\n";
    return file;
}

} // namespace

Q_DECLARE_METATYPE(platform::MessageButton)

class LookupWindowsTest : public QObject, public GalvixFixture {
    Q_OBJECT

    void typeReaction(CustomReactionsDialog& editor, const QString& reaction,
                      const QString& potential) {
        editor.formulaBox()->setText(reaction);
        editor.potentialBox()->setText(potential);
    }

  private Q_SLOTS:
    void initTestCase() { QFontDatabase::addApplicationFont(GALVIX_CHEM_FONT); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void addingAHalfReactionStoresItTurnedRoundAndShowsItAtOnce() {
        MainScreen& main = mainScreen();
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        editor.show();
        typeReaction(editor, "  Ag+ + e -> Ag ", "0.80");
        editor.add();
        QCOMPARE(readFile("Custom.dat"), QByteArray("1\r\n\"Ag -> Ag+ + e\",-0.8\r\n"));
        QCOMPARE(editor.reactionList()->count(), 1);
        QCOMPARE(editor.reactionList()->item(0)->text(), QString("Ag+ + e -> Ag"));
        QCOMPARE(main.list(ListSide::Oxidation)->count(), BuiltInCount + 1);
        QCOMPARE(ItemBytes(main.list(ListSide::Reduction)->item(BuiltInCount)),
                 std::string("Ag+ + e -> Ag"));
        QVERIFY(editor.formulaBox()->text().isEmpty());
        editor.showRecord(0);
        QCOMPARE(editor.formulaBox()->text(), QString("Ag+ + e -> Ag"));
        QCOMPARE(editor.potentialBox()->text(), QString("0.8"));
    }

    void addingAStoredHalfReactionAsksBeforeReplacingItsPotential_data() {
        QTest::addColumn<MessageButton>("answer");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("yes replaces in place")
            << MessageButton::Yes
            << QByteArray("2\r\n\"Ag -> Ag+ + e\",-0.85\r\n\"C0 -> D + e\","
                          "0.5\r\n");
        QTest::newRow("no changes nothing")
            << MessageButton::No
            << QByteArray("2\r\n\"Ag -> Ag+ + e\",-0.8\r\n\"C0 -> D + e\","
                          "0.5\r\n");
    }

    void addingAStoredHalfReactionAsksBeforeReplacingItsPotential() {
        QFETCH(MessageButton, answer);
        QFETCH(QByteArray, after);
        writeFile("Custom.dat", "2\r\n\"Ag -> Ag+ + e\",-0.8\r\n\"C0 -> D + e\",0.5\r\n");
        MainScreen& main = mainScreen();
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        editor.show();
        editor.showRecord(0);
        editor.potentialBox()->setText("0.85");
        doubles_->messages.answers = {answer};
        editor.add();
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix",
                                                "This half reaction is already in your list. Do "
                                                "you want to replace its potential?",
                                                MessageIcon::Question, MessageButtons::YesNo,
                                                MessageButton::Yes}));
        QCOMPARE(readFile("Custom.dat"), after);
        QCOMPARE(editor.reactionList()->count(), 2);
        QCOMPARE(main.list(ListSide::Oxidation)->count(), BuiltInCount + 2);
        QVERIFY(main.selectItem(ListSide::Oxidation, "Ag -> Ag+ + e"));
        main.list(ListSide::Reduction)->setCurrentRow(0);
        main.calculate();
        QCOMPARE(window<ReactionDataWindow>().label(7)->text(),
                 answer == MessageButton::Yes ? QString("-0.85 V") : QString("-0.8 V"));
    }

    void addRefusalsComeWithTheirMessages() {
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        typeReaction(editor, "Ag+ + E -> Ag", "0.8");
        editor.add();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "Your half rection must contain electrons!",
                                 MessageIcon::Information, MessageButtons::Ok, MessageButton::Ok}));
        typeReaction(editor, "X + 10e -> Y", "0.34 V");
        editor.add();
        QCOMPARE(lastMessage().text,
                 QString("You have to put either a space or a number in front of the electron!"));
        QCOMPARE(readFile("Custom.dat"), QByteArray("0\r\n"));
    }

    void aFullFileRefusesAddButRemoveStillWorks() {
        writeFile("Custom.dat", CustomFile(300));
        mainScreen();
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        editor.show();
        typeReaction(editor, "Ag+ + e -> Ag", "0.8");
        editor.add();
        QCOMPARE(lastMessage().text, QString("You have already reached 300 half reactions!"));
        QCOMPARE(readFile("Custom.dat"), CustomFile(300));
        editor.reactionList()->setCurrentRow(299);
        doubles_->messages.answers = {MessageButton::Yes};
        editor.remove();
        QCOMPARE(readFile("Custom.dat"), CustomFile(299));
        QCOMPARE(editor.reactionList()->count(), 299);
    }

    void removingTheOnlyRecordLeavesTheCountZero() {
        writeFile("Custom.dat", CustomFile(1));
        mainScreen();
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        editor.show();
        editor.remove();
        QCOMPARE(lastMessage().text, QString("You must select a half reaction from the list!"));
        editor.reactionList()->setCurrentRow(0);
        doubles_->messages.answers = {MessageButton::No};
        editor.remove();
        QCOMPARE(readFile("Custom.dat"), CustomFile(1));
        doubles_->messages.answers = {MessageButton::Yes};
        editor.remove();
        QCOMPARE(
            lastMessage(),
            (MessageRequest{"Galvix",
                            "Please confirm that you would like this half reaction to be deleted!",
                            MessageIcon::Exclamation, MessageButtons::YesNo, MessageButton::Yes}));
        QCOMPARE(readFile("Custom.dat"), QByteArray("0\r\n"));
    }

    void removingWhatAnotherInstanceChangedGoesByText_data() {
        QTest::addColumn<QByteArray>("changed"); // Custom.dat after the other instance
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("message"); // empty: no message
        QTest::newRow("record moved up")
            << QByteArray("1\r\n\"C1 -> D + e\",0.5\r\n") << QByteArray("0\r\n") << QString();
        QTest::newRow("record gone")
            << QByteArray("1\r\n\"C0 -> D + e\",0.5\r\n")
            << QByteArray("1\r\n\"C0 -> D + e\",0.5\r\n")
            << "This half reaction is no longer in your list; the list now shows the half "
               "reactions stored.";
    }

    void removingWhatAnotherInstanceChangedGoesByText() {
        QFETCH(QByteArray, changed);
        QFETCH(QByteArray, after);
        QFETCH(QString, message);
        writeFile("Custom.dat", CustomFile(2));
        mainScreen();
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        editor.show();
        editor.reactionList()->setCurrentRow(1);
        writeFile("Custom.dat", changed);
        doubles_->messages.answers = {MessageButton::Yes};
        editor.remove();
        QCOMPARE(readFile("Custom.dat"), after);
        if (!message.isEmpty())
            QCOMPARE(lastMessage(), (MessageRequest{"Galvix", message, MessageIcon::Information,
                                                    MessageButtons::Ok, MessageButton::Ok}));
        const int stored = after.startsWith('1') ? 1 : 0;
        QCOMPARE(editor.reactionList()->count(), stored);
    }

    void anAddShowsTheRecordsAnotherInstanceAdded() {
        mainScreen();
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        editor.show();
        writeFile("Custom.dat", CustomFile(1));
        typeReaction(editor, "Ag+ + e -> Ag", "0.8");
        editor.add();
        QCOMPARE(editor.reactionList()->count(), 2);
        QCOMPARE(editor.reactionList()->item(0)->text(), QString("D + e -> C0"));
        QCOMPARE(editor.reactionList()->item(1)->text(), QString("Ag+ + e -> Ag"));
    }

    void aFailedRewriteNamesTheFileAndTheReasonAndKeepsEverything() {
        writeFile("Custom.dat", CustomFile(2));
        MainScreen& main = mainScreen();
        session_->setFileWriter([](const std::string&, std::string_view) {
            return std::make_error_code(std::errc::permission_denied);
        });
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        editor.show();
        typeReaction(editor, "Ag+ + e -> Ag", "0.8");
        editor.add();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix",
                                 "An error has occured!75\n"
                                 "Custom.dat could not be written: Permission denied",
                                 MessageIcon::Information, MessageButtons::Ok, MessageButton::Ok}));
        editor.reactionList()->setCurrentRow(1);
        doubles_->messages.answers = {MessageButton::Yes};
        editor.remove();
        QCOMPARE(lastMessage().text, QString("An error has occured!75\n"
                                             "Custom.dat could not be written: Permission denied"));
        QCOMPARE(readFile("Custom.dat"), CustomFile(2));
        QCOMPARE(editor.reactionList()->count(), 2);
        QCOMPARE(main.list(ListSide::Oxidation)->count(), BuiltInCount + 2);
    }

    void theTypingAidWorksInTheFormulaBoxes() {
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        editor.formulaBox()->setText("H/2O");
        QCOMPARE(platform::EncodeCp1252(editor.formulaBox()->text()), std::string("H\xb7O"));
        editor.formulaBox()->setText("Cu*2*");
        QCOMPARE(platform::EncodeCp1252(editor.formulaBox()->text()), std::string("Cu\x8d*"));
        SearchDialog& search = window<SearchDialog>();
        search.searchBox()->setText("/a");
        QCOMPARE(platform::EncodeCp1252(search.searchBox()->text()), std::string("\xb5"));
    }

    void searchFollowsCaseAndWholeWordRules() {
        MainScreen& main = mainScreen();
        SearchDialog& search = window<SearchDialog>();
        search.show();
        search.searchBox()->setText("");
        search.find();
        QCOMPARE(main.list(ListSide::Oxidation)->currentRow(), 0);
        search.searchBox()->setText("zn ");
        search.find();
        QVERIFY(ItemBytes(main.list(ListSide::Oxidation)->currentItem()).starts_with("Zn "));
        QVERIFY(search.isHidden());
        search.matchCase()->setChecked(true);
        search.searchBox()->setText("zn");
        search.find();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "Not found! Please try again.", MessageIcon::Exclamation,
                                 MessageButtons::Ok, MessageButton::Ok}));
        search.matchCase()->setChecked(false);
        search.wholeWord()->setChecked(true);
        search.reductionChoice()->setChecked(true);
        search.searchBox()->setText("Z");
        search.find();
        QCOMPARE(lastMessage().text, QString("Not found! Please try again."));
        QCOMPARE(session_->searchCriteria().list, ListSide::Reduction);
    }

    void jumpIgnoresCaseAndKnowsElementsWithoutData() {
        MainScreen& main = mainScreen();
        JumpDialog& jump = window<JumpDialog>();
        jump.setList(ListSide::Reduction);
        int row = -1;
        for (const char* typed : {"fe", "Fe", " FE "}) {
            main.list(ListSide::Reduction)->setCurrentRow(0);
            jump.symbolBox()->setText(typed);
            jump.jump();
            QVERIFY(row == -1 || row == main.list(ListSide::Reduction)->currentRow());
            row = main.list(ListSide::Reduction)->currentRow();
        }
        QVERIFY(ItemBytes(main.list(ListSide::Reduction)->item(row)).find("Fe") !=
                std::string::npos);
        jump.symbolBox()->setText("he");
        jump.jump();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "Sorry, no data available.", MessageIcon::None,
                                 MessageButtons::Ok, MessageButton::Ok}));
        jump.symbolBox()->setText("qq");
        jump.jump();
        QCOMPARE(lastMessage().text, QString("Your element was not found. Please try again."));
    }

    void jumpIsOnlyOfferedInTheAlphabeticalArrangement() {
        MainScreen& main = mainScreen();
        QVERIFY(main.findChild<QPushButton*>("Command3")->isEnabled());
        main.rearrange(Arrangement::Descending);
        QVERIFY(!main.findChild<QPushButton*>("Command3")->isEnabled());
        main.rearrange(Arrangement::Alphabetical);
        QVERIFY(main.findChild<QAction*>("red")->isEnabled());
    }

    void elementSearchSelectsTheRow_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("one is hydrogen") << "1" << QStringList{"H", "Hydrogen", "1"};
        QTest::newRow("deuterium by name") << "deuterium" << QStringList{"D", "Deuterium", "1"};
        QTest::newRow("atomic number") << "26" << QStringList{"Fe", "Iron", "26"};
        QTest::newRow("name in lower case") << "iron" << QStringList{"Fe", "Iron", "26"};
        QTest::newRow("symbol in capitals") << "FE" << QStringList{"Fe", "Iron", "26"};
    }

    void elementSearchSelectsTheRow() {
        QFETCH(QString, typed);
        QFETCH(QStringList, row);
        ElementListWindow& elements = window<ElementListWindow>();
        QVERIFY(elements.load(nullptr));
        elements.searchBox()->setText(typed);
        elements.search();
        const QTreeWidgetItem* current = elements.elementTable()->currentItem();
        QVERIFY(current);
        QCOMPARE((QStringList{current->text(0), current->text(1), current->text(2)}), row);
    }

    void elementSearchReportsWhatIsNotThere() {
        ElementListWindow& elements = window<ElementListWindow>();
        QVERIFY(elements.load(nullptr));
        elements.searchBox()->setText("xyzzy");
        elements.search();
        QCOMPARE(lastMessage().text, QString("Sorry, your input was not found. Please try again."));
    }

    void elementsStandInThreeColumnsThatFitTheWindow() {
        ElementListWindow& elements = window<ElementListWindow>();
        QVERIFY(elements.load(nullptr));
        elements.show();
        QTreeWidget* table = elements.elementTable();
        QCOMPARE(table->topLevelItemCount(), 99);
        const QTreeWidgetItem* header = table->headerItem();
        QCOMPARE((QStringList{header->text(0), header->text(1), header->text(2)}),
                 (QStringList{"Sym.", "Name", "At. No."}));
        QVERIFY(table->header()->length() <= table->viewport()->width());
        const QRect symbol = table->visualRect(table->model()->index(0, 0));
        const QRect name = table->visualRect(table->model()->index(0, 1));
        const QRect number = table->visualRect(table->model()->index(0, 2));
        QVERIFY(table->viewport()->rect().contains(number));
        QVERIFY(symbol.right() < name.left() && name.right() < number.left());
        elements.close();
    }

    void elementCopyKeepsItsPaddedLines() {
        ElementListWindow& elements = window<ElementListWindow>();
        QVERIFY(elements.load(nullptr));
        elements.copy();
        const QStringList lines = doubles_->clipboard.plain.split("\r\n");
        QCOMPARE(lines[0], QString("Galvix Ver. 3.0"));
        QCOMPARE(lines[3], QString("Sym.      Name              At.No."));
        QCOMPARE(lines.size(), 5 + 99 + 1);
        QVERIFY(lines.contains("Fe    Iron                    26"));
        QVERIFY(lines.last().isEmpty());
    }

    void aSaveAfterAHandEditedLastLineIsListed() {
        writeFile("Saved.dat", "\"Edited\",\"a\",\"b\"");
        MainScreen& main = mainScreen();
        main.list(ListSide::Oxidation)->setCurrentRow(5);
        main.list(ListSide::Reduction)->setCurrentRow(7);
        SaveReactionDialog& save = window<SaveReactionDialog>();
        save.nameBox()->setText("New");
        save.save();
        OpenReactionDialog& open = window<OpenReactionDialog>();
        QCOMPARE(open.nameBox()->count(), 2);
        QCOMPARE(open.nameBox()->itemText(0), QString("Edited"));
        QCOMPARE(open.nameBox()->itemText(1), QString("New"));
    }

    void aSaveThatCannotBeWrittenSaysSo() {
        QVERIFY(QDir(dir_->path()).mkdir("Saved.dat"));
        MainScreen& main = mainScreen();
        main.list(ListSide::Oxidation)->setCurrentRow(5);
        main.list(ListSide::Reduction)->setCurrentRow(7);
        SaveReactionDialog& save = window<SaveReactionDialog>();
        save.show();
        save.nameBox()->setText("Pair");
        save.save();
        QVERIFY2(lastMessage().text.startsWith("The reaction could not be saved: "),
                 qPrintable(lastMessage().text));
        QCOMPARE(lastMessage().icon, MessageIcon::Critical);
        QVERIFY(save.isVisible());
    }

    void savingTwiceUnderOneNameOpensTheFirst() {
        MainScreen& main = mainScreen();
        main.list(ListSide::Oxidation)->setCurrentRow(5);
        main.list(ListSide::Reduction)->setCurrentRow(7);
        const std::string firstOxidation = ItemBytes(main.list(ListSide::Oxidation)->currentItem());
        SaveReactionDialog& save = window<SaveReactionDialog>();
        save.nameBox()->setText("Pair");
        save.save();
        main.list(ListSide::Oxidation)->setCurrentRow(9);
        save.nameBox()->setText("Pair");
        save.save();
        QCOMPARE(readFile("Saved.dat").count("\r\n"), 2);
        save.nameBox()->setText("");
        save.save();
        QCOMPARE(readFile("Saved.dat").count("\r\n"), 2);
        save.nameBox()->setText("say \"hi\"");
        save.save();
        QCOMPARE(readFile("Saved.dat").count("\r\n"), 2);
        main.list(ListSide::Oxidation)->setCurrentRow(0);
        OpenReactionDialog& open = window<OpenReactionDialog>();
        QCOMPARE(open.nameBox()->count(), 2);
        open.nameBox()->setEditText("Pair");
        open.openReaction();
        QCOMPARE(ItemBytes(main.list(ListSide::Oxidation)->currentItem()), firstOxidation);
        QVERIFY(window<ReactionDataWindow>().isVisible());
        open.nameBox()->setEditText("pair");
        open.openReaction();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "Reaction not found!", MessageIcon::Exclamation,
                                 MessageButtons::Ok, MessageButton::Ok}));
    }

    void aDamagedSavedFileNeverBreaksOpen() {
        writeFile("Saved.dat", "\"good\",\"x\",\"y\"\r\n\"broken,\"\r\n");
        mainScreen();
        OpenReactionDialog& open = window<OpenReactionDialog>();
        QCOMPARE(open.nameBox()->count(), 1);
        open.openReaction();
        QCOMPARE(lastMessage().text, QString("Reaction not found!"));
    }

    void savingNeedsTwoSelections() {
        MainScreen& main = mainScreen();
        main.list(ListSide::Oxidation)->setCurrentRow(1);
        main.saveSelected();
        QCOMPARE(lastMessage().text,
                 QString("Two half reactions have to be selected for a file to be saved."));
    }

    void copyingTheReductionListWritesAlignedLines() {
        MainScreen& main = mainScreen();
        ListOutputDialog& output = window<ListOutputDialog>();
        output.prepare(OutputMode::Copy);
        output.reductionChoice()->setChecked(true);
        output.run();
        const QStringList lines = doubles_->clipboard.plain.split("\r\n");
        QCOMPARE(lines[3], QString("   E(V)     Half reaction"));
        QCOMPARE(lines.size(), 5 + main.list(ListSide::Reduction)->count() + 1);
        QCOMPARE(lines[5].mid(11),
                 ChemToPlainText(main.list(ListSide::Reduction)->item(0)->text()));
        QVERIFY(!doubles_->clipboard.plain.contains(QChar(0xA2)));
        for (int k = 5; k < lines.size() - 1; ++k)
            QCOMPARE(lines[k].mid(9, 2), QString("  "));
        QCOMPARE(lastMessage().text, QString("In order to view the half reactions properly, "
                                             "convert them to the Chem (Chem.ttf) font"));
        QVERIFY(output.isHidden());
        QVERIFY(!window<ProgressWindow>().cancelRequested());
    }

    void cancellingTheListCopyLeavesTheClipboardAlone() {
        mainScreen();
        doubles_->clipboard.plain = "before";
        ListOutputDialog& output = window<ListOutputDialog>();
        output.prepare(OutputMode::Copy);
        output.show();
        QTimer::singleShot(0, [this] { window<ProgressWindow>().cancelButton()->click(); });
        output.run();
        QCOMPARE(doubles_->clipboard.plain, QString("before"));
        QVERIFY(!window<ProgressWindow>().cancelRequested());
        QVERIFY(output.isVisible());
    }

    void printingTheListUsesChemAndOneHeading() {
        mainScreen();
        ListOutputDialog& output = window<ListOutputDialog>();
        output.prepare(OutputMode::Print);
        doubles_->messages.answers = {MessageButton::Yes};
        output.run();
        QCOMPARE(doubles_->printer.jobs.size(), 1u);
        const auto& job = doubles_->printer.jobs[0];
        QCOMPARE(job.font, QString("Chem"));
        QVERIFY(job.text.contains("\r\n   E(V)     Half reaction\r\n"));
    }

    void helperEntriesNeedCaptionAndPath() {
        MainScreen& main = mainScreen();
        ApplicationsDialog& helpers = window<ApplicationsDialog>();
        helpers.indexBox()->setText("3");
        helpers.captionBox()->setText("Only a caption");
        helpers.indexBox()->setText("4");
        helpers.captionBox()->setText("Shell");
        helpers.pathBox()->setText("/bin/sh");
        helpers.indexBox()->setText("77");
        helpers.indexBox()->setText("-5");
        helpers.apply();
        QCOMPARE(doubles_->settings.values["Applications/App 3"], QString("Only a caption"));
        QVERIFY(!main.findChild<QAction*>("m(3)")->isVisible());
        QVERIFY(main.findChild<QAction*>("m(4)")->isVisible());
        QCOMPARE(main.findChild<QAction*>("m(4)")->text(), QString("Shell"));
        helpers.indexBox()->setText("5");
        doubles_->dialogs.files = {QString("/tmp/SETUP.EXE")};
        helpers.browse();
        QVERIFY(helpers.pathBox()->text().isEmpty());
        doubles_->dialogs.files = {QString("/bin/sh")};
        helpers.browse();
        QCOMPARE(helpers.captionBox()->text(), QString("sh"));
        QVERIFY(!helpers.icon()->pixmap().isNull());
    }
};

QTEST_MAIN(LookupWindowsTest)
#include "lookup_windows_test.moc"
