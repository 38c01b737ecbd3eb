// Form13: asks which whole list to copy or print, then builds it with progress.
#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QRadioButton;

namespace galvix::ui {

class GalvixContext;

class Form13 : public QDialog {
  public:
    explicit Form13(GalvixContext& context);

    // Sets caption and prompt for outputMode 1 (copy) or 2 (print).
    void prepare(int outputMode);
    void run();
    QRadioButton* option5() const { return option5_; }

  private:
    std::optional<QString> buildLines(bool reductionList);
    void finish();

    GalvixContext& context_;
    QLabel* label1_;
    QRadioButton* option1_;
    QRadioButton* option5_;
    bool running_ = false; // the list is being built; a second OK waits for it
};

} // namespace galvix::ui
