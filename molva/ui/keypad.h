// The keypad of the calculator column: digits, operators, function words and
// the memory keys, laid out from one table; every press reports its key.
#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QMenu;
class QToolButton;

namespace molva::ui {

// The keys in the order of their object names cmdNum(0) .. cmdNum(38); Enter is
// the "=" key beside them.
enum class KeypadKey {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    DecimalPoint,
    Exponent,
    Minus,
    Plus,
    Divide,
    Multiply,
    Power,
    LeftBracket,
    Enclose,
    RightBracket,
    Percent,
    SquareEquation,
    Sum,
    Random,
    Absolute,
    Integer,
    PartsPerMillion,
    Sine,
    Cosine,
    Tangent,
    Cotangent,
    NaturalLogarithm,
    CommonLogarithm,
    Pi,
    MemoryStore,
    MemoryRecall,
    MemoryAdd,
    Backspace,
    Clear,
    Enter,
};

inline constexpr int kKeypadKeyCount = static_cast<int>(KeypadKey::Enter) + 1;

struct KeyDefinition {
    KeypadKey key;
    int row;
    int column;
    const char* caption;
    const char* inverseCaption; // nullptr: Inverse leaves the caption
    const char* toolTip;
    const char* text;        // written at the caret; empty for the keys that act
    const char* inverseText; // written while Inverse is checked; nullptr: `text`
    bool functionWord;       // gets ":" while the function separator is on
};

const KeyDefinition& Definition(KeypadKey key);

// The text a key writes: its text, or its inverse text, with ":" before a
// function word while the function separator is on.
QString WrittenText(KeypadKey key, bool inverse, bool separatorOn);

class Keypad : public QWidget {
    Q_OBJECT

  public:
    explicit Keypad(QWidget* parent);

    bool inverse() const;
    // Checks or unchecks Inverse; the captions of the keys follow.
    void setInverse(bool on);
    QToolButton* button(KeypadKey key) const;
    QCheckBox* inverseBox() const { return inverse_; }
    // The menu a right click on any key pops up.
    void setContextMenu(QMenu* menu) { contextMenu_ = menu; }

  Q_SIGNALS:
    void keyPressed(KeypadKey key);
    void inverseToggled(bool on);

  private:
    void showCaptions(bool inverse);

    std::array<QToolButton*, kKeypadKeyCount> buttons_{};
    QCheckBox* inverse_ = nullptr;
    QMenu* contextMenu_ = nullptr;
};

} // namespace molva::ui
