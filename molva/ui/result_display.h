// The calculator's display: the indicator row, then the previous input and
// result, the current input and the current result or message, each row with
// its marker, and a line of hint under them. A click on a text offers it to
// the input line.
#pragma once

#include "engine/calc_state.h"
#include "engine/session.h"

#include <QFrame>
#include <array>

class QLabel;

namespace molva::ui {

class ResultLabel;

// The indicator row, left to right: the number formats, the memory, the angle units.
enum class Indicator { Automatic, Scientific, Fixed, Memory, Radians, Degrees, Grads };

class ResultDisplay : public QFrame {
    Q_OBJECT

  public:
    explicit ResultDisplay(QWidget* parent);

    void showTexts(const DisplayTexts& texts);
    // The line of hint under the result.
    void showHint(const QString& hint);
    // A message of the window in place of the current result.
    void showMessage(const QString& message);
    QString currentResult() const;
    QString resultText(int row) const;
    QString inputText(int row) const;

    void showFormat(FormatKind kind);
    void showAngle(AngleUnit unit);
    // The memory indicator: grey while the memory is empty, with `toolTip`.
    void showMemory(bool set, const QString& toolTip);
    // Hides the previous and current inputs and results while a task file runs.
    void hideTexts(bool hidden);

    QLabel* resultLabel(int row) const;
    QLabel* inputLabel(int row) const;
    QLabel* markerLabel(int row) const;
    QLabel* indicator(Indicator which) const;
    QLabel* hint() const;

  Q_SIGNALS:
    void indicatorClicked(Indicator which);
    void resultClicked(int row);
    void inputClicked(int row);

  private:
    void colourGroup(int first, int selected);

    std::array<ResultLabel*, 3> results_{};
    std::array<QLabel*, 4> markers_{};
    std::array<ResultLabel*, 2> inputs_{};
    std::array<ResultLabel*, 7> indicators_{};
    QLabel* hint_ = nullptr;
};

} // namespace molva::ui
