// The tip of the day.
#pragma once

#include <QDialog>
#include <random>

class QCheckBox;
class QLabel;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class TipDialog : public QDialog {
  public:
    explicit TipDialog(GalvixWindows& windows);

    void nextTip();
    QLabel* tipLabel() const { return tip_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    GalvixContext& context_;
    QLabel* tip_;
    std::mt19937 random_;
};

} // namespace galvix::ui
