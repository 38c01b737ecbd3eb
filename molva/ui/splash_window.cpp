// The splash window that starts Molva, and shows again from the Help menu.
#include "splash_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace molva::ui {

namespace {

constexpr int kTickMilliseconds = 250;
constexpr int kTicksShown = 4;

} // namespace

SplashWindow::SplashWindow(bool timed, std::function<void()> onClose)
    : onClose_(std::move(onClose)) {
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    auto* layout = new QVBoxLayout(this);
    auto* logo = new QLabel(this);
    logo->setObjectName("imgLogo");
    logo->setPixmap(QIcon(":/icons/molva.svg").pixmap(64, 64));
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    const std::pair<const char*, QString> labels[] = {
        {"lblProductName", "Tavik. Molvera"},
        {"lblLicenseTo(0)", "Program for fast calculation molecular weight of compounds"},
        {"lblPlatform", "Windows 95/98/NT"},
        {"lblVersion", QString("Version %1").arg(MOLVA_VERSION)}};
    for (const auto& [name, text] : labels) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    resize(340, 220);
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::tick);
    if (timed)
        timer_.start();
}

void SplashWindow::tick() {
    if (++ticks_ >= kTicksShown) {
        timer_.stop();
        closeSplash();
    }
}

void SplashWindow::closeSplash() {
    if (onClose_)
        onClose_();
    close();
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
    closeSplash();
}
void SplashWindow::mouseReleaseEvent(QMouseEvent*) {
    closeSplash();
}

void ShowSplashFromMenu() {
    auto* splash = new SplashWindow(false, {});
    splash->show();
}

} // namespace molva::ui
