// The options window: font, background colour, tool tips and the tip of the day.
#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class OptionsDialog : public QDialog {
  public:
    explicit OptionsDialog(GalvixWindows& windows);

    void changeFont();
    void changeColor();
    void setDefaults();
    void apply();
    QLabel* fontLabel() const { return fontName_; }

  private:
    // Shows and keeps the family the font is really drawn in, which differs
    // from `family` when the machine has no font of that name.
    void showFont(const QString& family);
    void showColor(int color);

    GalvixWindows& windows_;
    GalvixContext& context_;
    QLabel* fontName_;
    QFrame* colorSwatch_;
    QCheckBox* showTips_;
    QCheckBox* showToolTips_;
    QString family_;
    int color_ = 0;
};

} // namespace galvix::ui
