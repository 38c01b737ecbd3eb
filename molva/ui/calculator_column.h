// The calculator column of the window: the tool bar, the display, the input
// line with its history, and below them the keypad, the number-format panel
// or, while a task file runs, the wait panel.
#pragma once

#include "calculator_menus.h"

#include <QWidget>

class QStackedWidget;

namespace molva::ui {

class HistoryBox;
class InputLine;
class Keypad;
class NumberFormatPanel;
class ResultDisplay;

class CalculatorColumn : public QWidget {
  public:
    CalculatorColumn(QWidget* parent, const CalculatorActions& actions);

    ResultDisplay* display() const { return display_; }
    InputLine* input() const { return input_; }
    HistoryBox* history() const { return history_; }
    Keypad* keypad() const { return keypad_; }
    NumberFormatPanel* numberPanel() const { return numberPanel_; }

    // Only the display and the input line stay in the display-only strip.
    void showDisplayOnly(bool on);
    // The last tool bar image expands the window or, when it is wide, shrinks it.
    void showExpanded(bool expanded);
    // The number-format panel in place of the keypad, or the keypad again.
    void toggleNumberPanel();
    // The wait panel in place of the keypad while a task file runs; the
    // inputs and results of the display are hidden too when `hideTexts`.
    void showWaiting(bool waiting, bool hideTexts);

  private:
    QWidget* createInputRow(const CalculatorActions& actions);
    QWidget* createWaitPanel();

    QWidget* toolStrip_ = nullptr;
    std::array<QToolButton*, kToolImageCount> toolImages_{};
    ResultDisplay* display_ = nullptr;
    InputLine* input_ = nullptr;
    HistoryBox* history_ = nullptr;
    QStackedWidget* lower_ = nullptr;
    Keypad* keypad_ = nullptr;
    NumberFormatPanel* numberPanel_ = nullptr;
    QWidget* waitPanel_ = nullptr;
    QWidget* pageBeforeWaiting_ = nullptr;
};

} // namespace molva::ui
