// Form9: the tip of the day.
#pragma once

#include <QDialog>
#include <random>

class QCheckBox;
class QLabel;

namespace galvix::ui {

class GalvixContext;

class Form9 : public QDialog {
  public:
    explicit Form9(GalvixContext& context);

    void nextTip();
    QLabel* tipLabel() const { return lblTip_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    GalvixContext& context_;
    QLabel* lblTip_;
    QCheckBox* chkLoadTipsAtStartup_;
    std::mt19937 random_;
};

} // namespace galvix::ui
