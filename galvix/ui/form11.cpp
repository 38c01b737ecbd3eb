// Form11: the progress window of long list work, with its Cancel.
#include "form11.h"

#include "appearance.h"
#include "galvix_context.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace galvix::ui {

namespace {

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

Form11::Form11(GalvixContext& context) : context_(context) {
    setObjectName("Form11");
    setWindowTitle(kMessageTitle);
    auto* layout = new QGridLayout(this);
    layout->addWidget(NamedLabel(this, "Label1", "Please wait..."), 0, 0, 1, 3);
    layout->addWidget(NamedLabel(this, "Label3", "Percent done:"), 1, 0);
    label2_ = NamedLabel(this, "Label2", "0");
    layout->addWidget(label2_, 1, 1);
    layout->addWidget(NamedLabel(this, "Label4", "%"), 1, 2);
    command1_ = new QPushButton("Cancel", this);
    command1_->setObjectName("Command1");
    layout->addWidget(command1_, 2, 0, 1, 3);
    connect(command1_, &QPushButton::clicked, this, &Form11::cancel);
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
}

void Form11::showProgress(int percent) {
    label2_->setText(QString::number(percent));
    label2_->repaint();
}

void Form11::cancel() {
    context_.sortCancelFlag = 1;
    hide();
}

void Form11::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void Form11::closeEvent(QCloseEvent* event) {
    cancel();
    event->accept();
}

} // namespace galvix::ui
