// The Galvix3 windows on the offscreen platform, with scripted services, a
// temporary data directory and no real settings store.
#include "core/half_reaction_table.h"
#include "galvix_fixture.h"
#include "platform/chem_text.h"
#include "platform/qt_services.h"
#include "platform/testing/test_services.h"
#include "ui/about_dialog.h"
#include "ui/galvix_context.h"
#include "ui/half_reaction_data_dialog.h"
#include "ui/main_screen.h"
#include "ui/options_dialog.h"
#include "ui/progress_window.h"
#include "ui/reaction_data_window.h"
#include "ui/splash_window.h"
#include "ui/tip_dialog.h"
#include "ui/tips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
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
        MainScreen& main = mainScreen();
        main.list(ListSide::Oxidation)->setCurrentRow(0);
        main.calculate();
        QCOMPARE(doubles_->messages.shown.size(), 1u);
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "You must select reactions from both lists!",
                                 MessageIcon::None, MessageButtons::Ok, MessageButton::Ok}));
        QVERIFY(main.isVisible());
    }

    void listsStartAlphabeticalInTableOrder() {
        MainScreen& main = mainScreen();
        const TableLoad load = LoadTable(session_->dataDirectory());
        QCOMPARE(main.list(ListSide::Oxidation)->count(), BuiltInCount);
        QCOMPARE(ItemBytes(main.list(ListSide::Oxidation)->item(0)), load.table[1].oxidationText);
        QCOMPARE(ItemBytes(main.list(ListSide::Reduction)->item(530)),
                 load.table[531].reductionText);
        QCOMPARE(main.list(ListSide::Oxidation)->font().family(), QString("Chem"));
        QVERIFY(main.findChild<QAction*>("alpha")->isChecked());
    }

    void ascendingPutsTheLowestPotentialsFirst() {
        MainScreen& main = mainScreen();
        main.rearrange(Arrangement::Ascending);
        const TableLoad load = LoadTable(session_->dataDirectory());
        double lowestOxidation = 1e9;
        double lowestReduction = 1e9;
        for (int i = 1; i <= load.table.count(); ++i) {
            lowestOxidation = std::min(lowestOxidation, load.table[i].oxidationPotential);
            lowestReduction = std::min(lowestReduction, load.table[i].reductionPotential);
        }
        const auto first =
            FindOxidationEntry(load.table, ItemBytes(main.list(ListSide::Oxidation)->item(0)));
        const auto firstReduction =
            FindReductionEntry(load.table, ItemBytes(main.list(ListSide::Reduction)->item(0)));
        QCOMPARE(load.table[*first].oxidationPotential, lowestOxidation);
        QCOMPARE(load.table[*firstReduction].reductionPotential, lowestReduction);
        QVERIFY(main.findChild<QAction*>("asce")->isChecked());
        QVERIFY(!main.findChild<QAction*>("alpha")->isChecked());
        QVERIFY(!main.findChild<QPushButton*>("Command2")->isEnabled());
        QVERIFY(!main.findChild<QAction*>("ox")->isEnabled());
        QVERIFY(window<ProgressWindow>().isHidden());
    }

    void cancellingTheSortKeepsTheOldArrangement() {
        MainScreen& main = mainScreen();
        const std::string firstBefore = ItemBytes(main.list(ListSide::Oxidation)->item(0));
        QTimer::singleShot(0, [this] { window<ProgressWindow>().cancelButton()->click(); });
        main.findChild<QAction*>("des")->trigger();
        QCOMPARE(ItemBytes(main.list(ListSide::Oxidation)->item(0)), firstBefore);
        QVERIFY(main.findChild<QAction*>("alpha")->isChecked());
        QVERIFY(!main.findChild<QAction*>("des")->isChecked());
        QVERIFY(!window<ProgressWindow>().cancelRequested());
        QVERIFY(window<ProgressWindow>().isHidden());
    }

    void findNextDoesNotWrapAround() {
        MainScreen& main = mainScreen();
        session_->find({"CU", false, false, ListSide::Oxidation});
        main.list(ListSide::Oxidation)->setCurrentRow(-1);
        main.findNext();
        const int firstCopper = main.list(ListSide::Oxidation)->currentRow();
        QVERIFY(firstCopper > 0);
        QVERIFY(ItemBytes(main.list(ListSide::Oxidation)->item(firstCopper)).find("Cu") !=
                std::string::npos);
        main.list(ListSide::Oxidation)->setCurrentRow(main.list(ListSide::Oxidation)->count() - 1);
        main.findNext();
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", "Not found! Please try again.", MessageIcon::Exclamation,
                                 MessageButtons::Ok, MessageButton::Ok}));
        QCOMPARE(main.list(ListSide::Oxidation)->currentRow(),
                 main.list(ListSide::Oxidation)->count() - 1);
    }

    void doubleClickingAReductionEntryShowsItsData() {
        MainScreen& main = mainScreen();
        const std::string copper = Chem("Cu\x8d\xa2 + 2e -> Cu");
        QVERIFY(main.selectItem(ListSide::Reduction, copper));
        QString type, potential, formula;
        WhenModalOpens([&](QWidget* modal) {
            type = modal->findChild<QLabel*>("Label3")->text();
            potential = modal->findChild<QLabel*>("Label5")->text();
            formula = modal->findChild<QLabel*>("Label9")->text();
        });
        main.showHalfReactionData(ListSide::Reduction,
                                  main.list(ListSide::Reduction)->currentItem());
        QCOMPARE(type, QString("Reduction"));
        QCOMPARE(potential, QString("0.34 V"));
        QCOMPARE(formula, platform::DecodeCp1252(copper));
        QCOMPARE(doubles_->desktop.beeps, 1);
    }

    void halfReactionDataEndsWithTheSourceOfABuiltInEntry() {
        QFile::copy(kShippedData + "Sources.dat", dir_->filePath("Sources.dat"));
        writeFile("Custom.dat", "1\r\n\"Mt -> Mt\x8e\xa2 + 3e\",-0.8\r\n");
        MainScreen& main = mainScreen();
        QString shownSource;
        bool customHasSource = true;
        const std::pair<std::string, QString*> entries[] = {
            {Chem("Cu\x8d\xa2 + 2e -> Cu"), &shownSource},
            {Chem("Mt\x8e\xa2 + 3e -> Mt"), nullptr}};
        for (const auto& [text, into] : entries) {
            QVERIFY(main.selectItem(ListSide::Reduction, text));
            WhenModalOpens([&, target = into](QWidget* modal) {
                auto* source = modal->findChild<QLabel*>("lblSource");
                if (target)
                    *target = source->isVisibleTo(modal) ? source->text() : QString();
                else
                    customHasSource = source->isVisibleTo(modal);
                static_cast<HalfReactionDataDialog*>(modal)->copy();
            });
            main.showHalfReactionData(ListSide::Reduction,
                                      main.list(ListSide::Reduction)->currentItem());
            const QStringList lines = doubles_->clipboard.plain.split("\r\n");
            QCOMPARE(lines.size(), into ? 13 : 12);
            if (into)
                QCOMPARE(lines.last(), shownSource);
        }
        QVERIFY(shownSource.startsWith("Source: "));
        QVERIFY(shownSource.size() > 10);
        QVERIFY(!customHasSource);
    }

    void halfReactionDataCopiesTwelveLines() {
        HalfReactionDataDialog& halfReaction = window<HalfReactionDataDialog>();
        halfReaction.showData({"Ag -> Ag\xa2 + e", "Oxidation", "-0.7996 V", "-13.529232", {}});
        QVERIFY(halfReaction.findChild<QLabel*>("lblSource")->isHidden());
        halfReaction.copy();
        const QStringList lines = doubles_->clipboard.plain.split("\r\n");
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines[3], QString("Half reaction data:"));
        QCOMPARE(lines[5], QString::fromUtf8("Ag -> Ag\u207A + e"));
        QCOMPARE(lines[11], QString("-13.529232"));
        doubles_->messages.answers = {MessageButton::No};
        halfReaction.print();
        QVERIFY(doubles_->printer.jobs.empty());
    }

    void aReactionThatWillNotOccurHidesTheResults() {
        calculatePair(Chem("Au -> Au\x8e\xa2 + 3e"), Chem("Li\xa2 + e -> Li"));
        ReactionDataWindow& reactionData = window<ReactionDataWindow>();
        QVERIFY(reactionData.isVisible());
        QVERIFY(!window<MainScreen>().isVisible());
        QCOMPARE(reactionData.label(17)->text(), QString("No"));
        QVERIFY(reactionData.findChild<QGroupBox*>("Frame3")->isHidden());
        QVERIFY(reactionData.label(18)->isHidden());
        for (const char* name :
             {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
            QVERIFY2(reactionData.findChild<QLabel*>(name)->isHidden(), name);
        reactionData.copy();
        QVERIFY(doubles_->clipboard.plain.endsWith("Will it occur: No\r\n"));
        QCOMPARE(doubles_->clipboard.plain.count("\r\n"), 3 + 10);
    }

    void aReactionThatWillOccurCopiesTwentyOneLines() {
        calculatePair(Chem("Zn -> Zn\x8d\xa2 + 2e"), Chem("Cu\x8d\xa2 + 2e -> Cu"));
        ReactionDataWindow& reactionData = window<ReactionDataWindow>();
        QCOMPARE(reactionData.label(17)->text(), QString("Yes"));
        QCOMPARE(reactionData.findChild<QLabel*>("Label4")->text(), QString("1.1018 V"));
        QCOMPARE(reactionData.findChild<QLabel*>("Label3")->text(), QString("-212.614346 kJ/mol"));
        reactionData.copy();
        const QStringList lines = doubles_->clipboard.plain.split("\r\n");
        QCOMPARE(lines[0], QString("Galvix Ver 3.0"));
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines.size() - 3 - 1, 21);
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines[3 + 12],
                 QString("K = ") + reactionData.findChild<QLabel*>("Label6")->text());
        QCOMPARE(lines[3 + 13], QString::fromUtf8("\u0394G\u00B0 = ") +
                                    reactionData.findChild<QLabel*>("Label3")->text());
        QCOMPARE(lines[3 + 18], QString::fromUtf8("Zn\u00B2\u207A + 2e + Cu"));
        QCOMPARE(lines[3 + 19], QString("Net reaction:"));
        QCOMPARE(lines[3 + 20], QString::fromUtf8("Zn + Cu\u00B2\u207A -> Zn\u00B2\u207A + Cu"));
        QCOMPARE(reactionData.netEquation()->text(),
                 platform::DecodeCp1252("Zn + Cu\x8d\xa2 -> Zn\x8d\xa2 + Cu"));
        QVERIFY(reactionData.netEquation()->isVisibleTo(&reactionData));
        QVERIFY(reactionData.mediaNote()->isHidden());
        QVERIFY(doubles_->clipboard.html.contains("<sup>2+</sup>"));
        QCOMPARE(lastMessage().text,
                 QString("Note: to view reactions (and the delta symbol) properly (in a word "
                         "processor), convert them to the Chem (Chem.ttf) font."));
    }

    void halfReactionsInDifferentMediaAddTheNote() {
        calculatePair(Chem("Zn + 2 OH\xa3 -> Zn(OH)\xb7 + 2e"),
                      Chem("MnO\xb9\xa3 + 8 H\xa2 + 5e -> Mn\x8d\xa2 + 4 H\xb7O"));
        ReactionDataWindow& reactionData = window<ReactionDataWindow>();
        QCOMPARE(reactionData.netEquation()->text(),
                 platform::DecodeCp1252("5 Zn + 2 H\xb7O + 2 MnO\xb9\xa3 + 6 H\xa2 -> 5 "
                                        "Zn(OH)\xb7 + 2 Mn\x8d\xa2"));
        QVERIFY(reactionData.mediaNote()->isVisibleTo(&reactionData));
        reactionData.copy();
        QVERIFY(doubles_->clipboard.plain.endsWith(
            QString::fromUtf8("Note: the media differ (one half reaction with H\u207A, the other "
                              "with OH\u207B); H\u207A + OH\u207B -> H\u2082O is included.\r\n")));
    }

    void anEquilibriumConstantBeyondRangeShowsOverflow() {
        writeFile("Custom.dat", "2\r\n\"A -> A\xa2 + 10e\",3\r\n\"B -> B\xa2 + 10e\",-3\r\n");
        calculatePair(Chem("A -> A\xa2 + 10e"), Chem("B\xa2 + 10e -> B"));
        ReactionDataWindow& reactionData = window<ReactionDataWindow>();
        QCOMPARE(reactionData.findChild<QLabel*>("Label6")->text(), QString("Overflow"));
        QCOMPARE(reactionData.findChild<QLabel*>("Label4")->text(), QString("6 V"));
        QCOMPARE(reactionData.findChild<QLabel*>("Label3")->text(), QString("-5789.1 kJ/mol"));
        QVERIFY(reactionData.findChild<QLabel*>("Label6")->isVisibleTo(&reactionData));
    }

    void toolTipsFollowTheSetting() {
        doubles_->settings.values["Options/tool"] = " 0";
        calculatePair(Chem("Zn -> Zn\x8d\xa2 + 2e"), Chem("Cu\x8d\xa2 + 2e -> Cu"));
        QCOMPARE(window<ReactionDataWindow>().label(6)->toolTip(), QString());
        doubles_->settings.values["Options/tool"] = " 1";
        windows_->applyAppearanceToAll();
        QCOMPARE(window<ReactionDataWindow>().label(6)->toolTip(), QString("Potential in volts"));
    }

    void printingAsksFirstAndReportsFailures() {
        calculatePair(Chem("Zn -> Zn\x8d\xa2 + 2e"), Chem("Cu\x8d\xa2 + 2e -> Cu"));
        ReactionDataWindow& reactionData = window<ReactionDataWindow>();
        doubles_->messages.answers = {MessageButton::No};
        reactionData.print();
        QVERIFY(doubles_->printer.jobs.empty());
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix", "Do you want to print the results?",
                                                MessageIcon::Question, MessageButtons::YesNo,
                                                MessageButton::Yes}));
        doubles_->printer.failing = true;
        doubles_->messages.answers = {MessageButton::Yes};
        reactionData.print();
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix", "Error printing!", MessageIcon::Critical,
                                                MessageButtons::Ok, MessageButton::Ok}));
        QCOMPARE(reactionData.findChild<QLabel*>("Label8")->text(),
                 QString::fromUtf8("G\u00B0 = "));
        doubles_->printer.failing = false;
        doubles_->messages.answers = {MessageButton::Yes};
        reactionData.print();
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
        window<ReactionDataWindow>().print();
        QProcess process;
        process.start(pdffonts, {pdf});
        QVERIFY(process.waitForFinished());
        QVERIFY2(process.readAllStandardOutput().contains("Chem"), "Chem is not embedded");
    }

    void abbreviationsAndQuitPrompt() {
        calculatePair(Chem("Zn -> Zn\x8d\xa2 + 2e"), Chem("Cu\x8d\xa2 + 2e -> Cu"));
        ReactionDataWindow& reactionData = window<ReactionDataWindow>();
        reactionData.findChild<QPushButton*>("Command6")->click();
        QCOMPARE(lastMessage().text,
                 QString::fromUtf8("The following are abbreviations used in this screen:\r\n\r\n"
                                   "E = potential\r\nK = equilibrium constant\r\nE(cell) = total "
                                   "cell voltage\r\n/\\G\u00B0 = [Gibbs] free energy change\r\nV = "
                                   "volt(s)\r\nkJ/mol = kilojoules per mole\r\nlog = base 10 "
                                   "logarithm"));
        doubles_->messages.answers = {MessageButton::No};
        QVERIFY(!reactionData.close());
        QCOMPARE(quits_, 0);
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix", "Are you sure you want to quit?",
                                                MessageIcon::Exclamation, MessageButtons::YesNo,
                                                MessageButton::No}));
        reactionData.findChild<QPushButton*>("Command1")->click();
        QVERIFY(window<MainScreen>().isVisible());
        doubles_->messages.answers = {MessageButton::Yes};
        QVERIFY(window<MainScreen>().close());
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
        MainScreen& main = mainScreen();
        QAction* first = main.findChild<QAction*>("m(1)");
        QVERIFY(first->isVisible());
        QCOMPARE(first->text(), QString("Editor"));
        QVERIFY(!main.findChild<QAction*>("m(2)")->isVisible());
        doubles_->programs.result = platform::StartResult::InvalidPath;
        first->trigger();
        QCOMPARE(doubles_->programs.started, QStringList{"/no/such/editor"});
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix", "Invalid Path!", MessageIcon::Critical,
                                                MessageButtons::Ok, MessageButton::Ok}));
    }

    void optionsDefaultThenCancelWritesNothing() {
        OptionsDialog& options = window<OptionsDialog>();
        options.setDefaults();
        options.findChild<QPushButton*>("Command6")->click();
        QVERIFY(doubles_->settings.writes.isEmpty());
        options.setDefaults();
        options.apply();
        const QString stored = doubles_->settings.values["Options/font"];
        QVERIFY2(QFontDatabase::hasFamily(stored), qPrintable(stored));
        QCOMPARE(doubles_->settings.writes,
                 (QStringList{"Options/tips= 1", "Options/font=" + stored,
                              "Options/color= 12632256", "Options/tool= 1"}));
    }

    void optionsShowAndStoreTheFontInUse_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("installed");
        QTest::newRow("nothing stored") << QString() << false;
        QTest::newRow("a font no machine has") << "No Such Family 7Q" << false;
        QTest::newRow("an installed font") << "DejaVu Serif" << true;
    }

    void optionsShowAndStoreTheFontInUse() {
        QFETCH(QString, stored);
        QFETCH(bool, installed);
        if (!stored.isEmpty())
            doubles_->settings.values["Options/font"] = stored;
        if (installed && !QFontDatabase::hasFamily(stored))
            QSKIP("the font is not installed here");
        OptionsDialog& options = window<OptionsDialog>();
        const QString shown = options.fontLabel()->text();
        QVERIFY2(QFontDatabase::hasFamily(shown), qPrintable(shown));
        QCOMPARE(QFontInfo(options.fontLabel()->font()).family(), shown);
        if (installed)
            QCOMPARE(shown, stored);
        options.apply();
        QCOMPARE(doubles_->settings.values["Options/font"], shown);
    }

    void applyRecoloursEveryOpenWindowButKeepsChem() {
        MainScreen& main = mainScreen();
        OptionsDialog& options = window<OptionsDialog>();
        doubles_->dialogs.colors = {QColor(10, 20, 30)};
        doubles_->dialogs.fonts = {QFont("DejaVu Serif")};
        options.changeColor();
        options.changeFont();
        options.apply();
        QCOMPARE(doubles_->settings.values["Options/color"], QString(" 1971210"));
        QCOMPARE(main.palette().color(QPalette::Window), QColor(10, 20, 30));
        QCOMPARE(main.findChild<QLabel*>("Label1")->font().family(), QString("DejaVu Serif"));
        QCOMPARE(main.list(ListSide::Oxidation)->font().family(), QString("Chem"));
    }

    void storedGarbageFallsBackToDefaults() {
        doubles_->settings.values["Options/color"] = "purple";
        doubles_->settings.values["Options/tool"] = "x";
        MainScreen& main = mainScreen();
        QCOMPARE(main.palette().color(QPalette::Window), QColor(255, 255, 255));
    }

    void tipsZeroShowsNoTipWindowAtStartUp() {
        doubles_->settings.values["Options/tips"] = " 0";
        SplashWindow splash(*windows_);
        QVERIFY(splash.start());
        QVERIFY(window<MainScreen>().isVisible());
        bool tipShown = false;
        WhenModalOpens([&](QWidget*) { tipShown = true; });
        splash.timerFired();
        QVERIFY(!tipShown);
        QVERIFY(splash.isHidden());
        QTest::qWait(1);
    }

    void tipsOnShowsTheTipWindow() {
        SplashWindow splash(*windows_);
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
        TipDialog& tips = window<TipDialog>();
        tips.findChild<QCheckBox*>("chkLoadTipsAtStartup")->click();
        QCOMPARE(doubles_->settings.values["Options/tips"], QString(" 0"));
        for (int k = 0; k < 50; ++k) {
            tips.nextTip();
            QVERIFY(!tips.tipLabel()->text().isEmpty());
        }
    }

    void everyHelpTopicAndLinkHasItsPage() {
        const QMap<int, QString> pages = HelpPages();
        QCOMPARE(pages.size(), 10);
        QStringList files = pages.values();
        files << "index.html";
        const QRegularExpression link("href=\"([^\"#:]+)\"");
        for (const QString& page : files) {
            QFile file(":/help/" + page);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
            const QString html = QString::fromUtf8(file.readAll());
            for (const auto& match : link.globalMatch(html))
                QVERIFY2(QFile::exists(":/help/" + match.captured(1)),
                         qPrintable(page + " links to " + match.captured(1)));
        }
        window<OptionsDialog>().findChild<QPushButton*>("Command7")->click();
        QCOMPARE(doubles_->help.topics, std::vector<int>{210});
    }

    void aboutReportsNoSystemInformation() {
        AboutDialog& about = window<AboutDialog>();
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(lastMessage().text, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(lastMessage().icon, MessageIcon::None);
    }
};

QTEST_MAIN(GalvixUiTest)
#include "galvix_ui_test.moc"
