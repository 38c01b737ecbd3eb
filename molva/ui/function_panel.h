// The function field of the wide layout, a classic calculator that works on
// the result: its buttons, the power box, the angle units and the panel that
// writes a quadratic equation from its three coefficients.
#pragma once

#include "engine/calc_state.h"
#include "engine/session.h"

#include <QWidget>
#include <array>

class QLineEdit;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace molva::ui {

// The buttons in the order of their object names cmdFunction(0) .. cmdFunction(35).
enum class FunctionKey {
    Percent,
    PerMille,
    PartsPerMillion,
    SignChange,
    Power,
    Root,
    Sine,
    Cosine,
    Tangent,
    Cotangent,
    Square,
    SquareRoot,
    ArcSine,
    ArcCosine,
    ArcTangent,
    ArcCotangent,
    CommonLogarithm,
    CommonAntilogarithm,
    NaturalLogarithm,
    NaturalAntilogarithm,
    Reciprocal,
    Factorial,
    Faraday,
    ElementaryCharge,
    GasConstant,
    Planck,
    MolarVolume,
    Avogadro,
    DataEntry,
    DataList,
    SumOfValues,
    SumOfSquares,
    PopulationDeviation,
    SampleDeviation,
    Count,
    Mean,
};

inline constexpr int kFunctionKeyCount = static_cast<int>(FunctionKey::Mean) + 1;

enum class FunctionAction {
    Calculate,          // the operand at "%1" of the text, then calculate
    CalculateWithPower, // the same, with the power box at "%2"
    Insert,             // the text at the caret
    AddToData,          // the line (or the last result) into the statistics data
    InsertDataList,     // the data list at the caret
    InsertFigure,       // a figure of the statistics data at the caret
};

struct FunctionDefinition {
    FunctionKey key;
    const char* caption;
    const char* toolTip;
    FunctionAction action;
    const char* text;
    DataFigure figure; // for FunctionAction::InsertFigure
};

const FunctionDefinition& Definition(FunctionKey key);

// The text a Calculate button writes: its pattern with the operand at "%1"
// and the power at "%2".
QString FunctionText(FunctionKey key, const QString& operand, const QString& power);

// The input line the quadratic panel writes for a x² + b x + c = 0.
QString QuadraticLine(const QString& a, const QString& b, const QString& c);

class FunctionPanel : public QWidget {
    Q_OBJECT

  public:
    explicit FunctionPanel(QWidget* parent);

    QString powerText() const;
    void showAngle(AngleUnit unit);
    QToolButton* button(FunctionKey key) const;
    // The coefficient boxes: 2 for a, 1 for b, 0 for c.
    QLineEdit* coefficientBox(int index) const;

  Q_SIGNALS:
    void functionPressed(FunctionKey key);
    void angleChosen(AngleUnit unit);
    void quadraticRequested(const QString& line);

  private:
    QWidget* createPowerRow();
    QWidget* createAngleRow();
    QWidget* createQuadraticPanel();
    void requestQuadratic();

    std::array<QToolButton*, kFunctionKeyCount> buttons_{};
    std::array<QRadioButton*, 3> angles_{};
    std::array<QLineEdit*, 3> coefficients_{};
    QLineEdit* power_ = nullptr;
    QScrollBar* powerBar_ = nullptr;
};

} // namespace molva::ui
