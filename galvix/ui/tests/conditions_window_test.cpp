// The Conditions window: its values follow the controls, faults are shown in
// place of results, the pH and solid/dissolved choices, Copy and Print, and
// the way in from the reaction data window.
#include "core/cell_conditions.h"
#include "galvix_fixture.h"
#include "ui/conditions_window.h"
#include "ui/half_cell_box.h"
#include "ui/reaction_data_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace galvix;
using namespace galvix::ui;
using namespace galvix::ui::testing;

namespace {

const std::string kZinc = "Zn -> Zn\x8d\xa2 + 2e";
const std::string kCopper = "Cu\x8d\xa2 + 2e -> Cu";
const std::string kCopperOxidised = "Cu -> Cu\x8d\xa2 + 2e";
const std::string kZincReduced = "Zn\x8d\xa2 + 2e -> Zn";
const std::string kIron = "Fe\x8d\xa2 -> Fe\x8e\xa2 + e";
const std::string kPermanganate = "MnO\xb9\xa3 + 8 H\xa2 + 5e -> Mn\x8d\xa2 + 4 H\xb7O";
const std::string kHydrogen = "H\xb7 -> 2 H\xa2 + 2e";
const std::string kOxygen = "O\xb7 + 4 H\xa2 + 4e -> 2 H\xb7O";
const std::string kLithium = "Li -> Li\xa2 + e";
const std::string kPeroxide = "H\xb7O\xb7 -> O\xb7 + 2 H\xa2 + 2e";

// An amount typed into one row of one half-cell.
struct Typed {
    HalfCell halfCell;
    int row;
    QString text;
};
using TypedList = QList<Typed>;

} // namespace

Q_DECLARE_METATYPE(Typed)
Q_DECLARE_METATYPE(TypedList)
Q_DECLARE_METATYPE(std::string)

class ConditionsWindowTest : public QObject, public GalvixFixture {
    Q_OBJECT

    ConditionsWindow& openFor(const std::string& oxidation, const std::string& reduction) {
        calculatePair(oxidation, reduction);
        ConditionsWindow& conditions = window<ConditionsWindow>();
        conditions.showLastResult();
        return conditions;
    }

    static QString shown(const ConditionsWindow& conditions, const char* name) {
        const auto* label = conditions.findChild<QLabel*>(name);
        return label ? label->text() : QString("(no %1)").arg(name);
    }

    static QString potential(const ConditionsWindow& conditions, HalfCell halfCell) {
        return conditions.halfCell(halfCell)->findChild<QLabel*>("Potential")->text();
    }

  private Q_SLOTS:
    void initTestCase() { QVERIFY(QFontDatabase::addApplicationFont(GALVIX_CHEM_FONT) >= 0); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void valuesFollowTheControls_data() {
        QTest::addColumn<std::string>("oxidation");
        QTest::addColumn<std::string>("reduction");
        QTest::addColumn<TypedList>("amounts");
        QTest::addColumn<QString>("reductionPH"); // typed with "Same pH" unticked
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QStringList>(
            "expected"); // E(ox), E(red), E(cell), verdict, K caption, K, log K
        QTest::newRow("daniell cell dilute")
            << kZinc << kCopper
            << TypedList{{HalfCell::Oxidation, 1, "0.10"}, {HalfCell::Reduction, 0, "0.0010"}} << ""
            << "25" << QStringList{"0.79138 V",     "0.25126 V", "1.04264 V", "Yes",
                                   "K at 25 °C = ", "1.77e37",   "37.249"};
        QTest::newRow("copper concentration cell")
            << kCopperOxidised << kCopper
            << TypedList{{HalfCell::Oxidation, 1, "0.0010"}, {HalfCell::Reduction, 0, "1.0"}} << ""
            << "25" << QStringList{"-0.25126 V",    "0.34000 V", "0.08874 V", "Yes",
                                   "K at 25 °C = ", "1.00e0",    "0.000"};
        QTest::newRow("permanganate half-cell at pH 3")
            << kIron << kPermanganate << TypedList{} << "3"
            << "25" << QStringList{"-0.77100 V", "1.22304 V", "0.45204 V", "Yes"};
        QTest::newRow("fuel cell at 80 degrees")
            << kHydrogen << kOxygen << TypedList{} << ""
            << "80" << QStringList{"0.00000 V",     "1.22900 V", "1.22900 V", "Yes",
                                   "K at 80 °C = ", "1.43e70",   "70.156"};
        QTest::newRow("reaction that does not occur")
            << kCopperOxidised << kZincReduced << TypedList{{HalfCell::Reduction, 0, "0.5"}} << ""
            << "25" << QStringList{"-0.34000 V",    "-0.77070 V", "-1.11070 V", "No",
                                   "K at 25 °C = ", "5.64e-38",   "-37.249"};
        QTest::newRow("K beyond a double")
            << kLithium << kPermanganate << TypedList{} << ""
            << "25" << QStringList{"3.04000 V",     "1.50700 V", "4.54700 V", "Yes",
                                   "K at 25 °C = ", "10^384.30", "384.301"};
    }

    void valuesFollowTheControls() {
        QFETCH(std::string, oxidation);
        QFETCH(std::string, reduction);
        QFETCH(TypedList, amounts);
        QFETCH(QString, reductionPH);
        QFETCH(QString, temperature);
        QFETCH(QStringList, expected);
        ConditionsWindow& conditions = openFor(oxidation, reduction);
        for (const Typed& typed : amounts) {
            QLineEdit* box = conditions.halfCell(typed.halfCell)->amountBox(typed.row);
            QVERIFY(box && box->isEnabled());
            box->setText(typed.text);
        }
        if (!reductionPH.isEmpty()) {
            conditions.samePHBox()->setChecked(false);
            conditions.halfCell(HalfCell::Reduction)->pHBox()->setText(reductionPH);
        }
        conditions.temperatureBox()->setText(temperature);
        const QStringList actual{potential(conditions, HalfCell::Oxidation),
                                 potential(conditions, HalfCell::Reduction),
                                 shown(conditions, "CellPotential"),
                                 shown(conditions, "WillOccur"),
                                 shown(conditions, "EquilibriumConstantCaption"),
                                 shown(conditions, "EquilibriumConstant"),
                                 shown(conditions, "LogK")};
        QCOMPARE(actual.mid(0, expected.size()), expected);
        QVERIFY(!conditions.findChild<QLabel*>("Error")->isVisibleTo(&conditions));
    }

    void aFaultIsShownInPlaceOfTheResults_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("error");
        QTest::newRow("amount not a number")
            << 1 << "abc"
            << "25"
            << "The amount of \"Zn²⁺\" in the oxidation half-cell must be a positive number";
        QTest::newRow("amount zero")
            << 1 << "0"
            << "25"
            << "The amount of \"Zn²⁺\" in the oxidation half-cell must be a positive number";
        QTest::newRow("temperature below absolute zero")
            << 1 << "1"
            << "-300"
            << "The temperature must be a number above -273.15 °C";
        QTest::newRow("temperature empty") << 1 << "1"
                                           << ""
                                           << "The temperature must be a number above -273.15 °C";
    }

