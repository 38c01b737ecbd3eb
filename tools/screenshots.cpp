// Renders the main windows of both programs to PNG files for the README.
// Usage: screenshots DATA_DIRECTORY OUTPUT_DIRECTORY   (run under xvfb-run)
#include "core/reaction_session.h"
#include "molva/ui/molva_main.h"
#include "platform/testing/test_services.h"
#include "ui/galvix_context.h"
#include "ui/galvix_windows.h"
#include "ui/main_screen.h"
#include "ui/reaction_data_window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>

namespace {

void Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    window.grab().save(path);
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

    molva::ui::MolvaMain molva(services.services(), '.', QString::fromStdString(dataDirectory));
    molva.show();
    for (const char* line : {"2H2O+NaCl", "x^2-5x+6", "sin(pi/6)"}) {
        molva.input()->setText(line);
        molva.convertChem2Text();
    }
    molva.input()->setText("Fe2(SO4)3");
    molva.expandOrShrink();
    Save(molva, output + "/molva.png");
    return 0;
}
