// Edits the helper applications of the main screen's Applications menu.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class ApplicationsDialog : public QDialog {
  public:
    explicit ApplicationsDialog(GalvixWindows& windows);

    void browse();
    void apply();
    void deleteEntry();
    QLineEdit* indexBox() const { return index_; }
    QLineEdit* captionBox() const { return caption_; }
    QLineEdit* pathBox() const { return path_; }
    QLabel* icon() const { return icon_; }

    // A path counts as a program when it names an executable file or ends in "exe".
    static bool IsProgram(const QString& path);

  private:
    int entry() const; // the entry number in the index box, or 0 outside 1..50
    void showEntry();
    void showIcon(const QString& path);

    GalvixWindows& windows_;
    GalvixContext& context_;
    QLineEdit* index_;
    QLineEdit* caption_;
    QLineEdit* path_;
    QScrollBar* scroll_;
    QLabel* icon_;
    std::array<QString, 51> captions_;
    std::array<QString, 51> paths_;
};

} // namespace galvix::ui
