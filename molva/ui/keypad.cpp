// The keypad of the calculator column: digits, operators, function words and
// the memory keys, laid out from one table; every press reports its key.
#include "keypad.h"

#include "indexed_table.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QMenu>
#include <QToolButton>

namespace molva::ui {

namespace {

using enum KeypadKey;

// Functions above, digits below, as on a pocket calculator.
constexpr std::array<KeyDefinition, kKeypadKeyCount> kKeys = {{
    {Digit0, 5, 4, "0", nullptr, "", "0", nullptr, false},
    {Digit1, 5, 0, "1", nullptr, "", "1", nullptr, false},
    {Digit2, 5, 1, "2", nullptr, "", "2", nullptr, false},
    {Digit3, 5, 2, "3", nullptr, "", "3", nullptr, false},
    {Digit4, 4, 0, "4", nullptr, "", "4", nullptr, false},
    {Digit5, 4, 1, "5", nullptr, "", "5", nullptr, false},
    {Digit6, 4, 2, "6", nullptr, "", "6", nullptr, false},
    {Digit7, 3, 0, "7", nullptr, "", "7", nullptr, false},
    {Digit8, 3, 1, "8", nullptr, "", "8", nullptr, false},
    {Digit9, 3, 2, "9", nullptr, "", "9", nullptr, false},
    {DecimalPoint, 5, 5, ".", nullptr, " Decimal point ", ".", nullptr, false},
    {Exponent, 3, 5, "exp", nullptr, " Exponent ", "E", nullptr, false},
    {Minus, 4, 4, "-", nullptr, " Subtraction / Minus sign ", "-", nullptr, false},
    {Plus, 5, 3, "+", nullptr, " Addition ", "+", nullptr, false},
    {Divide, 3, 3, "\u00F7", nullptr, " Division ", "/", nullptr, false},
    {Multiply, 4, 3, "\u00D7", nullptr, " Multiplication ", "*", nullptr, false},
    {Power, 3, 4, "x\u02B8", nullptr, " Power ", "^", "^(1/)", false},
    {LeftBracket, 2, 3, "(", nullptr, " Left parenthesis ", "(", nullptr, false},
    {Enclose, 2, 4, "( ... )", nullptr, " Enclose expression ", "", nullptr, false},
    {RightBracket, 2, 5, ")", nullptr, " Right parenthesis ", ")", nullptr, false},
    {Percent, 1, 6, "%", nullptr, " Percent ", "%", nullptr, false},
    {SquareEquation, 1, 5, "ax\u00B2", nullptr, " Square equation ", "x^2 + x", nullptr, false},
    {Sum, 1, 0, "sum", nullptr, " Statistical calculations ", "sum", nullptr, true},
    {Random, 1, 1, "ran", nullptr, " Random number ", "ran", nullptr, true},
    {Absolute, 1, 2, "abs", nullptr, " Absolute value ", "abs", nullptr, true},
    {Integer, 1, 3, "int", nullptr, " Integer number ", "int", nullptr, true},
    {PartsPerMillion, 1, 4, "ppm", nullptr, " Parts per milion ", "ppm", nullptr, true},
    {Sine, 0, 0, "sin", "asin", " Sine ", "sin", "asin", true},
    {Cosine, 0, 1, "cos", "acos", " Cosine ", "cos", "acos", true},
    {Tangent, 0, 2, "tan", "atan", " Tangent ", "tan", "atan", true},
    {Cotangent, 0, 3, "cot", "acot", " Cotangent ", "cot", "acot", true},
    {NaturalLogarithm, 0, 4, "ln", "aln", " Natural logarithm ", "ln", "aln", true},
    {CommonLogarithm, 0, 5, "log", "alog", " Common logarithm ", "log", "alog", true},
    {Pi, 0, 6, "\u03C0", nullptr, " pi number ", ":pi", nullptr, false},
    {MemoryStore, 2, 0, "MS", nullptr, " Memory store (F6) ", "", nullptr, false},
    {MemoryRecall, 2, 1, "MR", nullptr, " Memory recall (F7) ", "", nullptr, false},
    {MemoryAdd, 2, 2, "M+", "M -", " Memory plus ", "", nullptr, false},
    {Backspace, 2, 6, "\u2190", nullptr, " Backspace ", "", nullptr, false},
    {Clear, 3, 6, "C", "AC", " Clear ", "", nullptr, false},
    {Enter, 5, 6, "=", nullptr, " Enter ", "", nullptr, false},
}};

static_assert(InKeyOrder(kKeys), "the key table is indexed by KeypadKey");

// Inverse takes the last two cells of this row.
constexpr int kInverseRow = 4;
constexpr int kInverseColumn = 5;
constexpr int kKeyHeight = 22;

QString ObjectName(KeypadKey key) {
    return key == Enter ? QString("cmdEnter") : QString("cmdNum(%1)").arg(static_cast<int>(key));
}

} // namespace

const KeyDefinition& Definition(KeypadKey key) {
    return kKeys[static_cast<std::size_t>(key)];
}

QString WrittenText(KeypadKey key, bool inverse, bool separatorOn) {
    const KeyDefinition& definition = Definition(key);
    QString text = inverse && definition.inverseText ? definition.inverseText : definition.text;
    if (definition.functionWord && separatorOn)
        text.prepend(':');
    return text;
}

Keypad::Keypad(QWidget* parent) : QWidget(parent) {
    setObjectName("keypad");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    for (const KeyDefinition& definition : kKeys) {
        auto* button = new QToolButton(this);
        button->setObjectName(ObjectName(definition.key));
        button->setText(QString::fromUtf8(definition.caption));
        button->setToolTip(definition.toolTip);
        button->setFocusPolicy(Qt::NoFocus);
        // The seven columns share the column width whatever the captions say.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        button->setMinimumHeight(kKeyHeight);
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QToolButton::clicked, this,
                [this, key = definition.key] { Q_EMIT keyPressed(key); });
        connect(button, &QWidget::customContextMenuRequested, this, [this, button](QPoint at) {
            if (contextMenu_)
                contextMenu_->popup(button->mapToGlobal(at));
        });
        buttons_[static_cast<std::size_t>(definition.key)] = button;
        grid->addWidget(button, definition.row, definition.column);
    }
    inverse_ = new QCheckBox("Inv", this);
    inverse_->setObjectName("chkInverse");
    inverse_->setToolTip(" Inverse Function ");
    inverse_->setFocusPolicy(Qt::NoFocus);
    inverse_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    connect(inverse_, &QCheckBox::toggled, this, [this](bool on) {
        showCaptions(on);
        Q_EMIT inverseToggled(on);
    });
    grid->addWidget(inverse_, kInverseRow, kInverseColumn, 1, 2, Qt::AlignCenter);
}

bool Keypad::inverse() const {
    return inverse_->isChecked();
}

void Keypad::setInverse(bool on) {
    inverse_->setChecked(on);
}

QToolButton* Keypad::button(KeypadKey key) const {
    return buttons_[static_cast<std::size_t>(key)];
}

void Keypad::showCaptions(bool inverse) {
    for (const KeyDefinition& definition : kKeys) {
        if (definition.inverseCaption)
            button(definition.key)
                ->setText(
                    QString::fromUtf8(inverse ? definition.inverseCaption : definition.caption));
    }
}

} // namespace molva::ui
