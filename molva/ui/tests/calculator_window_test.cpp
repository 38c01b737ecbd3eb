// The calculator window as a user drives it: typing, keys, buttons, menus
// and the number format, with scripted services.
#include "engine/task_text.h"
#include "ui/constants_panel.h"
#include "ui/function_panel.h"
#include "ui/number_format_panel.h"
#include "ui/splash_window.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>

using molva::ui::ConstantsView;
using molva::ui::FunctionKey;
using molva::ui::KeypadKey;

Q_DECLARE_METATYPE(KeypadKey)
Q_DECLARE_METATYPE(FunctionKey)

class CalculatorWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> under_;

    molva::ui::CalculatorWindow& w() { return under_->window; }
    platform::testing::TestServices& services() { return under_->services; }
    void enter(const QString& line) { under_->enter(line); }
    QString input() { return under_->input(); }
    QString result() { return under_->currentResult(); }
    void press(KeypadKey key) { w().keypad()->button(key)->click(); }
    void pressFunction(FunctionKey key) { w().functions()->button(key)->click(); }
    void keyClick(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(w().input(), key, modifiers);
    }

  private Q_SLOTS:
    void init() {
        under_ = std::make_unique<WindowUnderTest>();
        QVERIFY(under_->ready());
    }

    void cleanup() { under_.reset(); }

    void startsNarrowWithTheStartFormats() {
        QCOMPARE(w().size(), QSize(molva::ui::kNarrowWidth, molva::ui::kNormalHeight));
        QCOMPARE(w().windowTitle(), QString("Tavik. Molvera 1.0"));
        QCOMPARE(w().display()->indicator(molva::ui::Indicator::Memory)->toolTip(),
                 QString(" Memory (F6-store / F7-recall) "));
        QVERIFY(w().actions().separator->isChecked());
        QVERIFY(!w().constantsPanel()->isVisible());
    }

    void indicatorsKeepTheStartColourUntilAChoice() {
        using molva::ui::Indicator;
        auto colour = [this](Indicator which) {
            return w().display()->indicator(which)->palette().color(QPalette::WindowText);
        };
        const QColor start(64, 64, 0), chosen(0, 92, 64), grey(192, 192, 192);
        enter("1+1");
        QCOMPARE(colour(Indicator::Automatic), start);
        QCOMPARE(colour(Indicator::Radians), start);
        QCOMPARE(colour(Indicator::Degrees), grey);
        enter("#deg");
        QCOMPARE(colour(Indicator::Degrees), chosen);
        QCOMPARE(colour(Indicator::Radians), grey);
    }

    void typingRightAfterTheStartCalculates() {
        QCOMPARE(QApplication::focusWidget(), w().input());
        QTest::keyClicks(QApplication::focusWidget(), "12+3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(result(), QString("15"));
    }

    void theInputLineGetsTheFocusBackAfterEachCommand_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("keypad digit") << "cmdNum(7)";
        QTest::newRow("keypad enter") << "cmdEnter";
        QTest::newRow("inverse box") << "chkInverse";
        QTest::newRow("tool bar copy") << "imgMenu(5)";
        QTest::newRow("function button") << "cmdFunction(22)";
        QTest::newRow("constants tab") << "cmdConstant(1)";
        QTest::newRow("angle option") << "optRadiani(1)";
    }

    void theInputLineGetsTheFocusBackAfterEachCommand() {
        QFETCH(QString, control);
        w().expandOrShrink();
        w().numberPanel()->placesBox()->setFocus();
        auto* button = w().findChild<QAbstractButton*>(control);
        QVERIFY(button);
        button->click();
        QCOMPARE(QApplication::focusWidget(), w().input());
    }

    void editKeysOfTheWindowWinOverTheInputLine_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("inputAfter");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+C copies the result") << int(Qt::Key_C) << ctrl << "42"
                                                  << "abc";
        QTest::newRow("Ctrl+X cuts the whole line") << int(Qt::Key_X) << ctrl << "abc"
                                                    << "";
        QTest::newRow("Shift+Del empties the line")
            << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << ""
            << "";
    }

    void editKeysOfTheWindowWinOverTheInputLine() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, clipboard);
        QFETCH(QString, inputAfter);
        enter("6*7");
        w().input()->setText("abc");
        keyClick(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(services().clipboard.plain, clipboard);
        QCOMPARE(input(), inputAfter);
    }

    void ctrlUShowsTheUnitsFromTheInputLine() {
        keyClick(Qt::Key_U, Qt::ControlModifier);
        QVERIFY(w().expanded());
        QCOMPARE(w().constantsPanel()->view(), ConstantsView::Units);
        QVERIFY(w().actions().constants[1]->isChecked());
    }

    void copyAndCutKeepTheirMeaningWithASelection() {
        w().input()->setText("1+23");
        w().input()->setSelection(2, 2);
        w().copy();
        QCOMPARE(services().clipboard.plain, QString("23"));
        w().cut();
        QCOMPARE(input(), QString("1+"));
    }

    void digitKeysWritePowersAndRoots_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("written");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+2 brackets a sum") << "1+2" << true << ctrl << "(1+2)^2";
        QTest::newRow("Ctrl+2 leaves a minus sign") << "-3" << true << ctrl << "-3^2";
        QTest::newRow("Alt+2 at the caret") << "" << false << int(Qt::AltModifier) << "^(1/2)";
        QTest::newRow("Ctrl+Shift+2 roots the selection")
            << "8" << true << int(Qt::ControlModifier | Qt::ShiftModifier) << "8^(1/2)";
    }

    void digitKeysWritePowersAndRoots() {
        QFETCH(QString, text);
        QFETCH(bool, selected);
        QFETCH(int, modifiers);
        QFETCH(QString, written);
        w().input()->setText(text);
        if (selected)
            w().input()->selectAll();
        keyClick(Qt::Key_2, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(input(), written);
    }

    void aLongPastedLineGivesWhatTheBatchGives() {
        const QString line = QString("1+").repeated(20000);
        services().clipboard.plain = line;
        keyClick(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(input().size(), line.size());
        keyClick(Qt::Key_Return);
        const std::string batch = molva::RunBatch(line.toStdString(), '.');
        QCOMPARE(" = " + result() + "\n", QString::fromStdString(batch));
        QCOMPARE(result(), QString("Overflow"));
    }

    void theHistoryOpensOnTheNewestEntry() {
        for (int k = 0; k < 40; ++k)
            enter(QString::number(k));
        molva::ui::HistoryBox* history = w().history();
        history->showPopup();
        QAbstractItemView* view = history->view();
        QTRY_VERIFY(view->isVisible());
        QCOMPARE(view->currentIndex().row(), 0);
        QCOMPARE(view->currentIndex().data().toString(), QString("39"));
        QVERIFY(view->viewport()->rect().intersects(view->visualRect(view->model()->index(0, 0))));
        QVERIFY(view->width() >= w().input()->width());
        history->hidePopup();
    }

    void choosingAHistoryEntryWritesItAtTheCaret() {
        enter("H2O");
        w().input()->setText("2*");
        Q_EMIT w().history()->activated(0);
        QCOMPARE(input(), QString("2*H2O"));
    }

    void statisticsFiguresComeFromTheEngine_data() {
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<FunctionKey>("figure");
        QTest::addColumn<QString>("written");
        const QStringList whole = {"100000001", "100000002", "100000003"};
        const QStringList tenths = {"1000000000.1", "1000000000.2", "1000000000.3"};
        QTest::newRow("sample deviation far from zero")
            << whole << FunctionKey::SampleDeviation << "1";
        QTest::newRow("population deviation far from zero")
            << whole << FunctionKey::PopulationDeviation << "0.816496580927726";
        QTest::newRow("sample deviation of tenths")
            << tenths << FunctionKey::SampleDeviation << "0.0999999642374085";
        QTest::newRow("count") << whole << FunctionKey::Count << "3";
        QTest::newRow("mean") << QStringList{"1", "2"} << FunctionKey::Mean << "1.5";
        QTest::newRow("data list")
            << QStringList{"4", "1", "2"} << FunctionKey::DataList << ":sum(4+1+2)";
    }

    void statisticsFiguresComeFromTheEngine() {
        QFETCH(QStringList, data);
        QFETCH(FunctionKey, figure);
        QFETCH(QString, written);
        for (const QString& value : data)
            enter("dat" + value);
        pressFunction(figure);
        QCOMPARE(input(), written);
    }

    void statisticsMessagesReplaceTheResult() {
        pressFunction(FunctionKey::SampleDeviation);
        QCOMPARE(result(), QString("No data for calculate!"));
        pressFunction(FunctionKey::Count);
        QCOMPARE(result(), QString("No data!"));
        pressFunction(FunctionKey::DataEntry);
        QCOMPARE(result(), QString("No valid data!"));
        enter("dat4");
        pressFunction(FunctionKey::SampleDeviation);
        QCOMPARE(result(), QString("Must bee min. two data!"));
        QVERIFY(input().isEmpty());
    }

    void enterShowsTheResultAndListsNewestFirst() {
        enter("2+3");
        enter("H2O");
        QCOMPARE(result(), QString("18.0153"));
        QCOMPARE(w().display()->resultText(1), QString("5"));
        QCOMPARE(w().history()->itemText(0), QString("H2O"));
        QCOMPARE(w().resultList()[0], QString("18.0153"));
        QCOMPARE(w().history()->itemText(1), QString("2+3"));
        QVERIFY(input().isEmpty());
        enter("2+Xy");
        QCOMPARE(result(), QString("Xy isn't element symbol!"));
        QCOMPARE(w().input()->selectedText(), QString("Xy"));
    }

    void clearDisplayKeepsTheMarkerInputAndLists() {
        enter("1+1");
        w().input()->setText("typed");
        w().clearDisplay();
        QVERIFY(result().isEmpty());
        QCOMPARE(w().display()->markerLabel(0)->text(), QString("="));
        QCOMPARE(input(), QString("typed"));
        QCOMPARE(w().history()->count(), 1);
    }

    void displayOnlyAndTheTopmostFlag() {
        const WId window = w().winId();
        w().actions().alwaysOnTop->trigger();
        QVERIFY(w().isTopmost());
        w().expandOrShrink();
        QCOMPARE(w().width(), molva::ui::kWideWidth);
        w().actions().displayOnly->trigger();
        QCOMPARE(w().size(), QSize(molva::ui::kNarrowWidth, molva::ui::kDisplayOnlyHeight));
        QCOMPARE(w().windowTitle(), QString("Tavik.Molva (F12 = Normal)"));
        QVERIFY(w().isTopmost());
        keyClick(Qt::Key_F12);
        QVERIFY(!w().displayOnly());
        QVERIFY(!w().isTopmost());
        QVERIFY(w().actions().alwaysOnTop->isChecked());
        QCOMPARE(w().size(), QSize(molva::ui::kWideWidth, molva::ui::kNormalHeight));
        QCOMPARE(w().windowTitle(), QString("Tavik.- Molvera"));
        QCOMPARE(w().winId(), window);
    }

    void ionGroupReplacesTheSelection() {
        w().input()->setText("2x");
        w().input()->setSelection(1, 1);
        w().actions().ionGroups()->findChild<QAction*>("mnuIoni(12)")->trigger();
        QCOMPARE(input(), QString("2(SO4)"));
    }

    void keypadWritesAtTheCaret_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<KeypadKey>("key");
        QTest::addColumn<bool>("inverse");
        QTest::addColumn<QString>("after");
        QTest::newRow("digit") << "1" << KeypadKey::Digit7 << false << "17";
        QTest::newRow("function word") << "" << KeypadKey::Sine << false << ":sin";
        QTest::newRow("inverse function word") << "" << KeypadKey::Sine << true << ":asin";
        QTest::newRow("pi keeps its colon") << "" << KeypadKey::Pi << false << ":pi";
        QTest::newRow("root leaves the caret inside")
            << "8" << KeypadKey::Power << true << "8^(1/3)";
        QTest::newRow("enclose the line") << "1+2" << KeypadKey::Enclose << false << "(1+2)";
        QTest::newRow("backspace") << "123" << KeypadKey::Backspace << false << "12";
        QTest::newRow("clear") << "123" << KeypadKey::Clear << false << "";
        QTest::newRow("all clear keeps the line") << "123" << KeypadKey::Clear << true << "123";
    }

    void keypadWritesAtTheCaret() {
        QFETCH(QString, before);
        QFETCH(KeypadKey, key);
        QFETCH(bool, inverse);
        QFETCH(QString, after);
        w().input()->setText(before);
        w().keypad()->setInverse(inverse);
        press(key);
        if (key == KeypadKey::Power)
            QTest::keyClicks(w().input(), "3");
        QCOMPARE(input(), after);
        QVERIFY(!w().keypad()->inverse());
        QCOMPARE(w().keypad()->button(KeypadKey::Sine)->text(), QString("sin"));
    }

    void functionSeparatorOffWritesBareWords() {
        w().actions().separator->trigger();
        press(KeypadKey::Sine);
        press(KeypadKey::Pi);
        QCOMPARE(input(), QString("sin:pi"));
    }

    void functionFieldWorksOnTheLineOrTheResult() {
        w().input()->setText("1+2");
        pressFunction(FunctionKey::Sine);
        QCOMPARE(w().history()->itemText(0), QString(":sin(1+2)"));
        enter("4");
        pressFunction(FunctionKey::SignChange);
        QCOMPARE(w().history()->itemText(0), QString("-1*4"));
        QCOMPARE(result(), QString("-4"));
        w().input()->setText("2*");
        pressFunction(FunctionKey::Faraday);
        QCOMPARE(input(), QString("2*96485.309"));
        QCOMPARE(w().history()->count(), 3);
    }

    void quadraticPanelBuildsTheEquation() {
        auto solve = [&](const char* a, const char* b, const char* c) {
            for (const auto& [index, text] : {std::pair{2, a}, std::pair{1, b}, std::pair{0, c}})
                w().functions()->coefficientBox(index)->setText(text);
            w().findChild<QToolButton*>("cmdKvadratna")->click();
        };
        solve("2", "-3", "1");
        QCOMPARE(w().resultList()[0], QString("x1 = 1; x2 = 0.5"));
        QCOMPARE(w().history()->itemText(0), QString("2x^2 - 3x + 1 = 0"));
        solve("2", "5", "-7");
        QCOMPARE(w().history()->itemText(0), QString("2x^2 + 5x - 7 = 0"));
    }

    void memoryKeysAndIndicator() {
        press(KeypadKey::MemoryRecall);
        QVERIFY(input().isEmpty());
        enter("12");
        keyClick(Qt::Key_F6);
        QLabel* indicator = w().display()->indicator(molva::ui::Indicator::Memory);
        QCOMPARE(indicator->toolTip(), QString(" 12 "));
        enter("1/0");
        press(KeypadKey::MemoryStore);
        QCOMPARE(w().session().state().memory, 12.0);
        enter("3");
        w().keypad()->setInverse(true);
        press(KeypadKey::MemoryAdd);
        QCOMPARE(w().session().state().memory, 15.0);
        keyClick(Qt::Key_F7);
        QCOMPARE(input(), QString("15"));
        w().keypad()->setInverse(true);
        press(KeypadKey::Clear);
        QCOMPARE(w().session().state().memory, 0.0);
        QCOMPARE(indicator->toolTip(), QString(" Memory (F6-store / F7-recall) "));
    }

    void functionKeysCycleFormatsAndAngles() {
        keyClick(Qt::Key_F5);
        QCOMPARE(w().session().formatKind(), molva::FormatKind::Scientific);
        keyClick(Qt::Key_F5);
        keyClick(Qt::Key_F5);
        QCOMPARE(w().session().formatKind(), molva::FormatKind::Automatic);
        keyClick(Qt::Key_F8);
        QCOMPARE(w().session().state().angleUnit, molva::AngleUnit::Degrees);
        QVERIFY(w().numberPanel()->angleOption(molva::AngleUnit::Degrees)->isChecked());
        enter("sin30");
        QCOMPARE(result(), QString("0.5"));
    }

    void numberFormatPlaces() {
        QLineEdit* places = w().numberPanel()->placesBox();
        places->setText("15");
        QCOMPARE(places->text(), QString("12"));
        QCOMPARE(w().session().formatZeros(), std::string_view("000000000000"));
        w().numberPanel()->formatOption(molva::FormatKind::Fixed)->click();
        w().numberPanel()->groupingBox()->click();
        places->setText("5");
        QCOMPARE(w().session().decimalPlaces(), 2);
        QVERIFY(!w().numberPanel()->placesLabel()->isEnabled());
        enter("1234.5");
        QCOMPARE(result(), QString("1,234.50"));
    }

    void splashClosesOnTheFourthTick() {
        bool shown = false;
        auto* splash = new molva::ui::SplashWindow(true, [&] { shown = true; });
        for (int k = 0; k < 3; ++k)
            splash->tick();
        QVERIFY(!shown);
        splash->tick();
        QVERIFY(shown);
    }
};

QTEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"
