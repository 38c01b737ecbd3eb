// The Galvix3 windows on the offscreen platform, with scripted services, a
// temporary data directory and no real settings store.
#include "core/half_reaction_table.h"
#include "galvix_fixture.h"
#include "platform/chem_text.h"
#include "platform/qt_services.h"
#include "platform/testing/test_services.h"
#include "ui/form1.h"
#include "ui/form10.h"
#include "ui/form11.h"
#include "ui/form14.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/form6.h"
#include "ui/form9.h"
#include "ui/galvix_context.h"
#include "ui/tips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace galvix;
using namespace galvix::ui;
using namespace galvix::ui::testing;

namespace {

// A printer whose jobs write a PDF file.
class PdfPrinter : public platform::Printer {
  public:
    explicit PdfPrinter(QString path) : path_(std::move(path)) {}
    std::unique_ptr<platform::PrintJob> start(QWidget*) override {
        return platform::MakePdfPrintJob(path_);
    }
    std::vector<std::unique_ptr<platform::PrintJob>> startCopies(QWidget* parent) override {
        std::vector<std::unique_ptr<platform::PrintJob>> jobs;
        jobs.push_back(start(parent));
        return jobs;
    }

  private:
    QString path_;
};

} // namespace

class GalvixUiTest : public QObject, public galvix::ui::testing::GalvixFixture {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { QVERIFY(QFontDatabase::addApplicationFont(GALVIX_CHEM_FONT) >= 0); }

    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void calculateWithOneListUnselectedRefuses() {
        Form1& form1 = mainScreen();
        form1.list1()->setCurrentRow(0);
        form1.calculate();
        QCOMPARE(doubles_->messages.shown.size(), 1u);
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "You must select reactions from both lists!",
                                 MessageIcon::None, MessageButtons::Ok, MessageButton::Ok}));
        QVERIFY(form1.isVisible());
    }

    void listsStartAlphabeticalInTableOrder() {
        Form1& form1 = mainScreen();
        const TableLoad load = LoadTable(context_->dataDirectory);
        QCOMPARE(form1.list1()->count(), BuiltInCount);
        QCOMPARE(Form1::ItemBytes(form1.list1()->item(0)), load.table[1].oxidationText);
        QCOMPARE(Form1::ItemBytes(form1.list2()->item(530)), load.table[531].reductionText);
        QCOMPARE(form1.list1()->font().family(), QString("Chem"));
        QVERIFY(form1.findChild<QAction*>("alpha")->isChecked());
    }

    void ascendingPutsTheLowestPotentialsFirst() {
        Form1& form1 = mainScreen();
        form1.rearrange(Arrangement::Ascending);
        const TableLoad load = LoadTable(context_->dataDirectory);
        double lowestOxidation = 1e9;
        double lowestReduction = 1e9;
        for (int i = 1; i <= load.table.count(); ++i) {
            lowestOxidation = std::min(lowestOxidation, load.table[i].oxidationPotential);
            lowestReduction = std::min(lowestReduction, load.table[i].reductionPotential);
        }
        const auto first = FindOxidationEntry(load.table, Form1::ItemBytes(form1.list1()->item(0)));
        const auto firstReduction =
            FindReductionEntry(load.table, Form1::ItemBytes(form1.list2()->item(0)));
        QCOMPARE(load.table[*first].oxidationPotential, lowestOxidation);
        QCOMPARE(load.table[*firstReduction].reductionPotential, lowestReduction);
        QVERIFY(form1.findChild<QAction*>("asce")->isChecked());
        QVERIFY(!form1.findChild<QAction*>("alpha")->isChecked());
        QVERIFY(!form1.findChild<QPushButton*>("Command2")->isEnabled());
        QVERIFY(!form1.findChild<QAction*>("ox")->isEnabled());
        QVERIFY(context_->form11().isHidden());
    }

    void cancellingTheSortKeepsTheOldArrangement() {
        Form1& form1 = mainScreen();
        const std::string firstBefore = Form1::ItemBytes(form1.list1()->item(0));
        QTimer::singleShot(0, [this] { context_->form11().cancelButton()->click(); });
        form1.findChild<QAction*>("des")->trigger();
        QCOMPARE(Form1::ItemBytes(form1.list1()->item(0)), firstBefore);
        QVERIFY(form1.findChild<QAction*>("alpha")->isChecked());
        QVERIFY(!form1.findChild<QAction*>("des")->isChecked());
        QCOMPARE(context_->sortCancelFlag, 0);
        QVERIFY(context_->form11().isHidden());
    }

    void findNextDoesNotWrapAround() {
        Form1& form1 = mainScreen();
        context_->find = {"CU", false, false, 'O'};
        form1.findNext();
        const int firstCopper = form1.list1()->currentRow();
        QVERIFY(firstCopper > 0);
        QVERIFY(Form1::ItemBytes(form1.list1()->item(firstCopper)).find("Cu") != std::string::npos);
        form1.list1()->setCurrentRow(form1.list1()->count() - 1);
        form1.findNext();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "Not found! Please try again.", MessageIcon::Exclamation,
                                 MessageButtons::Ok, MessageButton::Ok}));
        QCOMPARE(form1.list1()->currentRow(), form1.list1()->count() - 1);
    }

    void doubleClickingAReductionEntryShowsItsData() {
        Form1& form1 = mainScreen();
        const std::string copper = Chem("Cu\x8d\xa2 + 2e -> Cu");
        QVERIFY(Select(form1.list2(), copper));
        QString type, potential, formula;
        WhenModalOpens([&](QWidget* modal) {
            type = modal->findChild<QLabel*>("Label3")->text();
            potential = modal->findChild<QLabel*>("Label5")->text();
            formula = modal->findChild<QLabel*>("Label9")->text();
        });
        form1.showHalfReactionData(form1.list2(), form1.list2()->currentItem());
        QCOMPARE(type, QString("Reduction"));
        QCOMPARE(potential, QString("0.34 V"));
        QCOMPARE(formula, platform::DecodeCp1252(copper));
        QCOMPARE(doubles_->desktop.beeps, 1);
    }

    void halfReactionDataCopiesTwelveLines() {
        Form6& form6 = context_->form6();
        form6.fill("Ag -> Ag\xa2 + e", "Oxidation", "-0.7996 V", "-13.529232");
        form6.copy();
        const QStringList lines = doubles_->clipboard.plain.split("\r\n");
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines[3], QString("Half reaction data:"));
        QCOMPARE(lines[11], QString("-13.529232"));
        doubles_->messages.answers = {MessageButton::No};
        form6.print();
        QVERIFY(doubles_->printer.jobs.empty());
    }

    void aReactionThatWillNotOccurHidesTheResults() {
        calculatePair(Chem("Au -> Au\x8e\xa2 + 3e"), Chem("Li\xa2 + e -> Li"));
        Form2& form2 = context_->form2();
        QVERIFY(form2.isVisible());
        QVERIFY(!context_->form1().isVisible());
        QCOMPARE(form2.label(17)->text(), QString("No"));
        QVERIFY(form2.findChild<QGroupBox*>("Frame3")->isHidden());
        QVERIFY(form2.label(18)->isHidden());
        for (const char* name :
             {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
            QVERIFY2(form2.findChild<QLabel*>(name)->isHidden(), name);
        form2.copy();
        QVERIFY(doubles_->clipboard.plain.endsWith("Will it occur: No\r\n"));
        QCOMPARE(doubles_->clipboard.plain.count("\r\n"), 3 + 10);
    }

    void aReactionThatWillOccurCopiesNineteenLines() {
        calculatePair(Chem("Zn -> Zn\x8d\xa2 + 2e"), Chem("Cu\x8d\xa2 + 2e -> Cu"));
        Form2& form2 = context_->form2();
        QCOMPARE(form2.label(17)->text(), QString("Yes"));
        QCOMPARE(form2.findChild<QLabel*>("Label4")->text(), QString("1.1018 V"));
        QCOMPARE(form2.findChild<QLabel*>("Label3")->text(), QString("-212.614346 kJ/mol"));
        form2.copy();
        const QStringList lines = doubles_->clipboard.plain.split("\r\n");
        QCOMPARE(lines[0], QString("Galvix Ver 3.0"));
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines.size() - 3 - 1, 19);
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines[3 + 12], QString("K = ") + form2.findChild<QLabel*>("Label6")->text());
        QCOMPARE(lines[3 + 13], QString(QChar(0xD3)) + "G" + QChar(0xF8) + "= " +
                                    form2.findChild<QLabel*>("Label3")->text());
        QVERIFY(doubles_->clipboard.html.contains("<sup>2+</sup>"));
        QCOMPARE(lastMessage().text,
                 QString("Note: to view reactions (and the delta symbol) properly (in a word "
                         "processor), convert them to the Chem (Chem.ttf) font."));
    }

    void anEquilibriumConstantBeyondRangeShowsOverflow() {
        writeFile("Custom.dat", "2\r\n\"A -> A\xa2 + 10e\",3\r\n\"B -> B\xa2 + 10e\",-3\r\n");
        calculatePair(Chem("A -> A\xa2 + 10e"), Chem("B\xa2 + 10e -> B"));
        Form2& form2 = context_->form2();
        QCOMPARE(form2.findChild<QLabel*>("Label6")->text(), QString("Overflow"));
        QCOMPARE(form2.findChild<QLabel*>("Label4")->text(), QString("6 V"));
        QCOMPARE(form2.findChild<QLabel*>("Label3")->text(), QString("-5789.1 kJ/mol"));
        QVERIFY(form2.findChild<QLabel*>("Label6")->isVisibleTo(&form2));
    }

    void toolTipsFollowTheSetting() {
        doubles_->settings.values["Options/tool"] = " 0";
        calculatePair(Chem("Zn -> Zn\x8d\xa2 + 2e"), Chem("Cu\x8d\xa2 + 2e -> Cu"));
        QCOMPARE(context_->form2().label(6)->toolTip(), QString());
        doubles_->settings.values["Options/tool"] = " 1";
        context_->applyAppearanceToAll();
        QCOMPARE(context_->form2().label(6)->toolTip(), QString("Potential in volts"));
    }

    void printingAsksFirstAndReportsFailures() {
        calculatePair(Chem("Zn -> Zn\x8d\xa2 + 2e"), Chem("Cu\x8d\xa2 + 2e -> Cu"));
        Form2& form2 = context_->form2();
        doubles_->messages.answers = {MessageButton::No};
        form2.print();
        QVERIFY(doubles_->printer.jobs.empty());
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix", "Do you want to print the results?",
                                                MessageIcon::Question, MessageButtons::YesNo,
                                                MessageButton::Yes}));
        doubles_->printer.failing = true;
        doubles_->messages.answers = {MessageButton::Yes};
        form2.print();
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix", "Error printing!", MessageIcon::Critical,
                                                MessageButtons::Ok, MessageButton::Ok}));
        QCOMPARE(form2.findChild<QLabel*>("Label8")->text(), QString::fromUtf8("G\u00B0 = "));
        doubles_->printer.failing = false;
        doubles_->messages.answers = {MessageButton::Yes};
        form2.print();
        const auto& job = doubles_->printer.jobs.back();
        QCOMPARE(job.font, QString("Chem"));
        QCOMPARE(job.pointSize, 10);
        QCOMPARE(job.pagesPrepared, 1);
        QVERIFY(job.ended);
        QVERIFY(job.text.contains(QString("G") + QChar(0xF8) + "= "));
    }

    void printingToPdfEmbedsTheChemFont() {
        const QString pdffonts = QStandardPaths::findExecutable("pdffonts");
        if (pdffonts.isEmpty())
            QSKIP("pdffonts is not installed");
        const QString pdf = dir_->filePath("reaction.pdf");
        PdfPrinter printer(pdf);
        platform::Services services = doubles_->services();
        platform::Services withPdf{services.settings, services.messages, services.clipboard,
                                   printer,           services.dialogs,  services.programs,
                                   services.desktop,  services.help};
        makeContext(withPdf);
        calculatePair(Chem("Zn -> Zn\x8d\xa2 + 2e"), Chem("Cu\x8d\xa2 + 2e -> Cu"));
        doubles_->messages.answers = {MessageButton::Yes};
        context_->form2().print();
        QProcess process;
        process.start(pdffonts, {pdf});
        QVERIFY(process.waitForFinished());
        QVERIFY2(process.readAllStandardOutput().contains("Chem"), "Chem is not embedded");
    }

    void abbreviationsAndQuitPrompt() {
        calculatePair(Chem("Zn -> Zn\x8d\xa2 + 2e"), Chem("Cu\x8d\xa2 + 2e -> Cu"));
        Form2& form2 = context_->form2();
        form2.findChild<QPushButton*>("Command6")->click();
        QCOMPARE(lastMessage().text,
                 QString::fromUtf8("The following are abbreviations used in this screen:\r\n\r\n"
                                   "E = potential\r\nK = equilibrium constant\r\nE(cell) = total "
                                   "cell voltage\r\n/\\G\u00B0 = [Gibbs] free energy change\r\nV = "
                                   "volt(s)\r\nkJ/mol = kilojoules per mole\r\nlog = base 10 "
                                   "logarithm"));
        doubles_->messages.answers = {MessageButton::No};
        QVERIFY(!form2.close());
        QCOMPARE(quits_, 0);
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix", "Are you sure you want to quit?",
                                                MessageIcon::Exclamation, MessageButtons::YesNo,
                                                MessageButton::No}));
        form2.findChild<QPushButton*>("Command1")->click();
        QVERIFY(context_->form1().isVisible());
        doubles_->messages.answers = {MessageButton::Yes};
        QVERIFY(context_->form1().close());
        QCOMPARE(quits_, 1);
    }

    void aDamagedDataFileIsFatal() {
        writeFile("Custom.dat", "400\r\n");
        mainScreen();
        QCOMPARE(
            fatalMessages_,
            QStringList{"Custom.dat, record 1: the count must be a whole number from 0 to 300"});
    }

    void helperApplicationsMenu() {
        doubles_->settings.values["Applications/App 1"] = "Editor";
        doubles_->settings.values["Applications/Path 1"] = "/no/such/editor";
        doubles_->settings.values["Applications/App 2"] = "No path";
        Form1& form1 = mainScreen();
        QAction* first = form1.findChild<QAction*>("m(1)");
        QVERIFY(first->isVisible());
        QCOMPARE(first->text(), QString("Editor"));
        QVERIFY(!form1.findChild<QAction*>("m(2)")->isVisible());
        doubles_->programs.result = platform::StartResult::InvalidPath;
        first->trigger();
        QCOMPARE(doubles_->programs.started, QStringList{"/no/such/editor"});
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix", "Invalid Path!", MessageIcon::Critical,
                                                MessageButtons::Ok, MessageButton::Ok}));
    }

    void optionsDefaultThenCancelWritesNothing() {
        Form10& options = context_->form10();
        options.setDefaults();
        options.findChild<QPushButton*>("Command6")->click();
        QVERIFY(doubles_->settings.writes.isEmpty());
        options.setDefaults();
        options.apply();
        QCOMPARE(doubles_->settings.writes,
                 (QStringList{"Options/tips= 1", "Options/font=MS Sans Serif",
                              "Options/color= 12632256", "Options/tool= 1"}));
    }

    void applyRecoloursEveryOpenWindowButKeepsChem() {
        Form1& form1 = mainScreen();
        Form10& options = context_->form10();
        doubles_->dialogs.colors = {QColor(10, 20, 30)};
        doubles_->dialogs.fonts = {QFont("DejaVu Serif")};
        options.changeColor();
        options.changeFont();
        options.apply();
        QCOMPARE(doubles_->settings.values["Options/color"], QString(" 1971210"));
        QCOMPARE(form1.palette().color(QPalette::Window), QColor(10, 20, 30));
        QCOMPARE(form1.findChild<QLabel*>("Label1")->font().family(), QString("DejaVu Serif"));
        QCOMPARE(form1.list1()->font().family(), QString("Chem"));
    }

    void storedGarbageFallsBackToDefaults() {
        doubles_->settings.values["Options/color"] = "purple";
        doubles_->settings.values["Options/tool"] = "x";
        Form1& form1 = mainScreen();
        QCOMPARE(form1.palette().color(QPalette::Window), QColor(255, 255, 255));
    }

    void tipsZeroShowsNoTipWindowAtStartUp() {
        doubles_->settings.values["Options/tips"] = " 0";
        Form4 splash(*context_);
        QVERIFY(splash.start());
        QVERIFY(context_->form1().isVisible());
        bool tipShown = false;
        WhenModalOpens([&](QWidget*) { tipShown = true; });
        splash.timerFired();
        QVERIFY(!tipShown);
        QVERIFY(splash.isHidden());
        QTest::qWait(1);
    }

    void tipsOnShowsTheTipWindow() {
        Form4 splash(*context_);
        QVERIFY(splash.start());
        QCOMPARE(doubles_->desktop.beeps, 1);
        QString tip;
        WhenModalOpens([&](QWidget* modal) { tip = modal->findChild<QLabel*>("lblTip")->text(); });
        splash.timerFired();
        bool known = false;
        for (int number = 1; number <= kTipCount; ++number)
            known = known || tip == TipText(number);
        QVERIFY2(known, qPrintable(tip));
    }

    void untickingTipsIsStoredAtOnce() {
        Form9& tips = context_->form9();
        tips.findChild<QCheckBox*>("chkLoadTipsAtStartup")->click();
        QCOMPARE(doubles_->settings.values["Options/tips"], QString(" 0"));
        for (int k = 0; k < 50; ++k) {
            tips.nextTip();
            QVERIFY(!tips.tipLabel()->text().isEmpty());
        }
    }

    void aboutReportsNoSystemInformation() {
        Form14& about = context_->form14();
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(lastMessage().text, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(lastMessage().icon, MessageIcon::None);
    }
};

QTEST_MAIN(GalvixUiTest)
#include "galvix_ui_test.moc"
