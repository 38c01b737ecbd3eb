// The input line where a calculation is written, and the history drop-down
// beside it that holds the entered lines, newest first.
#pragma once

#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QList>
#include <optional>

namespace molva::ui {

class InputLine : public QLineEdit {
  public:
    explicit InputLine(QWidget* parent);

    // Puts text in place of the selection, or at the caret when nothing is selected.
    void write(const QString& text);
    // Deletes the selection, or the one character before the caret.
    void deleteBackward();
    // "(" selection ")", or the whole line enclosed with the caret at its end.
    void encloseSelection();
    // The selection, enclosed in brackets when it holds any of `operators`.
    QString selectionFor(const char* operators) const;
    // The operand of a function-field button: the selection, else the whole
    // line (selected when `selectWhole`), enclosed in brackets when it holds
    // an operator; nothing when the line is empty.
    std::optional<QString> operand(bool selectWhole);

    // Keys the window's own commands answer although a line edit would take
    // them itself (Ctrl+C with nothing selected copies the result, Ctrl+U
    // shows a list): the line leaves them to the window.
    void leaveKeysToWindow(QList<QKeySequence> keys) { windowKeys_ = std::move(keys); }

  protected:
    bool event(QEvent* event) override;

  private:
    QList<QKeySequence> windowKeys_;
};

// Only its drop-down button shows, at the right of the input line.
class HistoryBox : public QComboBox {
  public:
    explicit HistoryBox(QWidget* parent);

    void addEntry(const QString& text);
    // Opens on the newest entry.
    void showPopup() override;
};

} // namespace molva::ui
