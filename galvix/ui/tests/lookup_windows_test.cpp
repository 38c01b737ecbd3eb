// The custom editor, search, jump, list of elements, saved reactions, list
// output and helper applications of Galvix3, offscreen with scripted services.
#include "galvix_fixture.h"
#include "platform/chem_text.h"
#include "ui/form11.h"
#include "ui/form12.h"
#include "ui/form13.h"
#include "ui/form15.h"
#include "ui/form16.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form7.h"
#include "ui/form8.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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

class LookupWindowsTest : public QObject, public GalvixFixture {
    Q_OBJECT

    void typeReaction(Form3& editor, const QString& reaction, const QString& potential) {
        editor.text1()->setText(reaction);
        editor.text2()->setText(potential);
    }

  private Q_SLOTS:
    void initTestCase() { QFontDatabase::addApplicationFont(GALVIX_CHEM_FONT); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void addingAHalfReactionStoresItTurnedRoundAndShowsItAtOnce() {
        Form1& main = mainScreen();
        Form3& editor = context_->form3();
        editor.show();
        typeReaction(editor, "  Ag+ + e -> Ag ", "0.80");
        editor.add();
        QCOMPARE(readFile("Custom.dat"), QByteArray("1\r\n\"Ag -> Ag+ + e\",-0.8\r\n"));
        QCOMPARE(editor.list1()->count(), 1);
        QCOMPARE(editor.list1()->item(0)->text(), QString("Ag+ + e -> Ag"));
        QCOMPARE(main.list1()->count(), BuiltInCount + 1);
        QCOMPARE(Form1::ItemBytes(main.list2()->item(BuiltInCount)), std::string("Ag+ + e -> Ag"));
        QVERIFY(editor.text1()->text().isEmpty());
        editor.showRecord(0);
        QCOMPARE(editor.text1()->text(), QString("Ag+ + e -> Ag"));
        QCOMPARE(editor.text2()->text(), QString("0.8"));
    }

    void addRefusalsComeWithTheirMessages() {
        Form3& editor = context_->form3();
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
        Form3& editor = context_->form3();
        editor.show();
        typeReaction(editor, "Ag+ + e -> Ag", "0.8");
        editor.add();
        QCOMPARE(lastMessage().text, QString("You have already reached 300 half reactions!"));
        QCOMPARE(readFile("Custom.dat"), CustomFile(300));
        editor.list1()->setCurrentRow(299);
        doubles_->messages.answers = {MessageButton::Yes};
        editor.remove();
        QCOMPARE(readFile("Custom.dat"), CustomFile(299));
        QCOMPARE(editor.list1()->count(), 299);
    }

    void removingTheOnlyRecordLeavesTheCountZero() {
        writeFile("Custom.dat", CustomFile(1));
        mainScreen();
        Form3& editor = context_->form3();
        editor.show();
        editor.remove();
        QCOMPARE(lastMessage().text, QString("You must select a half reaction from the list!"));
        editor.list1()->setCurrentRow(0);
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

    void aFailedRewriteKeepsTheOldFileAndTheLists() {
        writeFile("Custom.dat", CustomFile(2));
        Form1& main = mainScreen();
        context_->replaceFile = [](const QString&, const QByteArray&) { return false; };
        Form3& editor = context_->form3();
        editor.show();
        typeReaction(editor, "Ag+ + e -> Ag", "0.8");
        editor.add();
        QCOMPARE(lastMessage().text, QString("An error has occured!75"));
        QCOMPARE(readFile("Custom.dat"), CustomFile(2));
        QCOMPARE(editor.list1()->count(), 2);
        QCOMPARE(main.list1()->count(), BuiltInCount + 2);
    }

    void theTypingAidWorksInTheFormulaBoxes() {
        Form3& editor = context_->form3();
        editor.text1()->setText("H/2O");
        QCOMPARE(platform::EncodeCp1252(editor.text1()->text()), std::string("H\xb7O"));
        editor.text1()->setText("Cu*2*");
        QCOMPARE(platform::EncodeCp1252(editor.text1()->text()), std::string("Cu\x8d*"));
        Form12& search = context_->form12();
        search.text1()->setText("/a");
        QCOMPARE(platform::EncodeCp1252(search.text1()->text()), std::string("\xb5"));
    }

    void searchFollowsCaseAndWholeWordRules() {
        Form1& main = mainScreen();
        Form12& search = context_->form12();
        search.show();
        search.text1()->setText("");
        search.find();
        QCOMPARE(main.list1()->currentRow(), 0);
        search.text1()->setText("zn ");
        search.find();
        QVERIFY(Form1::ItemBytes(main.list1()->currentItem()).starts_with("Zn "));
        QVERIFY(search.isHidden());
        search.matchCase()->setChecked(true);
        search.text1()->setText("zn");
        search.find();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "Not found! Please try again.", MessageIcon::Exclamation,
                                 MessageButtons::Ok, MessageButton::Ok}));
        search.matchCase()->setChecked(false);
        search.wholeWord()->setChecked(true);
        search.option2()->setChecked(true);
        search.text1()->setText("Z");
        search.find();
        QCOMPARE(lastMessage().text, QString("Not found! Please try again."));
        QCOMPARE(context_->find.list, 'R');
    }

    void jumpIgnoresCaseAndKnowsElementsWithoutData() {
        Form1& main = mainScreen();
        Form8& jump = context_->form8();
        context_->jumpListFlag = 'R';
        int row = -1;
        for (const char* typed : {"fe", "Fe", " FE "}) {
            main.list2()->setCurrentRow(0);
            jump.text1()->setText(typed);
            jump.jump();
            QVERIFY(row == -1 || row == main.list2()->currentRow());
            row = main.list2()->currentRow();
        }
        QVERIFY(Form1::ItemBytes(main.list2()->item(row)).find("Fe") != std::string::npos);
        jump.text1()->setText("he");
        jump.jump();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "Sorry, no data available.", MessageIcon::None,
                                 MessageButtons::Ok, MessageButton::Ok}));
        jump.text1()->setText("qq");
        jump.jump();
        QCOMPARE(lastMessage().text, QString("Your element was not found. Please try again."));
    }

    void jumpIsOnlyOfferedInTheAlphabeticalArrangement() {
        Form1& main = mainScreen();
        QVERIFY(main.findChild<QPushButton*>("Command3")->isEnabled());
        main.rearrange(Arrangement::Descending);
        QVERIFY(!main.findChild<QPushButton*>("Command3")->isEnabled());
        main.rearrange(Arrangement::Alphabetical);
        QVERIFY(main.findChild<QAction*>("red")->isEnabled());
    }

    void elementSearch() {
        Form7& elements = context_->form7();
        QCOMPARE(elements.list1()->count(), 99);
        auto search = [&](const char* text) {
            elements.text1()->setText(text);
            elements.search();
            return elements.list1()->currentItem()->text();
        };
        QVERIFY(search("1").startsWith("H     Hydrogen"));
        QVERIFY(search("deuterium").startsWith("D     Deuterium"));
        QVERIFY(search("26").startsWith("Fe    Iron"));
        QVERIFY(search("iron").startsWith("Fe    Iron"));
        QVERIFY(search("FE").startsWith("Fe    Iron"));
        elements.text1()->setText("xyzzy");
        elements.search();
        QCOMPARE(lastMessage().text, QString("Sorry, your input was not found. Please try again."));
        elements.copy();
        const QStringList lines = doubles_->clipboard.plain.split("\r\n");
        QCOMPARE(lines[0], QString("Galvix Ver. 3.0"));
        QCOMPARE(lines[3], QString("Sym.      Name              At.No."));
        QCOMPARE(lines.size(), 5 + 99 + 1);
        QVERIFY(lines.last().isEmpty());
    }

    void savingTwiceUnderOneNameOpensTheFirst() {
        Form1& main = mainScreen();
        main.list1()->setCurrentRow(5);
        main.list2()->setCurrentRow(7);
        const std::string firstOxidation = Form1::ItemBytes(main.list1()->currentItem());
        Form16& save = context_->form16();
        save.text1()->setText("Pair");
        save.save();
        main.list1()->setCurrentRow(9);
        save.text1()->setText("Pair");
        save.save();
        QCOMPARE(readFile("Saved.dat").count("\r\n"), 2);
        save.text1()->setText("");
        save.save();
        QCOMPARE(readFile("Saved.dat").count("\r\n"), 2);
        save.text1()->setText("say \"hi\"");
        save.save();
        QCOMPARE(readFile("Saved.dat").count("\r\n"), 2);
        main.list1()->setCurrentRow(0);
        Form5& open = context_->form5();
        QCOMPARE(open.combo1()->count(), 2);
        open.combo1()->setEditText("Pair");
        open.open();
        QCOMPARE(Form1::ItemBytes(main.list1()->currentItem()), firstOxidation);
        QVERIFY(context_->form2().isVisible());
        open.combo1()->setEditText("pair");
        open.open();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "Reaction not found!", MessageIcon::Exclamation,
                                 MessageButtons::Ok, MessageButton::Ok}));
    }

    void aDamagedSavedFileNeverBreaksOpen() {
        writeFile("Saved.dat", "\"good\",\"x\",\"y\"\r\n\"broken,\"\r\n");
        mainScreen();
        Form5& open = context_->form5();
        QCOMPARE(open.combo1()->count(), 1);
        open.open();
        QCOMPARE(lastMessage().text, QString("Reaction not found!"));
    }

    void savingNeedsTwoSelections() {
        Form1& main = mainScreen();
        main.list1()->setCurrentRow(1);
        main.saveSelected();
        QCOMPARE(lastMessage().text,
                 QString("Two half reactions have to be selected for a file to be saved."));
    }

    void copyingTheReductionListWritesAlignedLines() {
        Form1& main = mainScreen();
        Form13& output = context_->form13();
        output.prepare(1);
        output.option5()->setChecked(true);
        output.run();
        const QStringList lines = doubles_->clipboard.plain.split("\r\n");
        QCOMPARE(lines[3], QString("   E(V)     Half reaction"));
        QCOMPARE(lines.size(), 5 + main.list2()->count() + 1);
        QCOMPARE(lines[5].mid(11), main.list2()->item(0)->text());
        for (int k = 5; k < lines.size() - 1; ++k)
            QCOMPARE(lines[k].mid(9, 2), QString("  "));
        QCOMPARE(lastMessage().text, QString("In order to view the half reactions properly, "
                                             "convert them to the Chem (Chem.ttf) font"));
        QVERIFY(output.isHidden());
        QCOMPARE(context_->sortCancelFlag, 0);
    }

    void cancellingTheListCopyLeavesTheClipboardAlone() {
        mainScreen();
        doubles_->clipboard.plain = "before";
        Form13& output = context_->form13();
        output.prepare(1);
        output.show();
        QTimer::singleShot(0, [this] { context_->form11().cancelButton()->click(); });
        output.run();
        QCOMPARE(doubles_->clipboard.plain, QString("before"));
        QCOMPARE(context_->sortCancelFlag, 0);
        QVERIFY(output.isVisible());
    }

    void printingTheListUsesChemAndOneHeading() {
        mainScreen();
        Form13& output = context_->form13();
        output.prepare(2);
        doubles_->messages.answers = {MessageButton::Yes};
        output.run();
        QCOMPARE(doubles_->printer.jobs.size(), 1u);
        const auto& job = doubles_->printer.jobs[0];
        QCOMPARE(job.font, QString("Chem"));
        QVERIFY(job.text.contains("\r\n   E(V)     Half reaction\r\n"));
    }

    void helperEntriesNeedCaptionAndPath() {
        Form1& main = mainScreen();
        Form15& helpers = context_->form15();
        helpers.text1()->setText("3");
        helpers.text2()->setText("Only a caption");
        helpers.text1()->setText("4");
        helpers.text2()->setText("Shell");
        helpers.text3()->setText("/bin/sh");
        helpers.text1()->setText("77");
        helpers.text1()->setText("-5");
        helpers.apply();
        QCOMPARE(doubles_->settings.values["Applications/App 3"], QString("Only a caption"));
        QVERIFY(!main.findChild<QAction*>("m(3)")->isVisible());
        QVERIFY(main.findChild<QAction*>("m(4)")->isVisible());
        QCOMPARE(main.findChild<QAction*>("m(4)")->text(), QString("Shell"));
        helpers.text1()->setText("5");
        doubles_->dialogs.files = {QString("/tmp/SETUP.EXE")};
        helpers.browse();
        QVERIFY(helpers.text3()->text().isEmpty());
        doubles_->dialogs.files = {QString("/bin/sh")};
        helpers.browse();
        QCOMPARE(helpers.text2()->text(), QString("sh"));
        QVERIFY(!helpers.picture1()->pixmap().isNull());
    }
};

QTEST_MAIN(LookupWindowsTest)
#include "lookup_windows_test.moc"
