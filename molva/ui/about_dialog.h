// The About window: Molva's title, version and a short description.
#pragma once

#include <QDialog>

namespace molva::ui {

class AboutDialog : public QDialog {
  public:
    explicit AboutDialog(QWidget* parent);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Shows the about window without blocking; a second request brings the same
// window forward.
void ShowAbout(QWidget* parent);

} // namespace molva::ui
