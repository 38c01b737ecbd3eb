// Renders the main windows of both programs to PNG files for the README;
// Molva's three layouts and its Composition window are taken from the display
// itself, as a user sees them.
// Usage: screenshots DATA_DIRECTORY OUTPUT_DIRECTORY   (run under xvfb-run)
#include "core/reaction_session.h"
#include "molva/ui/calculator_window.h"
#include "molva/ui/chemistry_commands.h"
#include "molva/ui/composition_window.h"
#include "molva/ui/input_line.h"
#include "platform/testing/test_services.h"
#include "ui/conditions_window.h"
#include "ui/galvix_context.h"
#include "ui/galvix_windows.h"
#include "ui/half_cell_box.h"
#include "ui/main_screen.h"
#include "ui/reaction_data_window.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QWindow>

namespace {

void Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    window.grab().save(path);
}

// What the display shows of a window once it has been laid out and painted.
void SaveFromDisplay(QWidget& window, const QString& path) {
    const QDeadlineTimer deadline(5000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    window.repaint();
    QApplication::processEvents();
    window.screen()->grabWindow(window.winId()).save(path);
}

void SaveMolvaLayouts(platform::Services services, const QString& dataDirectory,
                      const QString& output) {
    molva::ui::CalculatorWindow molva(services, '.', dataDirectory);
    molva.show();
    for (const char* line : {"x^2-5x+6", "sin(pi/6)", "2H2O+NaCl"}) {
        molva.input()->setText(line);
        molva.calculate();
    }
    molva.input()->setText("Fe2(SO4)3");
    SaveFromDisplay(molva, output + "/molva.png");
    molva.expandOrShrink();
    SaveFromDisplay(molva, output + "/molva-wide.png");
    molva.expandOrShrink();
    molva.toggleDisplayOnly();
    SaveFromDisplay(molva, output + "/molva-display-only.png");
    molva.toggleDisplayOnly();
    molva.input()->setText("CuSO4\xC2\xB7"
                           "5H2O");
    molva.chemistry().showComposition();
    molva::ui::CompositionWindow& composition = *molva.chemistry().compositionWindow();
    composition.percentagesBox()->setText("C=40.0 H=6.7 O=53.3");
    composition.findEmpiricalFormula();
    SaveFromDisplay(composition, output + "/molva-composition.png");
}

// The Conditions window of the pair selected on the main screen, with the
// amount boxes given (half-cell, row, text) filled in.
struct AmountEntry {
    galvix::HalfCell halfCell;
    int row;
    const char* text;
};

void SaveConditions(galvix::ui::GalvixWindows& galvix, const char* oxidation, const char* reduction,
                    std::initializer_list<AmountEntry> amounts, const char* pH,
                    const QString& path) {
    auto& main = galvix.get<galvix::ui::MainScreen>();
    main.selectItem(galvix::ListSide::Oxidation, oxidation);
    main.selectItem(galvix::ListSide::Reduction, reduction);
    main.calculate();
    auto& conditions = galvix.get<galvix::ui::ConditionsWindow>();
    conditions.showLastResult();
    for (const AmountEntry& amount : amounts)
        conditions.halfCell(amount.halfCell)->amountBox(amount.row)->setText(amount.text);
    conditions.halfCell(galvix::HalfCell::Oxidation)->pHBox()->setText(pH);
    conditions.show();
    SaveFromDisplay(conditions, path);
    conditions.hide();
    galvix.get<galvix::ui::ReactionDataWindow>().hide();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const std::string dataDirectory = std::string(argv[1]) + "/";
    const QString output = argv[2];
    QFontDatabase::addApplicationFont(QString::fromStdString(dataDirectory) + "Chem.ttf");
    platform::testing::TestServices services;

    galvix::ui::GalvixContext context(services.services());
    galvix::ReactionSession session(dataDirectory);
    galvix::ui::GalvixWindows galvix(context, session);
    auto& main = galvix.get<galvix::ui::MainScreen>();
    main.load();
    main.resize(760, 520);
    main.show();
    main.selectItem(galvix::ListSide::Oxidation, "Zn -> Zn\x8d\xa2 + 2e");
    main.selectItem(galvix::ListSide::Reduction, "Cu\x8d\xa2 + 2e -> Cu");
    Save(main, output + "/galvix3-main.png");
    main.calculate();
    Save(galvix.get<galvix::ui::ReactionDataWindow>(), output + "/galvix3-reaction.png");
    using galvix::HalfCell;
    SaveConditions(galvix, "Zn -> Zn\x8d\xa2 + 2e", "Cu\x8d\xa2 + 2e -> Cu",
                   {{HalfCell::Oxidation, 1, "0.10"}, {HalfCell::Reduction, 0, "0.0010"}}, "",
                   output + "/galvix3-conditions.png");
    SaveConditions(galvix, "Mn\x8d\xa2 + 4 H\xb7O -> MnO\xb9\xa3 + 8 H\xa2 + 5e",
                   "Fe\x8e\xa2 + e -> Fe\x8d\xa2", {{HalfCell::Oxidation, 0, "0.01"}}, "3",
                   output + "/galvix3-conditions-no.png");
    main.findChild<QAction*>("potentials")->trigger();
    main.show();
    SaveFromDisplay(main, output + "/galvix3-potentials.png");

    SaveMolvaLayouts(services.services(), QString::fromStdString(dataDirectory), output);
    return 0;
}
