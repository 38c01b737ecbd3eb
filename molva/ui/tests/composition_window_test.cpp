// The Composition window and the chemist's commands of the calculator: the
// window opened from the menu and its key for the input line, its table, copy
// and empirical formula, the atomic weights kept in the settings, the hydrate
// dot, and where the window's controls lie.
#include "ui/chemistry_commands.h"
#include "ui/composition_window.h"
#include "window_fixture.h"
#include "window_geometry.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>

using molva::AtomicWeights;

namespace {

const QString kHydrate = QString::fromUtf8("CuSO4\u00B7"
                                           "5H2O");

} // namespace

class CompositionWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> under_;

    molva::ui::CalculatorWindow& w() { return under_->window; }
    platform::testing::TestServices& services() { return under_->services; }
    molva::ui::CompositionWindow* composition() { return w().chemistry().compositionWindow(); }

    molva::ui::CompositionWindow& openFor(const QString& line) {
        w().input()->setText(line);
        w().actions().composition->trigger();
        return *composition();
    }

    QString cell(int row, int column) {
        const QTableWidgetItem* item = composition()->table()->item(row, column);
        return item ? item->text() : QString();
    }

  private Q_SLOTS:
    void init() {
        under_ = std::make_unique<WindowUnderTest>();
        QVERIFY(under_->ready());
    }

    void cleanup() { under_.reset(); }

    void opensForTheFormulaOfTheInputLine() {
        molva::ui::CompositionWindow& window = openFor(kHydrate);
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QString("Composition"));
        QCOMPARE(window.formulaBox()->text(), kHydrate);
        QCOMPARE(window.table()->rowCount(), 5);
        QCOMPARE(cell(0, 0), QString("Cu"));
        QCOMPARE(cell(0, 1), QString("Copper"));
        QCOMPARE(cell(2, 2), QString("9"));
        QCOMPARE(cell(2, 4), QString("57.670"));
        QCOMPARE(cell(4, 0), QString("Total"));
        QCOMPARE(cell(4, 3), QString("249.686"));
        QCOMPARE(window.message()->text(), QString("Atomic weights: classic table"));
    }

    void opensWithItsKeyForTheLastLineWhenTheInputIsEmpty() {
        under_->enter("h2o");
        QCOMPARE(under_->input(), QString());
        QTest::keyClick(w().input(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(composition() && composition()->isVisible());
        QCOMPARE(composition()->formulaBox()->text(), QString("H2O"));
        QCOMPARE(cell(2, 3), QString("18.0153"));
    }

    void copiesTheTableAsTabSeparatedText() {
        openFor("H2O").copyButton()->click();
        QCOMPARE(services().clipboard.plain, QString("Symbol\tElement\tAtoms\tMass\tMass %\n"
                                                     "H\tHydrogen\t2\t2.0159\t11.190\n"
                                                     "O\tOxygen\t1\t15.9994\t88.810\n"
                                                     "Total\t\t3\t18.0153\t100.000\n"));
        QCOMPARE(services().clipboard.clears, 1);
    }

    void aLineThatIsNoFormulaGivesItsMessageAndNothingToCopy() {
        molva::ui::CompositionWindow& window = openFor("2+3");
        QCOMPARE(window.message()->text(), QString("2+3 is not a chemical formula"));
        QCOMPARE(window.table()->rowCount(), 0);
        QVERIFY(!window.copyButton()->isEnabled());
        window.formulaBox()->setText("NaCl");
        QTest::keyClick(window.formulaBox(), Qt::Key_Return);
        QCOMPARE(window.table()->rowCount(), 3);
        QVERIFY(window.copyButton()->isEnabled());
    }

    void findsTheEmpiricalFormulaOfMassPercentages() {
        molva::ui::CompositionWindow& window = openFor("H2O");
        window.percentagesBox()->setText("C=40.0 H=6.7 O=53.3");
        QTest::keyClick(window.percentagesBox(), Qt::Key_Return);
        QCOMPARE(window.empiricalFormula()->text(), QString("Empirical formula: CH2O"));
        window.percentagesBox()->setText("C=40 Xx=3");
        window.findEmpiricalFormula();
        QCOMPARE(window.empiricalFormula()->text(), QString("Xx isn't element symbol!"));
    }

    void theChosenAtomicWeightsAreUsedAndKept() {
        QVERIFY(w().actions().weights[0]->isChecked());
        w().actions().weights[1]->trigger();
        QVERIFY(w().actions().weights[1]->isChecked());
        QVERIFY(!w().actions().weights[0]->isChecked());
        QCOMPARE(services().settings.writes, QStringList{"Options/weights=iupac2021"});
        under_->enter(kHydrate);
        QCOMPARE(under_->currentResult(), QString("249.677"));
        under_->enter("Og");
        QCOMPARE(under_->currentResult(), QString("294."));
        openFor(kHydrate);
        QCOMPARE(cell(4, 3), QString("249.677"));
        QCOMPARE(composition()->message()->text(), QString("Atomic weights: IUPAC 2021"));
    }

    void theStoredAtomicWeightsApplyFromTheStart_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("checked");
        QTest::addColumn<QString>("shown");
        QTest::newRow("iupac 2021") << "iupac2021" << 1 << "249.677";
        QTest::newRow("classic") << "classic" << 0 << "249.686";
        QTest::newRow("unknown name") << "iupac2019" << 0 << "249.686";
    }

    void theStoredAtomicWeightsApplyFromTheStart() {
        QFETCH(QString, stored);
        QFETCH(int, checked);
        QFETCH(QString, shown);
        platform::testing::TestServices services;
        services.settings.values["Options/weights"] = stored;
        molva::ui::CalculatorWindow window(services.services(), '.', MOLVA_EXAMPLE_DIR);
        QVERIFY(window.actions().weights[static_cast<std::size_t>(checked)]->isChecked());
        window.input()->setText(kHydrate);
        window.calculate();
        QCOMPARE(window.display()->currentResult(), shown);
    }

    void theHydrateDotIsWrittenAtTheCaret() {
        w().input()->setText("CuSO45H2O");
        w().input()->setCursorPosition(5);
        w().actions().adductDot->trigger();
        QCOMPARE(under_->input(), kHydrate);
        QTest::keyClick(w().input(), Qt::Key_Return);
        QCOMPARE(under_->currentResult(), QString("249.686"));
        QTest::keyClick(w().input(), Qt::Key_Period, Qt::ControlModifier);
        QCOMPARE(under_->input(), QString::fromUtf8("\u00B7"));
    }

    void theControlsLieInsideTheWindowApart() {
        molva::ui::CompositionWindow& window = openFor(kHydrate);
        window.percentagesBox()->setText("C=40.0 H=6.7 O=53.3");
        window.findEmpiricalFormula();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        VerifyControlsInsideAndApart(window, 9);
        // The table shows every row without scrolling.
        const QTableWidget* table = window.table();
        const int last = table->rowCount() - 1;
        QVERIFY(table->visualItemRect(table->item(last, 0)).bottom() < table->viewport()->height());
    }
};

QTEST_MAIN(CompositionWindowTest)
#include "composition_window_test.moc"
