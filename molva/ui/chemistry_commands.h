// The calculator window's commands for chemists: the Composition window for
// the formula of the input line, the table of atomic weights (kept in the
// settings), and the hydrate dot.
#pragma once

#include "calculator_menus.h"
#include "engine/session.h"
#include "platform/services.h"

#include <QString>

class QWidget;

namespace molva::ui {

class CompositionWindow;
class InputLine;
class ResultDisplay;

class ChemistryCommands {
  public:
    struct Parts {
        platform::Services services;
        CalcSession& session;
        InputLine& input;
        ResultDisplay& display;
        const CalculatorActions& actions;
        QWidget& window;
    };

    // Takes the table of atomic weights from the settings and connects the commands.
    explicit ChemistryCommands(Parts parts);

    // The Composition window for the input line, or for the last calculated line.
    void showComposition();
    // Calculates with a table of atomic weights from now on, and keeps it in the settings.
    void chooseWeights(AtomicWeights weights);
    CompositionWindow* compositionWindow() const { return composition_; }

  private:
    void useWeights(AtomicWeights weights);

    Parts parts_;
    CompositionWindow* composition_ = nullptr;
};

} // namespace molva::ui
