// The calculator window's three layouts (normal, wide, display only) as a
// display shows them: every visible control inside the window, no two
// overlapping, and the result of an entered line in plain sight. Runs on the
// offscreen platform and on a real X display.
#include "ui/constants_panel.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>

namespace {

// The three layouts, and the wide one with the number-format panel and a constants list open.
enum class Layout { Normal, Wide, DisplayOnly, WideWithPanels };

bool IsControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QMenuBar*>(widget);
}

bool InsideAnotherControl(const QWidget* widget, const QWidget* window) {
    for (const QWidget* parent = widget->parentWidget(); parent && parent != window;
         parent = parent->parentWidget()) {
        if (IsControl(parent))
            return true;
    }
    return false;
}

// The controls a user sees, each with its rectangle in window coordinates.
QList<std::pair<const QWidget*, QRect>> VisibleControls(const QWidget& window) {
    QList<std::pair<const QWidget*, QRect>> controls;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->isWindow() || !IsControl(widget) ||
            InsideAnotherControl(widget, &window))
            continue;
        controls.append({widget, QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())});
    }
    return controls;
}

QString Describe(const QWidget* widget, const QRect& rect) {
    return QString("%1 (%2) at %3,%4 %5x%6")
        .arg(widget->objectName(), widget->metaObject()->className())
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

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

    void everyControlLiesInsideTheWindow_data() { addLayouts(); }
    void everyControlLiesInsideTheWindow() {
        QFETCH(Layout, layout);
        QFETCH(QSize, size);
        showLayout(layout);
        QCOMPARE(w().size(), size);
        const auto controls = VisibleControls(w());
        QVERIFY(controls.size() > 10);
        for (const auto& [widget, rect] : controls) {
            QVERIFY2(w().rect().contains(rect), qPrintable(Describe(widget, rect)));
            QVERIFY2(!rect.isEmpty(), qPrintable(Describe(widget, rect)));
        }
    }

    void noTwoControlsOverlap_data() { addLayouts(); }
    void noTwoControlsOverlap() {
        QFETCH(Layout, layout);
        showLayout(layout);
        const auto controls = VisibleControls(w());
        for (qsizetype a = 0; a < controls.size(); ++a) {
            for (qsizetype b = a + 1; b < controls.size(); ++b) {
                const QString pair = Describe(controls[a].first, controls[a].second) + " and " +
                                     Describe(controls[b].first, controls[b].second);
                QVERIFY2(!controls[a].second.intersects(controls[b].second), qPrintable(pair));
            }
        }
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
            {"1/3", "0.3333333333333"}};
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
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
