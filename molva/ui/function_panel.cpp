// The function field of the wide layout, a classic calculator that works on
// the result: its buttons, the power box, the angle units and the panel that
// writes a quadratic equation from its three coefficients.
#include "function_panel.h"

#include "indexed_table.h"
#include "step_bar.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace molva::ui {

namespace {

using enum FunctionKey;
using enum FunctionAction;

constexpr DataFigure kNoFigure = DataFigure::Sum;

constexpr std::array<FunctionDefinition, kFunctionKeyCount> kFunctions = {{
    {Percent, "%", " Percent ", Calculate, "%1/100", kNoFigure},
    {PerMille, "\u2030", " Per mille ", Calculate, "%1/1000", kNoFigure},
    {PartsPerMillion, "ppm", " Parts per milion ", Calculate, "%1/1000000", kNoFigure},
    {SignChange, "+ / -", " Sign change ", Calculate, "-1*%1", kNoFigure},
    {Power, "x\u02B8", " Power ", CalculateWithPower, "%1^%2", kNoFigure},
    {Root, "\u02B8\u221Ax", " Root ", CalculateWithPower, "%1^(1/%2)", kNoFigure},
    {Sine, "sin", " Sine ", Calculate, ":sin%1", kNoFigure},
    {Cosine, "cos", " Cosine ", Calculate, ":cos%1", kNoFigure},
    {Tangent, "tan", " Tangent ", Calculate, ":tan%1", kNoFigure},
    {Cotangent, "cot", " Cotangent ", Calculate, ":cot%1", kNoFigure},
    {Square, "x\u00B2", " Square ", Calculate, "%1^2", kNoFigure},
    {SquareRoot, "\u221Ax", " Square root ", Calculate, "%1^(1/2)", kNoFigure},
    {ArcSine, "asin", " Arc sine ", Calculate, ":asin%1", kNoFigure},
    {ArcCosine, "acos", " Arc cosine ", Calculate, ":acos%1", kNoFigure},
    {ArcTangent, "atan", " Arc tangent ", Calculate, ":atan%1", kNoFigure},
    {ArcCotangent, "acot", " Arc cotangent ", Calculate, ":acot%1", kNoFigure},
    {CommonLogarithm, "log", " Common logarithm ", Calculate, ":log%1", kNoFigure},
    {CommonAntilogarithm, "10\u02E3", " Common antilogarithm ", Calculate, "10^%1", kNoFigure},
    {NaturalLogarithm, "ln", " Natural logarithm ", Calculate, ":ln%1", kNoFigure},
    {NaturalAntilogarithm, "e\u02E3", " Natural antilogarithm ", Calculate, "2.718281828^%1",
     kNoFigure},
    {Reciprocal, "1 / x", " Reciprocal ", Calculate, "1/%1", kNoFigure},
    {Factorial, "x !", " Fractional ", Calculate, "%1!", kNoFigure},
    {Faraday, "F", " Faraday constant (C/mol) ", Insert, "96485.309", kNoFigure},
    {ElementaryCharge, "e", " elementary charge (C) ", Insert, "1.60217733 E-19", kNoFigure},
    {GasConstant, "R", " molar gas constant (J/mol K) ", Insert, "8.314510", kNoFigure},
    {Planck, "h", " Planck constant (J s) ", Insert, "6.626176 E-34", kNoFigure},
    {MolarVolume, "V\u2098", " molar volume (m3/mol) ", Insert, "0.02241383", kNoFigure},
    {Avogadro, "L", " Avogadro constant (1/mol) ", Insert, "6.022045 E23", kNoFigure},
    {DataEntry, "dat", " Data entry ", FunctionAction::AddToData, "", kNoFigure},
    {DataList, "sum", " Statistical calculations ", FunctionAction::InsertDataList, "", kNoFigure},
    {SumOfValues, "\u03A3x", " Sum of value ", InsertFigure, "", DataFigure::Sum},
    {SumOfSquares, "\u03A3x\u00B2", " Sum of square value ", InsertFigure, "",
     DataFigure::SumOfSquares},
    {PopulationDeviation, "\u03C3", " Population standard deviation ", InsertFigure, "",
     DataFigure::PopulationDeviation},
    {SampleDeviation, "s", " Sample standard deviation ", InsertFigure, "",
     DataFigure::SampleDeviation},
    {Count, "n", " Number of data ", InsertFigure, "", DataFigure::Count},
    {Mean, "x\u0305", " Arithmetical mean ", InsertFigure, "", DataFigure::Mean},
}};

static_assert(InKeyOrder(kFunctions), "the function table is indexed by FunctionKey");

constexpr int kColumns = 6;
constexpr int kButtonHeight = 21;
constexpr int kMaximumPower = 308;
constexpr int kCoefficientWidth = 30;

bool StartsWithMinus(const QString& text) {
    qsizetype k = 0;
    while (k < text.size() && (text[k] == ' ' || text[k] == '\t'))
        ++k;
    return k < text.size() && text[k] == '-';
}

// A box whose whole text is selected when it gets the focus, so that typing replaces it.
class SelectingLineEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    }
};

} // namespace

const FunctionDefinition& Definition(FunctionKey key) {
    return kFunctions[static_cast<std::size_t>(key)];
}

QString FunctionText(FunctionKey key, const QString& operand, const QString& power) {
    const QString pattern = Definition(key).text;
    QString text;
    for (qsizetype k = 0; k < pattern.size(); ++k) {
        const bool placeholder = pattern[k] == '%' && k + 1 < pattern.size() &&
                                 (pattern[k + 1] == '1' || pattern[k + 1] == '2');
        if (!placeholder) {
            text += pattern[k];
            continue;
        }
        text += pattern[k + 1] == '1' ? operand : power;
        ++k;
    }
    return text;
}

