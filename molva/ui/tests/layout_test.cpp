// The calculator window's three layouts (normal, wide, display only) as a
// display shows them: every visible control inside the window, no two
// overlapping, and the result of an entered line in plain sight. Runs on the
// offscreen platform and on a real X display.
#include "ui/constants_panel.h"
#include "window_fixture.h"
#include "window_geometry.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// The three layouts, and the wide one with the number-format panel and a constants list open.
enum class Layout { Normal, Wide, DisplayOnly, WideWithPanels };

} // namespace

Q_DECLARE_METATYPE(Layout)

class LayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> under_;

    molva::ui::CalculatorWindow& w() { return under_->window; }

    void showLayout(Layout layout) {
        if (layout == Layout::Wide)
            w().expandOrShrink();
        if (layout == Layout::DisplayOnly)
            w().toggleDisplayOnly();
        if (layout == Layout::WideWithPanels) {
            w().actions().numberFormat->trigger();
            w().actions().constants[2]->trigger();
        }
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
    }

    static void addLayouts() {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QSize>("size");
        QTest::newRow("normal") << Layout::Normal
                                << QSize(molva::ui::kNarrowWidth, molva::ui::kNormalHeight);
        QTest::newRow("wide") << Layout::Wide
                              << QSize(molva::ui::kWideWidth, molva::ui::kNormalHeight);
        QTest::newRow("display only")
            << Layout::DisplayOnly << QSize(molva::ui::kNarrowWidth, molva::ui::kDisplayOnlyHeight);
        QTest::newRow("wide with the number format and constants")
            << Layout::WideWithPanels << QSize(molva::ui::kWideWidth, molva::ui::kNormalHeight);
    }

  private Q_SLOTS:
    void init() {
        under_ = std::make_unique<WindowUnderTest>();
        QVERIFY(under_->ready());
    }

    void cleanup() { under_.reset(); }

    void everyControlLiesInsideTheWindowAndNoneOverlaps_data() { addLayouts(); }
    void everyControlLiesInsideTheWindowAndNoneOverlaps() {
        QFETCH(Layout, layout);
        QFETCH(QSize, size);
        showLayout(layout);
        QCOMPARE(w().size(), size);
        VerifyControlsInsideAndApart(w(), 11);
    }

    void theOnlyControlsOfTheDisplayOnlyStripAreTheDisplayAndInput() {
        showLayout(Layout::DisplayOnly);
        for (const auto& [widget, rect] : VisibleControls(w())) {
            const bool inDisplay = w().display()->isAncestorOf(widget);
            const bool inputRow = widget == w().input() || widget == w().history();
            QVERIFY2(inDisplay || inputRow, qPrintable(Describe(widget, rect)));
        }
    }

    void theResultOfAnEnteredLineIsInPlainSight_data() {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        const QList<std::pair<const char*, const char*>> lines = {
            {"2H2O+NaCl", "94.4730"},
            {"(2+3", "Missing right bracket ')' !"},
            {"sum(2*3+1)", "Only + sign differences data !"},
            {"asin2", "Argument must be from -1 to 1"},
            {"1/3", "0.3333333333333"},
            {"CuSO4\u00B7"
             "5H2O",
             "249.686"}};
        const char* layouts[] = {"normal", "wide", "display only"};
        for (int k = 0; k < 3; ++k) {
            for (const auto& [line, shown] : lines)
                QTest::newRow(qPrintable(QString("%1, %2").arg(layouts[k], line)))
                    << static_cast<Layout>(k) << QString(line) << QString(shown);
        }
    }

    void theResultOfAnEnteredLineIsInPlainSight() {
        QFETCH(Layout, layout);
        QFETCH(QString, line);
        QFETCH(QString, shown);
        showLayout(layout);
        QTest::keyClicks(w().input(), line);
        QTest::keyClick(w().input(), Qt::Key_Return);
        QLabel* result = w().display()->resultLabel(0);
        QCOMPARE(result->text(), shown);
        QVERIFY(result->isVisible());
        const QRect rect(result->mapTo(&w(), QPoint(0, 0)), result->size());
        QVERIFY2(w().rect().contains(rect), qPrintable(Describe(result, rect)));
        // Nothing else lies over the label: the window finds the label itself there.
        const QPoint middle = rect.center();
        QCOMPARE(w().childAt(middle), result);
        // The whole text fits: in one line, or wrapped within the label's height.
        const QFontMetrics metrics(result->font());
        const QRect contents = result->contentsRect();
        const QRect needed =
            metrics.boundingRect(contents, Qt::TextWordWrap | int(result->alignment()), shown);
        QVERIFY2(needed.width() <= contents.width() && needed.height() <= contents.height(),
                 qPrintable(QString("%1 needs %2x%3 in %4x%5")
                                .arg(shown)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(contents.width())
                                .arg(contents.height())));
    }

    void theHydrateHintIsInPlainSight_data() { addLayouts(); }
    void theHydrateHintIsInPlainSight() {
        QFETCH(Layout, layout);
        showLayout(layout);
        under_->enter("CuSO4*5H2O");
        QLabel* hint = w().display()->hint();
        const QString text = QString::fromUtf8("* multiplies; for a hydrate write CuSO4\u00B7"
                                               "5H2O");
        QCOMPARE(hint->text(), text);
        QCOMPARE(w().display()->currentResult(), QString("14377.05817344"));
        QVERIFY(hint->isVisible());
        const QRect rect(hint->mapTo(&w(), QPoint(0, 0)), hint->size());
        QVERIFY2(w().rect().contains(rect), qPrintable(Describe(hint, rect)));
        QCOMPARE(w().childAt(rect.center()), hint);
        QVERIFY2(QFontMetrics(hint->font()).horizontalAdvance(text) <= hint->contentsRect().width(),
                 qPrintable(Describe(hint, rect)));
        const QLabel* result = w().display()->resultLabel(0);
        QVERIFY(result->mapTo(&w(), QPoint(0, result->height())).y() <= rect.top());
        under_->enter("CuSO4\u00B7"
                      "5H2O");
        QCOMPARE(hint->text(), QString());
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
