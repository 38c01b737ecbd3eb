// The input line where a calculation is written, and the history drop-down
// beside it that holds the entered lines, newest first.
#include "input_line.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <limits>

namespace molva::ui {

namespace {

constexpr const char* kOperandOperators = "+*/%^-";
constexpr int kDropDownWidth = 18;

bool ContainsAny(const QString& text, const char* characters) {
    for (const char* c = characters; *c; ++c) {
        if (text.contains(QLatin1Char(*c)))
            return true;
    }
    return false;
}

QString Enclosed(const QString& text) {
    return "(" + text + ")";
}

} // namespace

InputLine::InputLine(QWidget* parent) : QLineEdit(parent) {
    setObjectName("txtUnosFormule");
    // The engine decides what is too long to calculate, as it does for a task
    // file; the line itself cuts nothing off.
    setMaxLength(std::numeric_limits<int>::max());
}

void InputLine::write(const QString& text) {
    if (text.isEmpty() && hasSelectedText())
        del();
    else
        insert(text);
}

void InputLine::deleteBackward() {
    if (hasSelectedText())
        del();
    else if (cursorPosition() > 0)
        backspace();
}

void InputLine::encloseSelection() {
    if (hasSelectedText()) {
        write(Enclosed(selectedText()));
    } else {
        setText(Enclosed(text()));
        end(false);
    }
}

QString InputLine::selectionFor(const char* operators) const {
    const QString selection = selectedText();
    return ContainsAny(selection, operators) ? Enclosed(selection) : selection;
}

std::optional<QString> InputLine::operand(bool selectWhole) {
    if (!hasSelectedText() && text().isEmpty())
        return std::nullopt;
    if (!hasSelectedText() && selectWhole)
        selectAll();
    const QString whole = hasSelectedText() ? selectedText() : text();
    return ContainsAny(whole, kOperandOperators) ? Enclosed(whole) : whole;
}

bool InputLine::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QKeySequence& key : windowKeys_) {
            if (key.matches(pressed) == QKeySequence::ExactMatch) {
                event->ignore();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

HistoryBox::HistoryBox(QWidget* parent) : QComboBox(parent) {
    setObjectName("cmbLista");
    setFixedWidth(kDropDownWidth);
    setFocusPolicy(Qt::NoFocus);
    // A fixed-size box: adding thousands of lines never rescans them.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void HistoryBox::addEntry(const QString& text) {
    insertItem(0, text);
}

void HistoryBox::showPopup() {
    if (count() == 0)
        return;
    setCurrentIndex(0);
    // As wide as the input row it belongs to, its right edge under the button.
    const int width = parentWidget() ? parentWidget()->width() : this->width();
    view()->setMinimumWidth(width);
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    const QPoint rightEdge = mapToGlobal(QPoint(this->width(), 0));
    popup->move(rightEdge.x() - popup->width(), popup->y());
    view()->scrollToTop();
}

} // namespace molva::ui
