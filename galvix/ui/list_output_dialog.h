// Asks which whole list to copy or print, then builds it behind the progress
// window.
#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QRadioButton;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

enum class OutputMode { Copy, Print };

class ListOutputDialog : public QDialog {
  public:
    explicit ListOutputDialog(GalvixWindows& windows);

    // Sets caption and prompt for copying or printing.
    void prepare(OutputMode mode);
    void run();
    QRadioButton* reductionChoice() const { return reduction_; }

  private:
    std::optional<QString> buildLines(bool reductionList);
    void finish();

    GalvixWindows& windows_;
    GalvixContext& context_;
    QLabel* prompt_;
    QRadioButton* oxidation_;
    QRadioButton* reduction_;
    OutputMode mode_ = OutputMode::Copy;
    bool running_ = false; // the list is being built; a second OK waits for it
};

} // namespace galvix::ui
