// Running the lines of a task file through the calculator, one at a time,
// with the window answering events (Esc) between lines.
#pragma once

#include "engine/task_text.h"

#include <QByteArray>
#include <QStringList>
#include <functional>

class QWidget;

namespace molva::ui {

// The lines of a task or constants file's bytes (UTF-8, or else Windows-1252).
QStringList TextLines(const QByteArray& bytes);

// Enters the input of every line of `bytes` as `kind` picks it. Before each
// line the window's pending events run, and the run stops once `cancelled`
// is set; `painted` is redrawn about ten times a second rather than for every
// line, which would dominate a long run.
void RunTaskLines(const QByteArray& bytes, TaskLines kind, QWidget* painted, const bool& cancelled,
                  const std::function<void(const QString&)>& enter);

} // namespace molva::ui
