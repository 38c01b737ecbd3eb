// The splash window that starts Galvix3: the Chem font check, the data files,
// the main screen, then the tip of the day.
#include "splash_window.h"

#include "appearance.h"
#include "controls.h"
#include "core/reaction_session.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"
#include "tip_dialog.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

constexpr int kSplashMilliseconds = 4000;

} // namespace

SplashWindow::SplashWindow(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()) {
    setObjectName("Form4");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameShape(QFrame::Box);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    auto* logo = ProgramPicture(frame, "imgLogo", 48);
    auto* title = NamedLabel(frame, "lblProductName", "Galvix");
    QFont titleFont = title->font();
    titleFont.setPointSize(28);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = NamedLabel(frame, "lblVersion", "Version 3.0");
    fontCheck_ = NamedLabel(frame, "Labelfont", "Check for Chem.ttf");
    UseChemFont(fontCheck_);
    status_ = NamedLabel(frame, "lblStatus");
    for (QLabel* label : {logo, title, version, fontCheck_, status_}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    resize(420, 300);
    timer_.setObjectName("Timer1");
    timer_.setInterval(kSplashMilliseconds);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::timerFired);
}

bool SplashWindow::chemFontPresent() const {
    return QFontInfo(fontCheck_->font()).family() == kChemFamily;
}

// Ends the start-up with one message: the timer stops first, so that no tip
// of the day opens over the message, and the splash goes away.
void SplashWindow::stop(const QString& title, const QString& text) {
    timer_.stop();
    hide();
    context_.services.messages.show(nullptr,
                                    {title, text, platform::MessageIcon::Critical,
                                     platform::MessageButtons::Ok, platform::MessageButton::Ok});
}

bool SplashWindow::start(const QStringList& folderProblems) {
    timer_.start();
    show();
    context_.services.desktop.beep();
    for (const QString& file : context_.chemFontFiles) {
        if (chemFontPresent())
            break;
        QFontDatabase::addApplicationFont(file);
        UseChemFont(fontCheck_);
    }
    if (!chemFontPresent()) {
        stop("Font missing",
             "The font 'Chem' (chem.ttf) has not been properly installed. It is essential for "
             "running Galvix. Please properly install the font into your Fonts folder.");
        return false;
    }
    status_->setText("Loading, please wait...");
    context_.services.desktop.setBusy(true);
    repaint();
    if (const auto error = windows_.session().refresh()) {
        context_.services.desktop.setBusy(false);
        stop(kMessageTitle,
             QStringList(folderProblems + QStringList{QString::fromStdString(error->message())})
                 .join("\n"));
        return false;
    }
    MainScreen& main = windows_.get<MainScreen>();
    main.load();
    main.show();
    status_->clear();
    context_.services.desktop.setBusy(false);
    if (!folderProblems.isEmpty()) {
        // The warning is read first; the tip of the day follows it.
        timer_.stop();
        context_.message(&main, folderProblems.join("\n"), platform::MessageIcon::Exclamation);
        timer_.start();
    }
    return true;
}

void SplashWindow::timerFired() {
    hide();
    timer_.stop();
    if (ReadAppearance(context_.services.settings).tips == 1)
        windows_.get<TipDialog>().exec();
}

void SplashWindow::keyPressEvent(QKeyEvent*) {}

} // namespace galvix::ui
