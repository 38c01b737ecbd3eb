// frmSplash: the splash window that starts Molva, and shows again from the Help menu.
#include "frm_splash.h"

#include <QLabel>
#include <QVBoxLayout>

namespace molva::ui {

namespace {

constexpr int kTickMilliseconds = 250;
constexpr int kTicksShown = 4;

} // namespace

FrmSplash::FrmSplash(bool timed, std::function<void()> onClose) : onClose_(std::move(onClose)) {
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
    timer1_.setInterval(kTickMilliseconds);
    connect(&timer1_, &QTimer::timeout, this, &FrmSplash::tick);
    if (timed)
        timer1_.start();
}

void FrmSplash::tick() {
    if (++ticks_ >= kTicksShown) {
        timer1_.stop();
        closeSplash();
    }
}

void FrmSplash::closeSplash() {
    if (onClose_)
        onClose_();
    close();
}

void FrmSplash::keyPressEvent(QKeyEvent*) {
    closeSplash();
}
void FrmSplash::mouseReleaseEvent(QMouseEvent*) {
    closeSplash();
}

void ShowSplashFromMenu() {
    auto* splash = new FrmSplash(false, {});
    splash->show();
}

} // namespace molva::ui
