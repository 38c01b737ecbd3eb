// Form14: the about window.
#include "form14.h"

#include "appearance.h"
#include "controls.h"
#include "galvix_context.h"

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

Form14::Form14(GalvixContext& context) : context_(context) {
    setObjectName("Form14");
    setWindowTitle("About Galvix");
    auto* layout = new QGridLayout(this);
    auto* icon = ProgramPicture(this, "picIcon", 28);
    auto* title = new QLabel("Galvix", this);
    title->setObjectName("lblTitle");
    auto* version = new QLabel("Version 3.0", this);
    version->setObjectName("lblVersion");
    auto* contact = new TopicLabel("Contact information", this,
                                   [this] { context_.services.help.showTopic(this, 5); });
    contact->setObjectName("Label2");
    auto* notice = new TopicLabel(
        "This program is free software for students and teachers of chemistry, provided "
        "without any warranty. The built-in potentials come from public reference tables; "
        "see the help for their sources and licences.",
        this, [this] { context_.services.help.showTopic(this, 4); });
    notice->setObjectName("Label4");
    notice->setWordWrap(true);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* sysInfo = new QPushButton("&System Info...", this);
    sysInfo->setObjectName("cmdSysInfo");
    sysInfo->setAutoDefault(false);
    SetTag(sysInfo, "Microsoft System Information");
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(contact, 2, 1);
    layout->addWidget(notice, 3, 0, 1, 3);
    layout->addWidget(ok, 0, 2);
    layout->addWidget(sysInfo, 1, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &Form14::showSystemInformation);
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
}

// This platform has no registered System Information program.
void Form14::showSystemInformation() {
    context_.services.messages.show(
        this,
        {kApplicationName, "System Information Is Unavailable At This Time",
         platform::MessageIcon::None, platform::MessageButtons::Ok, platform::MessageButton::Ok});
}

} // namespace galvix::ui
