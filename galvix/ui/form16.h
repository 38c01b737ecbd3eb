// Form16: asks for the name under which the selected pair is saved.
#pragma once

#include <QDialog>

class QLineEdit;

namespace galvix::ui {

class GalvixContext;

class Form16 : public QDialog {
  public:
    explicit Form16(GalvixContext& context);

    void save();
    QLineEdit* text1() const { return text1_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void resetName();

    GalvixContext& context_;
    QLineEdit* text1_;
};

} // namespace galvix::ui
