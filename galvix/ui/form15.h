// Form15: edits the helper applications of the main screen's Applications menu.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace galvix::ui {

class GalvixContext;

class Form15 : public QDialog {
  public:
    explicit Form15(GalvixContext& context);

    void browse();
    void apply();
    void deleteEntry();
    QLineEdit* text1() const { return text1_; }
    QLineEdit* text2() const { return text2_; }
    QLineEdit* text3() const { return text3_; }
    QLabel* picture1() const { return picture1_; }

    // A path counts as a program when it names an executable file or ends in "exe".
    static bool IsProgram(const QString& path);

  private:
    int entry() const; // the entry number in Text1, or 0 outside 1..50
    void showEntry();
    void showIcon(const QString& path);

    GalvixContext& context_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QLineEdit* text3_;
    QScrollBar* hScroll1_;
    QLabel* picture1_;
    std::array<QString, 51> captions_;
    std::array<QString, 51> paths_;
};

} // namespace galvix::ui
