// The about window.
#pragma once

#include <QDialog>

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class AboutDialog : public QDialog {
  public:
    explicit AboutDialog(GalvixWindows& windows);

    void showSystemInformation();

  private:
    GalvixContext& context_;
};

} // namespace galvix::ui
