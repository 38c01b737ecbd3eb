// The progress window of long list work (sorting, printing and copying whole
// lists), with its Cancel.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace galvix::ui {

class GalvixWindows;

class ProgressWindow : public QDialog {
  public:
    explicit ProgressWindow(GalvixWindows& windows);

    // Forgets an earlier Cancel, shows 0 percent and shows the window.
    void begin();
    // Shows the percentage and lets pending events run, so that Cancel can be
    // pressed; false once it was, and the request is then used up.
    bool advance(int percent);
    bool cancelRequested() const { return cancelRequested_; }

    QLabel* percentLabel() const { return percent_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void showPercent(int percent);
    void cancel();

    QLabel* percent_;
    QPushButton* cancel_;
    bool cancelRequested_ = false;
};

} // namespace galvix::ui
