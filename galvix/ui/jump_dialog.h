// The jump window: moves one main-screen list to the first entry of an element.
#pragma once

#include "core/half_reaction_table.h"

#include <QDialog>

class QLineEdit;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class JumpDialog : public QDialog {
  public:
    explicit JumpDialog(GalvixWindows& windows);

    // Empties the symbol box and shows the window, modal, for one list.
    void showFor(ListSide side);
    // Names the list the next jump moves.
    void setList(ListSide side) { side_ = side; }
    void jump();
    QLineEdit* symbolBox() const { return symbol_; }

  private:
    GalvixWindows& windows_;
    GalvixContext& context_;
    QLineEdit* symbol_;
    ListSide side_ = ListSide::Oxidation;
};

} // namespace galvix::ui