QString QuadraticLine(const QString& a, const QString& b, const QString& c) {
    QString line = a + (StartsWithMinus(b) ? "x^2" : "x^2+");
    line += b + (StartsWithMinus(c) ? "x" : "x+");
    return line + c;
}

FunctionPanel::FunctionPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("picFunction");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    auto* note = new QLabel("Classic calculator working only with result!", this);
    note->setObjectName("Label1");
    note->setWordWrap(true);
    grid->addWidget(note, 0, 0, 1, kColumns);
    for (const FunctionDefinition& definition : kFunctions) {
        auto* button = new QToolButton(this);
        const int index = static_cast<int>(definition.key);
        button->setObjectName(QString("cmdFunction(%1)").arg(index));
        button->setText(QString::fromUtf8(definition.caption));
        button->setToolTip(definition.toolTip);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        button->setFixedHeight(kButtonHeight);
        connect(button, &QToolButton::clicked, this,
                [this, key = definition.key] { Q_EMIT functionPressed(key); });
        buttons_[static_cast<std::size_t>(index)] = button;
        grid->addWidget(button, 1 + index / kColumns, index % kColumns);
    }
    const int nextRow = 1 + kFunctionKeyCount / kColumns;
    grid->addWidget(createPowerRow(), nextRow, 0, 1, kColumns);
    grid->addWidget(createAngleRow(), nextRow + 1, 0, 1, kColumns);
    grid->addWidget(createQuadraticPanel(), nextRow + 2, 0, 1, kColumns);
    grid->setRowStretch(nextRow + 3, 1);
    showAngle(AngleUnit::Radians);
}

QWidget* FunctionPanel::createPowerRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("Power and root y =", row));
    power_ = new SelectingLineEdit("3", row);
    power_->setObjectName("txtPower");
    power_->setFixedWidth(40);
    powerBar_ = CreateStepBar(power_, "vsbPower", kMaximumPower, 3);
    // Text that is no whole number from 0 to 308 leaves the scroll bar as it is.
    connect(power_, &QLineEdit::textChanged, this, [this](const QString& text) {
        bool whole = false;
        const int value = text.trimmed().toInt(&whole);
        if (whole && value >= 0 && value <= kMaximumPower)
            powerBar_->setValue(value);
    });
    layout->addWidget(power_);
    layout->addWidget(powerBar_);
    layout->addStretch();
    return row;
}

QWidget* FunctionPanel::createAngleRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(row);
    const char* captions[] = {"Radians", "Degrees", "Grads"};
    for (std::size_t k = 0; k < angles_.size(); ++k) {
        auto* option = new QRadioButton(captions[k], row);
        option->setObjectName(QString("optRadiani(%1)").arg(k));
        option->setFocusPolicy(Qt::NoFocus);
        connect(option, &QRadioButton::clicked, this,
                [this, k] { Q_EMIT angleChosen(static_cast<AngleUnit>(k)); });
        group->addButton(option);
        angles_[k] = option;
        layout->addWidget(option);
    }
    return row;
}

QWidget* FunctionPanel::createQuadraticPanel() {
    auto* panel = new QGroupBox(this);
    panel->setObjectName("fraKvadratna");
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    // Left to right: a x² + b x + c = 0.
    const std::array<std::pair<int, const char*>, 3> boxes = {
        {{2, "x\u00B2 +"}, {1, "x +"}, {0, "= 0"}}};
    const char* labelNames[] = {"lblPlus(0)", "lblPlus(1)", "lblPlus(2)"};
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        const auto [index, label] = boxes[k];
        auto* box = new SelectingLineEdit(panel);
        box->setObjectName(QString("txtKvadratna(%1)").arg(index));
        box->setFixedWidth(kCoefficientWidth);
        connect(box, &QLineEdit::returnPressed, this, &FunctionPanel::requestQuadratic);
        coefficients_[static_cast<std::size_t>(index)] = box;
        layout->addWidget(box);
        auto* text = new QLabel(QString::fromUtf8(label), panel);
        text->setObjectName(labelNames[k]);
        layout->addWidget(text);
    }
    auto* calculate = new QToolButton(panel);
    calculate->setObjectName("cmdKvadratna");
    calculate->setText("Calc");
    calculate->setToolTip(" Calculate square equation ");
    calculate->setFocusPolicy(Qt::NoFocus);
    connect(calculate, &QToolButton::clicked, this, &FunctionPanel::requestQuadratic);
    layout->addWidget(calculate);
    return panel;
}

void FunctionPanel::requestQuadratic() {
    Q_EMIT quadraticRequested(QuadraticLine(coefficients_[2]->text(), coefficients_[1]->text(),
                                            coefficients_[0]->text()));
}

QString FunctionPanel::powerText() const {
    return power_->text();
}

void FunctionPanel::showAngle(AngleUnit unit) {
    for (std::size_t k = 0; k < angles_.size(); ++k) {
        const bool chosen = k == static_cast<std::size_t>(unit);
        angles_[k]->setChecked(chosen);
        QPalette palette = angles_[k]->palette();
        palette.setColor(QPalette::WindowText, chosen ? QColor(0, 0, 255) : QColor(0, 0, 0));
        angles_[k]->setPalette(palette);
    }
}

QToolButton* FunctionPanel::button(FunctionKey key) const {
    return buttons_[static_cast<std::size_t>(key)];
}

QLineEdit* FunctionPanel::coefficientBox(int index) const {
    return coefficients_[static_cast<std::size_t>(index)];
}

} // namespace molva::ui
