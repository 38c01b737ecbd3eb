// The commands that write into the input line: the keypad, the function
// field, the memory keys and the power keys. They take what they write from
// the session; the window calculates when a command asks for it.
#pragma once

#include "engine/session.h"
#include "function_panel.h"
#include "keypad.h"

#include <QString>
#include <functional>

namespace molva::ui {

class InputLine;
class ResultDisplay;

class InputCommands {
  public:
    struct Parts {
        CalcSession& session;
        InputLine& input;
        ResultDisplay& display;
        Keypad& keypad;
        FunctionPanel& functions;
    };

    InputCommands(Parts parts, std::function<void()> calculate);

    void pressKey(KeypadKey key);
    void pressFunction(FunctionKey key);
    // Ctrl+digit writes a power of the selection, Ctrl+Shift+digit and Alt+digit a root.
    void writePower(int digit, bool root);

    void memoryStore();
    void memoryRecall();
    void memoryAdd();
    // Stores a numeric result while the memory is empty, recalls it otherwise.
    void clickMemoryIndicator();
    // The memory indicator as the memory stands.
    void showMemory();

  private:
    QString functionOperand();
    void enterData();
    void writeDataList();
    void writeFigure(DataFigure figure);

    Parts parts_;
    std::function<void()> calculate_;
};

} // namespace molva::ui
