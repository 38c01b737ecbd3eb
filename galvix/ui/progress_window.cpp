// The progress window of long list work (sorting, printing and copying whole
// lists), with its Cancel.
#include "progress_window.h"

#include "appearance.h"
#include "controls.h"
#include "galvix_context.h"
#include "galvix_windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>

namespace galvix::ui {

ProgressWindow::ProgressWindow(GalvixWindows& windows) {
    setObjectName("Form11");
    setWindowTitle(kMessageTitle);
    auto* layout = new QGridLayout(this);
    layout->addWidget(NamedLabel(this, "Label1", "Please wait..."), 0, 0, 1, 3);
    layout->addWidget(NamedLabel(this, "Label3", "Percent done:"), 1, 0);
    percent_ = NamedLabel(this, "Label2", "0");
    layout->addWidget(percent_, 1, 1);
    layout->addWidget(NamedLabel(this, "Label4", "%"), 1, 2);
    cancel_ = NamedButton(this, "Command1", "Cancel");
    layout->addWidget(cancel_, 2, 0, 1, 3);
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::cancel);
    windows.context().applyAppearance(this);
}

void ProgressWindow::begin() {
    cancelRequested_ = false;
    showPercent(0);
    show();
    repaint();
}

bool ProgressWindow::advance(int percent) {
    showPercent(percent);
    QCoreApplication::processEvents();
    if (!cancelRequested_)
        return true;
    cancelRequested_ = false;
    return false;
}

void ProgressWindow::showPercent(int percent) {
    percent_->setText(QString::number(percent));
    percent_->repaint();
}

void ProgressWindow::cancel() {
    cancelRequested_ = true;
    hide();
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    cancel();
    event->accept();
}

} // namespace galvix::ui
