// Form12: the search window, finding text in one of the main screen's lists.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace galvix::ui {

class GalvixContext;

class Form12 : public QDialog {
  public:
    explicit Form12(GalvixContext& context);

    void find();
    QLineEdit* text1() const { return text1_; }
    QRadioButton* option2() const { return option2_; }
    QCheckBox* wholeWord() const { return check1_; }
    QCheckBox* matchCase() const { return check2_; }

  private:
    void cancel();

    GalvixContext& context_;
    QLineEdit* text1_;
    QRadioButton* option1_;
    QRadioButton* option2_;
    QCheckBox* check1_;
    QCheckBox* check2_;
};

} // namespace galvix::ui
