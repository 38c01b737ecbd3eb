// Form9: the tip of the day.
#include "form9.h"

#include "appearance.h"
#include "controls.h"
#include "galvix_context.h"
#include "tips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <chrono>

namespace galvix::ui {

Form9::Form9(GalvixContext& context) : context_(context) {
    setObjectName("Form9");
    setWindowTitle("Galvix -- Tip of the Day");
    auto* layout = new QGridLayout(this);
    auto* picture = ProgramPicture(this, "Picture1", 28);
    auto* label1 = new QLabel("Did you know...", this);
    label1->setObjectName("Label1");
    lblTip_ = new QLabel(this);
    lblTip_->setObjectName("lblTip");
    lblTip_->setWordWrap(true);
    lblTip_->setMinimumSize(320, 80);
    chkLoadTipsAtStartup_ = new QCheckBox("Show Tips at Startup", this);
    chkLoadTipsAtStartup_->setObjectName("chkLoadTipsAtStartup");
    chkLoadTipsAtStartup_->setChecked(ReadAppearance(context_.services.settings).tips == 1);
    auto* cmdNextTip = new QPushButton("Next Tip", this);
    cmdNextTip->setObjectName("cmdNextTip");
    cmdNextTip->setAutoDefault(false);
    auto* cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(label1, 0, 1);
    layout->addWidget(lblTip_, 1, 1);
    layout->addWidget(chkLoadTipsAtStartup_, 2, 0, 1, 2);
    layout->addWidget(cmdNextTip, 0, 2);
    layout->addWidget(cmdOK, 1, 2, Qt::AlignTop);
    connect(cmdNextTip, &QPushButton::clicked, this, &Form9::nextTip);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(chkLoadTipsAtStartup_, &QCheckBox::clicked, this, [this](bool checked) {
        context_.services.settings.write("Options", "tips", checked ? " 1" : " 0");
    });
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
    nextTip();
}

void Form9::nextTip() {
    random_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    const double r = std::uniform_real_distribution<double>(0, 1)(random_);
    lblTip_->setText(TipText(static_cast<int>(r * kTipCount) + 1));
}

void Form9::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace galvix::ui
