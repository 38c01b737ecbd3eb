// "Show potentials" on the main screen: off by default and kept in the
// settings, E° beside every entry of both lists in every arrangement, drawn
// right-aligned in its own column, with the lists' items and selection unchanged.
#include "galvix_fixture.h"
#include "ui/potential_column.h"

#include <QAction>
#include <QFontDatabase>
#include <QImage>
#include <QListWidget>

using namespace galvix;
using namespace galvix::ui;
using namespace galvix::ui::testing;

namespace {

// Whether any pixel of the area differs clearly from the list's background.
bool HasInk(const QImage& image, const QRect& area) {
    const QColor background = image.pixelColor(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.lightness() - background.lightness()) > 96)
                return true;
        }
    }
    return false;
}

QAction* PotentialsItem(MainScreen& main) {
    return main.findChild<QAction*>("potentials");
}

} // namespace

Q_DECLARE_METATYPE(galvix::Arrangement)

class ListPotentialsTest : public QObject, public GalvixFixture {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { QVERIFY(QFontDatabase::addApplicationFont(GALVIX_CHEM_FONT) >= 0); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void offByDefaultAndKeptInTheSettings() {
        MainScreen& main = mainScreen();
        QAction* item = PotentialsItem(main);
        QVERIFY(item && item->isCheckable());
        QCOMPARE(item->text(), QString("Show &potentials"));
        QVERIFY(!item->isChecked());
        QVERIFY(!main.potentialColumn(ListSide::Oxidation)->shown());
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(main.potentialColumn(ListSide::Oxidation)->shown());
        QVERIFY(main.potentialColumn(ListSide::Reduction)->shown());
        QCOMPARE(doubles_->settings.values.value("Options/potentials"), QString(" 1"));

        makeContext(doubles_->services());
        MainScreen& again = mainScreen();
        QVERIFY(PotentialsItem(again)->isChecked());
        QVERIFY(again.potentialColumn(ListSide::Reduction)->shown());
        PotentialsItem(again)->trigger();
        QCOMPARE(doubles_->settings.values.value("Options/potentials"), QString(" 0"));
    }

    void everyEntryCarriesItsPotentialInEveryArrangement_data() {
        QTest::addColumn<Arrangement>("arrangement");
        QTest::newRow("alphabetical") << Arrangement::Alphabetical;
        QTest::newRow("ascending") << Arrangement::Ascending;
        QTest::newRow("descending") << Arrangement::Descending;
    }

    void everyEntryCarriesItsPotentialInEveryArrangement() {
        QFETCH(Arrangement, arrangement);
        MainScreen& main = mainScreen();
        main.showPotentials(true);
        main.rearrange(arrangement);
        for (const ListSide side : {ListSide::Oxidation, ListSide::Reduction}) {
            QListWidget* list = main.list(side);
            QCOMPARE(list->count(), 531);
            double previous = arrangement == Arrangement::Descending ? 1e9 : -1e9;
            for (int row = 0; row < list->count(); ++row) {
                const QString potential = list->item(row)->data(kPotentialRole).toString();
                QVERIFY2(potential.endsWith(" V"), qPrintable(list->item(row)->text()));
                const double value = potential.chopped(2).toDouble();
                if (arrangement == Arrangement::Ascending)
                    QVERIFY(value >= previous);
                if (arrangement == Arrangement::Descending)
                    QVERIFY(value <= previous);
                previous = value;
            }
        }
        QVERIFY(main.selectItem(ListSide::Oxidation, "Zn -> Zn\x8d\xa2 + 2e"));
        QCOMPARE(main.list(ListSide::Oxidation)->currentItem()->data(kPotentialRole).toString(),
                 QString("0.7618 V"));
        QVERIFY(main.selectItem(ListSide::Reduction, "Cu\x8d\xa2 + 2e -> Cu"));
        QCOMPARE(main.list(ListSide::Reduction)->currentItem()->data(kPotentialRole).toString(),
                 QString("0.34 V"));
    }

    void thePotentialIsDrawnRightAlignedInItsOwnColumn() {
        MainScreen& main = mainScreen();
        main.resize(900, 600);
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QListWidget* list = main.list(ListSide::Oxidation);
        PotentialColumn* column = main.potentialColumn(ListSide::Oxidation);
        // The first entry, "Ac -> Ac³⁺ + 3e", is short: without potentials its
        // right side stays empty.
        const QRect item = list->visualItemRect(list->item(0));
        const QRect area = column->columnRect(item);
        QVERIFY(list->viewport()->rect().contains(area));
        QVERIFY(area.left() > item.left() + list->fontMetrics().horizontalAdvance("Ac -> Ac + 3e"));
        QVERIFY(!HasInk(list->viewport()->grab().toImage(), area));

        main.showPotentials(true);
        const QImage shown = list->viewport()->grab().toImage();
        QVERIFY(HasInk(shown, area));
        // Right-aligned: the last pixels of the column carry the " V".
        QVERIFY(HasInk(
            shown, QRect(area.right() - area.height(), area.top(), area.height(), area.height())));
        // Items, selection and order stay as they were.
        main.showPotentials(false);
        list->setCurrentRow(5);
        const QString text = list->currentItem()->text();
        main.showPotentials(true);
        QCOMPARE(list->currentRow(), 5);
        QCOMPARE(list->currentItem()->text(), text);
        QVERIFY(list->currentItem()->isSelected());
    }
};

QTEST_MAIN(ListPotentialsTest)
#include "list_potentials_test.moc"
