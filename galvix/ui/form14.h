// Form14: the about window.
#pragma once

#include <QDialog>

namespace galvix::ui {

class GalvixContext;

class Form14 : public QDialog {
  public:
    explicit Form14(GalvixContext& context);

    void showSystemInformation();

  private:
    GalvixContext& context_;
};

} // namespace galvix::ui
