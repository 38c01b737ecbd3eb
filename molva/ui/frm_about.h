// frmAbout: Molva's about window with the version.
#pragma once

#include <QDialog>

namespace molva::ui {

class FrmAbout : public QDialog {
  public:
    explicit FrmAbout(QWidget* parent);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Shows the about window without blocking; a second request brings the same
// window forward.
void ShowAbout(QWidget* parent);

} // namespace molva::ui
