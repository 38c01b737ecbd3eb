// Asks for the name under which the selected pair of half reactions is saved.
#pragma once

#include <QDialog>

class QLineEdit;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class SaveReactionDialog : public QDialog {
  public:
    explicit SaveReactionDialog(GalvixWindows& windows);

    void save();
    QLineEdit* nameBox() const { return name_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void resetName();

    GalvixWindows& windows_;
    GalvixContext& context_;
    QLineEdit* name_;
};

} // namespace galvix::ui
