// Form11: the progress window of long list work (sorting, printing and copying
// whole lists), with its Cancel.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace galvix::ui {

class GalvixContext;

class Form11 : public QDialog {
  public:
    explicit Form11(GalvixContext& context);

    void showProgress(int percent);
    QLabel* percentLabel() const { return label2_; }
    QPushButton* cancelButton() const { return command1_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void cancel();

    GalvixContext& context_;
    QLabel* label2_;
    QPushButton* command1_;
};

} // namespace galvix::ui
