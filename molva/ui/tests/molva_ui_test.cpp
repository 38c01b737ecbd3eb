// The Molva calculator window, offscreen, with scripted services.
#include "platform/testing/test_services.h"
#include "ui/frm_splash.h"
#include "ui/molva_main.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using molva::ui::MolvaMain;

class MolvaUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<platform::testing::TestServices> doubles_;
    std::unique_ptr<MolvaMain> window_;

    MolvaMain& w() { return *window_; }

    void enter(const QString& line) {
        w().input()->setText(line);
        w().convertChem2Text();
    }

    void press(int key) { w().pressKey(key); }

    QString input() { return w().input()->text(); }

    void sendKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(w().input(), static_cast<Qt::Key>(key), modifiers);
    }

    QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return dir.filePath(name);
    }

  private Q_SLOTS:
    void init() {
        doubles_ = std::make_unique<platform::testing::TestServices>();
        window_ = std::make_unique<MolvaMain>(doubles_->services(), '.', MOLVA_EXAMPLE_DIR);
        window_->show();
    }

    void cleanup() {
        window_.reset();
        doubles_.reset();
    }

    void startsNarrowWithTheStartFormats() {
        QCOMPARE(w().size(), QSize(molva::ui::kNarrowWidth, molva::ui::kNormalHeight));
        QCOMPARE(w().windowTitle(), QString("Tavik. Molvera 1.0"));
        QCOMPARE(w().info(3)->toolTip(), QString(" Memory (F6-store / F7-recall) "));
        QVERIFY(w().action("mnuSeparator")->isChecked());
    }

    void enterShowsTheResultAndListsNewestFirst() {
        enter("2+3");
        enter("H2O");
        QCOMPARE(w().rezultat(0)->text(), QString("18.0153"));
        QCOMPARE(w().rezultat(1)->text(), QString("5"));
        QCOMPARE(w().history()->itemText(0), QString("H2O"));
        QCOMPARE(w().results()->item(0)->text(), QString("18.0153"));
        QCOMPARE(w().history()->itemText(1), QString("2+3"));
        QVERIFY(input().isEmpty());
        enter("Xy");
        QCOMPARE(w().rezultat(0)->text(), QString("Xy isn't element symbol!"));
        QCOMPARE(w().input()->selectedText(), QString("Xy"));
    }

    void copyAndCutWithoutSelection() {
        enter("6*7");
        w().input()->setText("abc");
        w().copy();
        QCOMPARE(doubles_->clipboard.plain, QString("42"));
        w().cut();
        QCOMPARE(doubles_->clipboard.plain, QString("abc"));
        QVERIFY(input().isEmpty());
    }

    void clearDisplayKeepsTheMarkerInputAndLists() {
        enter("1+1");
        w().input()->setText("typed");
        w().clearDisplay();
        QVERIFY(w().rezultat(0)->text().isEmpty());
        QCOMPARE(w().oznaka(0)->text(), QString("="));
        QCOMPARE(input(), QString("typed"));
        QCOMPARE(w().history()->count(), 1);
    }

    void displayOnlyAndTheTopmostFlag() {
        w().toggleAlwaysOnTop();
        QVERIFY(w().isTopmost());
        w().expandOrShrink();
        QCOMPARE(w().width(), molva::ui::kWideWidth);
        w().toggleDisplayOnly();
        QCOMPARE(w().size(), QSize(molva::ui::kNarrowWidth, molva::ui::kDisplayOnlyHeight));
        QCOMPARE(w().windowTitle(), QString("Tavik.Molva (F12 = Normal)"));
        QVERIFY(w().isTopmost());
        w().toggleDisplayOnly();
        QVERIFY(!w().isTopmost());
        QVERIFY(w().action("mnuTop")->isChecked());
        QCOMPARE(w().size(), QSize(molva::ui::kWideWidth, molva::ui::kNormalHeight));
        QCOMPARE(w().windowTitle(), QString("Tavik.- Molvera"));
    }

    void ionGroupReplacesTheSelection() {
        w().input()->setText("2x");
        w().input()->setSelection(1, 1);
        w().insertIon("SO4");
        QCOMPARE(input(), QString("2(SO4)"));
    }

    void keypadInverseAndSeparator() {
        w().input()->setText("8");
        w().inverse()->setChecked(true);
        QCOMPARE(w().key(27)->text(), QString("asin"));
        press(16);
        QCOMPARE(input(), QString("8^(1/)"));
        QCOMPARE(w().input()->cursorPosition(), 5);
        QVERIFY(!w().inverse()->isChecked());
        QCOMPARE(w().key(27)->text(), QString("sin"));
        w().input()->clear();
        w().action("mnuSeparator")->trigger();
        press(27);
        QCOMPARE(input(), QString("sin"));
        press(33);
        QCOMPARE(input(), QString("sin:pi"));
        w().action("mnuSeparator")->trigger();
        press(28);
        QCOMPARE(input(), QString("sin:pi:cos"));
    }

    void functionFieldOperands() {
        w().input()->setText("1+2");
        w().pressFunction(6);
        QCOMPARE(w().history()->itemText(0), QString(":sin(1+2)"));
        w().input()->setText("30");
        w().pressFunction(6);
        QCOMPARE(w().history()->itemText(0), QString(":sin30"));
        enter("4");
        w().pressFunction(3);
        QCOMPARE(w().history()->itemText(0), QString("-1*4"));
        QCOMPARE(w().rezultat(0)->text(), QString("-4"));
        w().input()->setText("2*");
        w().pressFunction(22);
        QCOMPARE(input(), QString("2*96485.309"));
        QCOMPARE(w().history()->count(), 4);
    }

    void quadraticPanelBuildsTheEquation() {
        auto boxes = [&](const char* a, const char* b, const char* c) {
            w().findChild<QLineEdit*>("txtKvadratna(2)")->setText(a);
            w().findChild<QLineEdit*>("txtKvadratna(1)")->setText(b);
            w().findChild<QLineEdit*>("txtKvadratna(0)")->setText(c);
            w().calculateQuadratic();
        };
        boxes("2", "-3", "1");
        QCOMPARE(w().results()->item(0)->text(), QString("x1 = 1; x2 = 0.5"));
        QCOMPARE(w().history()->itemText(0), QString("2x^2 - 3x + 1 = 0"));
        boxes("2", "5", "-7");
        QCOMPARE(w().history()->itemText(0), QString("2x^2 + 5x - 7 = 0"));
    }

    void statisticsButtons() {
        w().pressFunction(33);
        QCOMPARE(w().rezultat(0)->text(), QString("No data for calculate!"));
        w().pressFunction(34);
        QCOMPARE(w().rezultat(0)->text(), QString("No data!"));
        enter("dat4");
        w().pressFunction(33);
        QCOMPARE(w().rezultat(0)->text(), QString("Must bee min. two data!"));
        w().pressFunction(29);
        QCOMPARE(input(), QString(":sum(4)"));
        w().input()->clear();
        enter("dat1");
        enter("dat2");
        w().pressFunction(29);
        QCOMPARE(input(), QString(":sum(4+1+2)"));
        w().input()->clear();
        w().pressFunction(34);
        QCOMPARE(input(), QString("3"));
    }

    void memoryKeys() {
        press(35);
        QVERIFY(input().isEmpty());
        enter("12");
        press(34);
        QCOMPARE(w().info(3)->toolTip(), QString(" 12 "));
        enter("1/0");
        press(34);
        QCOMPARE(w().session().state().memory, 12.0);
        w().inverse()->setChecked(true);
        enter("3");
        w().inverse()->setChecked(true);
        press(36);
        QCOMPARE(w().session().state().memory, 15.0);
        press(35);
        QCOMPARE(input(), QString("15"));
        w().inverse()->setChecked(true);
        press(38);
        QCOMPARE(w().session().state().memory, 0.0);
        QCOMPARE(input(), QString("15"));
    }

    void powerAndRootKeys() {
        w().input()->setText("1+2");
        w().input()->selectAll();
        sendKey(Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(input(), QString("(1+2)^2"));
        w().input()->setText("-3");
        w().input()->selectAll();
        sendKey(Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(input(), QString("-3^2"));
        w().input()->clear();
        sendKey(Qt::Key_3, Qt::AltModifier);
        QCOMPARE(input(), QString("^(1/3)"));
    }

    void functionKeysCycleFormatsAndAngles() {
        sendKey(Qt::Key_F5);
        QCOMPARE(static_cast<int>(w().session().formatKind()), 1);
        sendKey(Qt::Key_F5);
        sendKey(Qt::Key_F5);
        QCOMPARE(static_cast<int>(w().session().formatKind()), 0);
        sendKey(Qt::Key_F8);
        QCOMPARE(static_cast<int>(w().session().state().angleUnit), 1);
        enter("sin30");
        QCOMPARE(w().rezultat(0)->text(), QString("0.5"));
    }

    void numberFormatPlaces() {
        w().setDecimalPlacesText("15");
        QCOMPARE(w().findChild<QLineEdit*>("txtDecimala")->text(), QString("12"));
        QCOMPARE(w().session().formatZeros(), std::string_view("000000000000"));
        w().selectFormat(2);
        w().setGrouping(true);
        w().setDecimalPlacesText("5");
        QCOMPARE(w().session().decimalPlaces(), 2);
        enter("1234.5");
        QCOMPARE(w().rezultat(0)->text(), QString("1,234.50"));
    }

    void constantsDoubleClicks() {
        w().showConstants(2);
        QVERIFY(w().expanded());
        QListWidget* physical = w().constants(1);
        const QList<QListWidgetItem*> faraday =
            physical->findItems("Faraday Constant (C/mol)", Qt::MatchExactly);
        QCOMPARE(faraday.size(), 1);
        w().insertConstant(1, physical->row(faraday[0]));
        QCOMPARE(input(), QString(" 96485.309"));
        w().input()->clear();
        w().insertConstant(1, physical->row(faraday[0]) + 1);
        QCOMPARE(input(), QString(" 96485.309"));
        w().input()->clear();
        w().showConstants(1);
        w().insertConstant(0, 22);
        QCOMPARE(input(), QString());
        w().showConstants(3);
        QListWidget* prefixes = w().constants(2);
        const int kilo =
            prefixes->row(prefixes->findItems("Prefiks - kilo (k)", Qt::MatchExactly)[0]);
        w().insertConstant(2, kilo);
        QCOMPARE(input(), QString("Prefiks - kilo (k)"));
        QCOMPARE(w().constants(0)->count(), 214);
        QCOMPARE(physical->count(), 86);
        QCOMPARE(prefixes->count(), 32);
    }

    void loadingAConstantsFile() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "lab.con", "Water\r\n 18.0153\r\n");
        doubles_->dialogs.files = {path};
        w().action("mnuConstants(4)")->trigger();
        QCOMPARE(w().findChild<QPushButton*>("cmdConstant(3)")->text(), QString("lab"));
        QCOMPARE(w().constants(3)->count(), 2);
        QVERIFY(!w().action("mnuConstants(4)")->isChecked());
        QVERIFY(w().action("mnuConstants(3)")->isChecked());
    }

    void taskFilesSkipEmptyLinesAndSaveTheList() {
        QTemporaryDir dir;
        const QString task = writeFile(dir, "t.tsk", "2+3\r\n\r\n4*5");
        w().runTaskFile(task);
        QCOMPARE(w().history()->count(), 2);
        QCOMPARE(w().results()->item(1)->text(), QString("5"));
        enter("#deg");
        doubles_->dialogs.files = {dir.filePath("list.txt")};
        w().saveList();
        QFile saved(dir.filePath("list.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("#deg\r\n4*5 = 20\r\n2+3 = 5\r\n"));
        doubles_->printer.copiesChosen = 2;
        w().printList();
        QCOMPARE(doubles_->printer.jobs.size(), 2u);
        QVERIFY(doubles_->printer.jobs[1].text.startsWith("#deg = \r\n4*5 = 20"));
    }

    void escapeStopsARunAfterTheCurrentLine() {
        QTemporaryDir dir;
        const QString task = writeFile(dir, "t.tsk", "1\n2\n3\n4\n");
        QTimer::singleShot(0, [this] { sendKey(Qt::Key_Escape); });
        w().runTaskFile(task);
        QVERIFY(w().cancelRequested());
        QVERIFY(w().history()->count() < 4);
    }

    void theExampleGivesTheResultsItStates() {
        w().runExample();
        QFile file(QString(MOLVA_EXAMPLE_DIR) + "/Example.tsk");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(w().history()->count(), lines.size());
        for (int k = 0; k < lines.size(); ++k) {
            const QString& line = lines[k];
            const int entry = static_cast<int>(lines.size()) - 1 - k;
            const qsizetype equals = line.indexOf(" = ");
            const QString expected = equals < 0 ? QString() : line.mid(equals + 3);
            QCOMPARE(w().results()->item(entry)->text(), expected);
        }
    }

    void newListKeepsTheMemory() {
        enter("7");
        press(34);
        w().newList();
        QCOMPARE(w().history()->count(), 0);
        QCOMPARE(w().session().state().memory, 7.0);
    }

    void splashClosesOnTheFourthTick() {
        bool shown = false;
        auto* splash = new molva::ui::FrmSplash(true, [&] { shown = true; });
        for (int k = 0; k < 3; ++k)
            splash->tick();
        QVERIFY(!shown);
        splash->tick();
        QVERIFY(shown);
    }
};

QTEST_MAIN(MolvaUiTest)
#include "molva_ui_test.moc"
