// Form4: the splash window that starts Galvix3: font check, data directory,
// main screen, then the tip of the day.
#include "form4.h"

#include "appearance.h"
#include "controls.h"
#include "form1.h"
#include "form9.h"
#include "galvix_context.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

constexpr int kSplashMilliseconds = 4000;

} // namespace

Form4::Form4(GalvixContext& context) : context_(context) {
    setObjectName("Form4");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameShape(QFrame::Box);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    auto* logo = ProgramPicture(frame, "imgLogo", 48);
    auto* title = new QLabel("Galvix", frame);
    title->setObjectName("lblProductName");
    QFont titleFont = title->font();
    titleFont.setPointSize(28);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = new QLabel("Version 3.0", frame);
    version->setObjectName("lblVersion");
    labelfont_ = new QLabel("Check for Chem.ttf", frame);
    labelfont_->setObjectName("Labelfont");
    UseChemFont(labelfont_);
    status_ = new QLabel(frame);
    status_->setObjectName("lblStatus");
    for (QLabel* label : {logo, title, version, labelfont_, status_}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    resize(420, 300);
    timer1_.setObjectName("Timer1");
    timer1_.setInterval(kSplashMilliseconds);
    timer1_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, &Form4::timerFired);
}

bool Form4::chemFontPresent() const {
    return QFontInfo(labelfont_->font()).family() == kChemFamily;
}

bool Form4::start() {
    timer1_.start();
    show();
    context_.services.desktop.beep();
    for (const QString& file : context_.chemFontFiles) {
        if (chemFontPresent())
            break;
        QFontDatabase::addApplicationFont(file);
        UseChemFont(labelfont_);
    }
    if (!chemFontPresent()) {
        timer1_.stop();
        context_.services.messages.show(
            this, {"Font missing",
                   "The font 'Chem' (chem.ttf) has not been properly installed. It is essential "
                   "for running Galvix. Please properly install the font into your Fonts folder.",
                   platform::MessageIcon::Critical, platform::MessageButtons::Ok,
                   platform::MessageButton::Ok});
        return false;
    }
    status_->setText("Loading, please wait...");
    context_.services.desktop.setBusy(true);
    repaint();
    Form1& main = context_.form1();
    main.load();
    main.show();
    status_->clear();
    context_.services.desktop.setBusy(false);
    return true;
}

void Form4::timerFired() {
    hide();
    timer1_.stop();
    if (ReadAppearance(context_.services.settings).tips == 1)
        context_.form9().exec();
}

void Form4::keyPressEvent(QKeyEvent*) {}

} // namespace galvix::ui
