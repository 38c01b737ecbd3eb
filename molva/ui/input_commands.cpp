// The commands that write into the input line: the keypad, the function
// field, the memory keys and the power keys. They take what they write from
// the session; the window calculates when a command asks for it.
#include "input_commands.h"

#include "engine/messages.h"
#include "engine/number_text.h"
#include "input_line.h"
#include "result_display.h"

namespace molva::ui {

namespace {

constexpr const char* kMemoryTip = " Memory (F6-store / F7-recall) ";
constexpr const char* kPowerBrackets = ":+*%/^";

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

InputCommands::InputCommands(Parts parts, std::function<void()> calculate)
    : parts_(parts), calculate_(std::move(calculate)) {}

void InputCommands::pressKey(KeypadKey key) {
    InputLine& input = parts_.input;
    const bool inverse = parts_.keypad.inverse();
    switch (key) {
    case KeypadKey::Enter:
        calculate_();
        return;
    case KeypadKey::MemoryStore:
        memoryStore();
        break;
    case KeypadKey::MemoryRecall:
        memoryRecall();
        break;
    case KeypadKey::MemoryAdd:
        memoryAdd();
        break;
    case KeypadKey::Backspace:
        input.deleteBackward();
        break;
    case KeypadKey::Clear:
        if (inverse) {
            parts_.session.ClearDataAndMemory();
            showMemory();
        } else {
            input.clear();
        }
        break;
    case KeypadKey::Enclose:
        input.encloseSelection();
        break;
    default:
        input.write(WrittenText(key, inverse, parts_.session.state().showSeparators));
        // The root "^(1/)" leaves the caret before its bracket, for the degree.
        if (key == KeypadKey::Power && inverse)
            input.setCursorPosition(static_cast<int>(input.text().size()) - 1);
        break;
    }
    parts_.keypad.setInverse(false);
    input.setFocus();
}

// The selection or the whole line; on an empty line the current result when
// it is a number.
QString InputCommands::functionOperand() {
    if (const auto operand = parts_.input.operand(true))
        return *operand;
    const QString result = parts_.display.currentResult();
    const char separator = parts_.session.state().decimalSeparator;
    return IsNumeric(result.toStdString(), separator) ? result : "???";
}

void InputCommands::pressFunction(FunctionKey key) {
    const FunctionDefinition& definition = Definition(key);
    switch (definition.action) {
    case FunctionAction::Calculate:
    case FunctionAction::CalculateWithPower:
        parts_.input.write(FunctionText(key, functionOperand(), parts_.functions.powerText()));
        calculate_();
        break;
    case FunctionAction::Insert:
        parts_.input.write(definition.text);
        break;
    case FunctionAction::AddToData:
        enterData();
        break;
    case FunctionAction::InsertDataList:
        writeDataList();
        break;
    case FunctionAction::InsertFigure:
        writeFigure(definition.figure);
        break;
    }
    parts_.input.setFocus();
}

void InputCommands::enterData() {
    InputLine& input = parts_.input;
    if (!input.text().isEmpty()) {
        input.setText(":dat(" + input.text() + ")");
        calculate_();
    } else if (parts_.session.ResultIsNumeric()) {
        input.setText(":dat" + FromStd(parts_.session.state().resultText));
        calculate_();
    } else {
        parts_.display.showMessage(kNoValidData);
    }
}

void InputCommands::writeDataList() {
    if (const auto list = parts_.session.DataList())
        parts_.input.write(FromStd(*list));
    else
        parts_.display.showMessage(kNoData);
}

void InputCommands::writeFigure(DataFigure figure) {
    const FigureText text = parts_.session.DataFigureText(figure);
    if (text.message)
        parts_.display.showMessage(FromStd(text.text));
    else
        parts_.input.write(FromStd(text.text));
}

void InputCommands::writePower(int digit, bool root) {
    const QString base = parts_.input.selectionFor(kPowerBrackets);
    parts_.input.write(base + (root ? QString("^(1/%1)").arg(digit) : QString("^%1").arg(digit)));
    parts_.input.setFocus();
}

void InputCommands::memoryStore() {
    parts_.session.MemoryStore();
    showMemory();
}

void InputCommands::memoryRecall() {
    if (const auto memory = parts_.session.MemoryRecall())
        parts_.input.write(FromStd(*memory));
}

void InputCommands::memoryAdd() {
    parts_.session.MemoryAdd();
    showMemory();
}

void InputCommands::clickMemoryIndicator() {
    if (parts_.session.HasMemory())
        memoryRecall();
    else if (parts_.session.ResultIsNumeric())
        parts_.session.MemoryStore();
    showMemory();
}

void InputCommands::showMemory() {
    const bool set = parts_.session.HasMemory();
    const QString tip = set ? " " + FromStd(parts_.session.MemoryText()) + " " : kMemoryTip;
    parts_.display.showMemory(set, tip);
}

} // namespace molva::ui
