// Form10: the options window for font, background colour, tool tips and the
// tip of the day.
#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;

namespace galvix::ui {

class GalvixContext;

class Form10 : public QDialog {
  public:
    explicit Form10(GalvixContext& context);

    void changeFont();
    void changeColor();
    void setDefaults();
    void apply();

  private:
    void showFont(const QString& family);
    void showColor(int color);

    GalvixContext& context_;
    QLabel* label2_;
    QFrame* picture1_;
    QCheckBox* check1_;
    QCheckBox* check2_;
    QString fontName_;
    int color_ = 0;
};

} // namespace galvix::ui
