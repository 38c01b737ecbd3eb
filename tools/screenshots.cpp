// Renders the main windows of both programs to PNG files for the README.
// Usage: screenshots DATA_DIRECTORY OUTPUT_DIRECTORY   (run under xvfb-run)
#include "molva/ui/molva_main.h"
#include "platform/testing/test_services.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/galvix_context.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>

namespace {

bool Select(QListWidget* list, const std::string& bytes) {
    for (int row = 0; row < list->count(); ++row) {
        if (galvix::ui::Form1::ItemBytes(list->item(row)) == bytes) {
            list->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

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

    galvix::ui::GalvixContext galvix(services.services(), dataDirectory);
    galvix::ui::Form1& main = galvix.form1();
    main.load();
    main.resize(760, 520);
    main.show();
    Select(main.list1(), "Zn -> Zn\x8d\xa2 + 2e");
    Select(main.list2(), "Cu\x8d\xa2 + 2e -> Cu");
    Save(main, output + "/galvix3-main.png");
    main.calculate();
    Save(galvix.form2(), output + "/galvix3-reaction.png");

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
