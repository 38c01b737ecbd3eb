// The tip of the day.
#include "tip_dialog.h"

#include "appearance.h"
#include "controls.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "tips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <chrono>

namespace galvix::ui {

TipDialog::TipDialog(GalvixWindows& windows) : context_(windows.context()) {
    setObjectName("Form9");
    setWindowTitle("Galvix -- Tip of the Day");
    auto* layout = new QGridLayout(this);
    auto* picture = ProgramPicture(this, "Picture1", 28);
    auto* heading = NamedLabel(this, "Label1", "Did you know...");
    tip_ = NamedLabel(this, "lblTip");
    tip_->setWordWrap(true);
    tip_->setMinimumSize(320, 80);
    auto* showAtStartup = Named<QCheckBox>(this, "chkLoadTipsAtStartup", "Show Tips at Startup");
    showAtStartup->setChecked(ReadAppearance(context_.services.settings).tips == 1);
    auto* next = NamedButton(this, "cmdNextTip", "Next Tip");
    auto* ok = NamedButton(this, "cmdOK", "OK");
    ok->setDefault(true);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(heading, 0, 1);
    layout->addWidget(tip_, 1, 1);
    layout->addWidget(showAtStartup, 2, 0, 1, 2);
    layout->addWidget(next, 0, 2);
    layout->addWidget(ok, 1, 2, Qt::AlignTop);
    connect(next, &QPushButton::clicked, this, &TipDialog::nextTip);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(showAtStartup, &QCheckBox::clicked, this, [this](bool checked) {
        context_.services.settings.write("Options", "tips", checked ? " 1" : " 0");
    });
    context_.applyAppearance(this);
    nextTip();
}

void TipDialog::nextTip() {
    random_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    const double r = std::uniform_real_distribution<double>(0, 1)(random_);
    tip_->setText(TipText(static_cast<int>(r * kTipCount) + 1));
}

void TipDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace galvix::ui
