// Reopens a saved pair of half reactions by its name and calculates it again.
#pragma once

#include <QDialog>

class QComboBox;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class OpenReactionDialog : public QDialog {
  public:
    explicit OpenReactionDialog(GalvixWindows& windows);

    void openReaction();
    QComboBox* nameBox() const { return names_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void notFound();

    GalvixWindows& windows_;
    GalvixContext& context_;
    QComboBox* names_;
};

} // namespace galvix::ui
