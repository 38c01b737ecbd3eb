// The about window.
#include "about_dialog.h"

#include "appearance.h"
#include "controls.h"
#include "galvix_context.h"
#include "galvix_windows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace galvix::ui {

namespace {

// A label that opens a help topic when clicked.
class TopicLabel : public QLabel {
  public:
    TopicLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent*) override { onClick_(); }

  private:
    std::function<void()> onClick_;
};

} // namespace

AboutDialog::AboutDialog(GalvixWindows& windows) : context_(windows.context()) {
    setObjectName("Form14");
    setWindowTitle("About Galvix");
    auto* layout = new QGridLayout(this);
    auto* icon = ProgramPicture(this, "picIcon", 28);
    auto* title = NamedLabel(this, "lblTitle", "Galvix");
    auto* version = NamedLabel(this, "lblVersion", "Version 3.0");
    auto* contact = new TopicLabel("Contact information", this,
                                   [this] { context_.showHelp(this, HelpTopic::Contact); });
    contact->setObjectName("Label2");
    auto* notice = new TopicLabel(
        "This program is free software for students and teachers of chemistry, provided "
        "without any warranty. The built-in potentials come from public reference tables; "
        "see the help for their sources and licences.",
        this, [this] { context_.showHelp(this, HelpTopic::LicenceAndSources); });
    notice->setObjectName("Label4");
    notice->setWordWrap(true);
    auto* ok = NamedButton(this, "cmdOK", "OK");
    ok->setDefault(true);
    auto* sysInfo = NamedButton(this, "cmdSysInfo", "&System Info...");
    SetTag(sysInfo, "Microsoft System Information");
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(contact, 2, 1);
    layout->addWidget(notice, 3, 0, 1, 3);
    layout->addWidget(ok, 0, 2);
    layout->addWidget(sysInfo, 1, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::showSystemInformation);
    context_.applyAppearance(this);
}

// This platform has no registered System Information program.
void AboutDialog::showSystemInformation() {
    context_.services.messages.show(
        this,
        {kApplicationName, "System Information Is Unavailable At This Time",
         platform::MessageIcon::None, platform::MessageButtons::Ok, platform::MessageButton::Ok});
}

} // namespace galvix::ui