    void aFaultIsShownInPlaceOfTheResults() {
        QFETCH(int, row);
        QFETCH(QString, amount);
        QFETCH(QString, temperature);
        QFETCH(QString, error);
        ConditionsWindow& conditions = openFor(kZinc, kCopper);
        conditions.halfCell(HalfCell::Oxidation)->amountBox(row)->setText(amount);
        conditions.temperatureBox()->setText(temperature);
        QCOMPARE(shown(conditions, "Error"), error);
        QVERIFY(conditions.findChild<QLabel*>("Error")->isVisibleTo(&conditions));
        QCOMPARE(shown(conditions, "CellPotential"), QString());
        QCOMPARE(shown(conditions, "WillOccur"), QString());
        // Mending the input brings the results back.
        conditions.halfCell(HalfCell::Oxidation)->amountBox(row)->setText("1");
        conditions.temperatureBox()->setText("25");
        QVERIFY(!conditions.findChild<QLabel*>("Error")->isVisibleTo(&conditions));
        QCOMPARE(shown(conditions, "CellPotential"), QString("1.10180 V"));
    }

    void thePHIsTheSameForBothHalfCellsUntilUnticked() {
        ConditionsWindow& conditions = openFor(kHydrogen, kOxygen);
        QLineEdit* oxidationPH = conditions.halfCell(HalfCell::Oxidation)->pHBox();
        QLineEdit* reductionPH = conditions.halfCell(HalfCell::Reduction)->pHBox();
        QVERIFY(conditions.samePHBox()->isChecked());
        QVERIFY(!reductionPH->isEnabled());
        // H⁺ (row 1 of the oxidation half-cell) takes a concentration until a pH is set.
        QLineEdit* hydrogenIon = conditions.halfCell(HalfCell::Oxidation)->amountBox(1);
        QVERIFY(hydrogenIon->isEnabled());
        hydrogenIon->setText("0.5");
        oxidationPH->setText("7");
        QCOMPARE(reductionPH->text(), QString("7"));
        QVERIFY(!hydrogenIon->isEnabled());
        QCOMPARE(hydrogenIon->text(), QString("1.00e-7"));
        // The same pH on both sides cancels in the cell: E(cell) stays 1.229 V.
        QCOMPARE(shown(conditions, "CellPotential"), QString("1.22900 V"));
        QCOMPARE(potential(conditions, HalfCell::Reduction), QString("0.81488 V"));
        conditions.samePHBox()->setChecked(false);
        QVERIFY(reductionPH->isEnabled());
        reductionPH->setText("0");
        QCOMPARE(oxidationPH->text(), QString("7"));
        QCOMPARE(potential(conditions, HalfCell::Reduction), QString("1.22900 V"));
        QCOMPARE(conditions.conditions().oxidation.pH, std::optional<double>(7));
        // Clearing the pH gives H⁺ back what was typed.
        oxidationPH->clear();
        QVERIFY(hydrogenIon->isEnabled());
        QCOMPARE(hydrogenIon->text(), QString("0.5"));
    }

