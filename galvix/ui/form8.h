// Form8: the jump window, moving a main-screen list to an element's entries.
#pragma once

#include <QDialog>

class QLineEdit;

namespace galvix::ui {

class GalvixContext;

class Form8 : public QDialog {
  public:
    explicit Form8(GalvixContext& context);

    void jump();
    QLineEdit* text1() const { return text1_; }

  private:
    GalvixContext& context_;
    QLineEdit* text1_;
};

} // namespace galvix::ui
