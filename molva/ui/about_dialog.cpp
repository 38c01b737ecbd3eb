// The About window: Molva's title, version and a short description.
#include "about_dialog.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace molva::ui {

namespace {

constexpr const char* kTitle = "Molva";

QPointer<AboutDialog>& OpenAbout() {
    static QPointer<AboutDialog> about;
    return about;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString("About ") + kTitle);
    auto* layout = new QVBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setPixmap(QIcon(":/icons/molva.svg").pixmap(48, 48));
    layout->addWidget(icon);
    const std::pair<const char*, QString> labels[] = {
        {"lblTitle", kTitle},
        {"lblVersion", QString("Version %1").arg(MOLVA_VERSION)},
        {"lblDescription",
         "A scientific calculator that knows the elements: type a formula such as 2H2O+NaCl "
         "and get its molecular weight, mixed freely with numbers, functions and constants."},
        {"lblDisclaimer", "Atomic weights are standard values; check critical results against "
                          "current tables."}};
    for (const auto& [name, text] : labels) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    resize(320, 220);
}

void AboutDialog::mouseReleaseEvent(QMouseEvent*) {
    close();
}

void ShowAbout(QWidget* parent) {
    QPointer<AboutDialog>& about = OpenAbout();
    if (!about)
        about = new AboutDialog(parent);
    about->show();
    about->raise();
    about->activateWindow();
}

} // namespace molva::ui