    void aSpeciesMayBeSolidOrDissolved() {
        ConditionsWindow& conditions = openFor(kZinc, kCopper);
        QComboBox* zincMedium = conditions.halfCell(HalfCell::Oxidation)->mediumChoice(0);
        QLineEdit* zincAmount = conditions.halfCell(HalfCell::Oxidation)->amountBox(0);
        QVERIFY(zincMedium && zincAmount);
        QCOMPARE(zincMedium->currentText(), QString("solid or liquid"));
        QVERIFY(!zincAmount->isEnabled());
        zincMedium->setCurrentText("dissolved");
        QVERIFY(zincAmount->isEnabled());
        zincAmount->setText("0.01");
        QCOMPARE(potential(conditions, HalfCell::Oxidation), QString("0.70264 V"));
        // Hydrogen peroxide starts dissolved; the gas O₂ has no choice.
        ConditionsWindow& peroxide = openFor(kPeroxide, kCopper);
        QCOMPARE(peroxide.halfCell(HalfCell::Oxidation)->mediumChoice(0)->currentText(),
                 QString("dissolved"));
        QVERIFY(!peroxide.halfCell(HalfCell::Oxidation)->mediumChoice(1));
        QCOMPARE(peroxide.halfCell(HalfCell::Oxidation)->findChild<QLabel*>("Unit(1)")->text(),
                 QString("bar"));
    }

    void theControlsKeepTheirValuesForTheSameReactionOnly() {
        ConditionsWindow& conditions = openFor(kZinc, kCopper);
        conditions.halfCell(HalfCell::Oxidation)->amountBox(1)->setText("0.10");
        conditions.showLastResult();
        QCOMPARE(conditions.halfCell(HalfCell::Oxidation)->amountBox(1)->text(), QString("0.10"));
        calculatePair(kZinc, kPermanganate);
        conditions.showLastResult();
        QCOMPARE(conditions.halfCell(HalfCell::Oxidation)->amountBox(1)->text(), QString("1"));
        QCOMPARE(conditions.halfCell(HalfCell::Reduction)->amountBox(0)->text(), QString("1"));
    }

    void copyAndPrintGiveTheConditionsText() {
        ConditionsWindow& conditions = openFor(kZinc, kCopper);
        conditions.halfCell(HalfCell::Oxidation)->amountBox(1)->setText("0.10");
        conditions.halfCell(HalfCell::Reduction)->amountBox(0)->setText("0.0010");
        conditions.copy();
        const QString plain = doubles_->clipboard.plain;
        QVERIFY(plain.startsWith("Galvix Ver 3.0\r\n"));
        QVERIFY(plain.contains(QString::fromUtf8("\r\nc(Zn\u00b2\u207a) = 0.1 mol/L\r\n")));
        QVERIFY(plain.contains("\r\nE(cell) = 1.04264 V\r\n"));
        QVERIFY(plain.endsWith(
            QString::fromUtf8("Note: E\u00b0 is taken as independent of temperature.\r\n")));
        QVERIFY(doubles_->clipboard.html.contains("<sup>2+</sup>"));
        QVERIFY(lastMessage().text.startsWith("Note: to view reactions"));

        doubles_->messages.answers = {MessageButton::Yes};
        conditions.print();
        QCOMPARE(doubles_->printer.jobs.size(), std::size_t{1});
        QCOMPARE(doubles_->printer.jobs.back().text, conditions.resultText());
        QCOMPARE(doubles_->printer.jobs.back().font, QString("Chem"));
        doubles_->printer.failing = true;
        doubles_->messages.answers = {MessageButton::Yes};
        conditions.print();
        QCOMPARE(lastMessage(), (MessageRequest{"Galvix", "Error printing!", MessageIcon::Critical,
                                                MessageButtons::Ok, MessageButton::Ok}));
    }

    void theReactionDataWindowOpensItForANoResultToo() {
        calculatePair(kCopperOxidised, kZincReduced);
        auto& reactionData = window<ReactionDataWindow>();
        auto* button = reactionData.findChild<QPushButton*>("Conditions");
        QVERIFY(button && button->isVisibleTo(&reactionData));
        QCOMPARE(button->text(), QString("Conditions\u2026"));
        QString verdict;
        WhenModalOpens([&verdict](QWidget* modal) {
            if (auto* conditions = dynamic_cast<ConditionsWindow*>(modal))
                verdict = conditions->findChild<QLabel*>("WillOccur")->text();
        });
        button->click();
        QCOMPARE(verdict, QString("No"));
        auto* item = reactionData.findChild<QAction*>("conditions");
        QVERIFY(item);
        QCOMPARE(item->text(), QString("Co&nditions\u2026"));
    }
};

QTEST_MAIN(ConditionsWindowTest)
#include "conditions_window_test.moc"
