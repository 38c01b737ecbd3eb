// Every Galvix3 window lays out its controls inside itself and none over
// another, in the states a user sees.
#include "galvix_fixture.h"
#include "ui/about_dialog.h"
#include "ui/applications_dialog.h"
#include "ui/conditions_window.h"
#include "ui/custom_reactions_dialog.h"
#include "ui/element_list_window.h"
#include "ui/half_reaction_data_dialog.h"
#include "ui/jump_dialog.h"
#include "ui/list_output_dialog.h"
#include "ui/open_reaction_dialog.h"
#include "ui/options_dialog.h"
#include "ui/progress_window.h"
#include "ui/reaction_data_window.h"
#include "ui/save_reaction_dialog.h"
#include "ui/search_dialog.h"
#include "ui/tip_dialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <functional>

using namespace galvix;
using namespace galvix::ui;
using namespace galvix::ui::testing;

namespace {

bool IsControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QScrollBar*>(widget);
}

// The controls a user sees, leaving out the parts of a control (the viewport
// of a list, the line edit of a combo box).
QList<QWidget*> VisibleControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!IsControl(widget) || !widget->isVisibleTo(window) || widget->window() != window)
            continue;
        bool part = false;
        for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
            part = part || IsControl(up);
        if (!part)
            controls << widget;
    }
    return controls;
}

QRect InWindow(QWidget* control, QWidget* window) {
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

QString Name(const QWidget* control) {
    return control->objectName() + " (" + control->metaObject()->className() + ")";
}

} // namespace

class WindowLayoutTest;
// Opens one window in one state and answers it.
using Opener = std::function<QWidget*(WindowLayoutTest&)>;
Q_DECLARE_METATYPE(Opener)

class WindowLayoutTest : public QObject, public GalvixFixture {
    Q_OBJECT

    QWidget* reactionData(const char* reduction) {
        calculatePair("Zn -> Zn\x8d\xa2 + 2e", reduction);
        return &window<ReactionDataWindow>();
    }

    QWidget* conditions(const char* oxidation, const char* reduction) {
        calculatePair(oxidation, reduction);
        auto& conditions = window<ConditionsWindow>();
        conditions.showLastResult();
        conditions.show();
        return &conditions;
    }

    template <class Window> QWidget* shown() {
        Window& dialog = window<Window>();
        dialog.show();
        return &dialog;
    }

  private Q_SLOTS:
    void initTestCase() { QVERIFY(QFontDatabase::addApplicationFont(GALVIX_CHEM_FONT) >= 0); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void controlsStayInsideAndApart_data() {
        QTest::addColumn<Opener>("open");
        QTest::newRow("main screen")
            << Opener([](WindowLayoutTest& t) -> QWidget* { return &t.mainScreen(); });
        QTest::newRow("reaction that occurs")
            << Opener([](WindowLayoutTest& t) { return t.reactionData("Cu\x8d\xa2 + 2e -> Cu"); });
        QTest::newRow("reaction in two media") << Opener([](WindowLayoutTest& t) {
            t.calculatePair("Zn + 2 OH\xa3 -> Zn(OH)\xb7 + 2e",
                            "MnO\xb9\xa3 + 8 H\xa2 + 5e -> Mn\x8d\xa2 + 4 H\xb7O");
            return &t.window<ReactionDataWindow>();
        });
        QTest::newRow("reaction that does not occur")
            << Opener([](WindowLayoutTest& t) { return t.reactionData("Li\xa2 + e -> Li"); });
        QTest::newRow("conditions of a reaction that occurs") << Opener([](WindowLayoutTest& t) {
            return t.conditions("Zn -> Zn\x8d\xa2 + 2e", "Cu\x8d\xa2 + 2e -> Cu");
        });
        QTest::newRow("conditions of a reaction that does not occur")
            << Opener([](WindowLayoutTest& t) {
                   return t.conditions("Mn\x8d\xa2 + 4 H\xb7O -> MnO\xb9\xa3 + 8 H\xa2 + 5e",
                                       "Fe\x8e\xa2 + e -> Fe\x8d\xa2");
               });
        QTest::newRow("custom reactions") << Opener([](WindowLayoutTest& t) {
            t.writeFile("Custom.dat", "1\r\n\"Ag -> Ag\xa2 + e\",-0.8\r\n");
            t.mainScreen();
            return t.shown<CustomReactionsDialog>();
        });
        QTest::newRow("list of elements") << Opener([](WindowLayoutTest& t) {
            t.window<ElementListWindow>().load(nullptr);
            return t.shown<ElementListWindow>();
        });
        QTest::newRow("half reaction data") << Opener([](WindowLayoutTest& t) {
            t.window<HalfReactionDataDialog>().showData({"Ag -> Ag\xa2 + e", "Oxidation",
                                                         "-0.7996 V", "-13.529232",
                                                         "CRC Handbook, electrochemical series"});
            return t.shown<HalfReactionDataDialog>();
        });
        QTest::newRow("options") << Opener(
            [](WindowLayoutTest& t) { return t.shown<OptionsDialog>(); });
        QTest::newRow("search") << Opener(
            [](WindowLayoutTest& t) { return t.shown<SearchDialog>(); });
        QTest::newRow("jump") << Opener([](WindowLayoutTest& t) { return t.shown<JumpDialog>(); });
        QTest::newRow("list output") << Opener([](WindowLayoutTest& t) {
            t.window<ListOutputDialog>().prepare(OutputMode::Print);
            return t.shown<ListOutputDialog>();
        });
        QTest::newRow("progress") << Opener(
            [](WindowLayoutTest& t) { return t.shown<ProgressWindow>(); });
        QTest::newRow("save") << Opener(
            [](WindowLayoutTest& t) { return t.shown<SaveReactionDialog>(); });
        QTest::newRow("open") << Opener(
            [](WindowLayoutTest& t) { return t.shown<OpenReactionDialog>(); });
        QTest::newRow("applications")
            << Opener([](WindowLayoutTest& t) { return t.shown<ApplicationsDialog>(); });
        QTest::newRow("tip of the day")
            << Opener([](WindowLayoutTest& t) { return t.shown<TipDialog>(); });
        QTest::newRow("about") << Opener(
            [](WindowLayoutTest& t) { return t.shown<AboutDialog>(); });
    }

    void controlsStayInsideAndApart() {
        QFETCH(Opener, open);
        QWidget* window = open(*this);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QList<QWidget*> controls = VisibleControls(window);
        QVERIFY(!controls.isEmpty());
        for (QWidget* control : controls)
            QVERIFY2(window->rect().contains(InWindow(control, window)), qPrintable(Name(control)));
        for (qsizetype a = 0; a < controls.size(); ++a) {
            for (qsizetype b = a + 1; b < controls.size(); ++b) {
                const bool apart =
                    !InWindow(controls[a], window).intersects(InWindow(controls[b], window));
                QVERIFY2(apart, qPrintable(Name(controls[a]) + " covers " + Name(controls[b])));
            }
        }
        window->hide();
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
