// Running the lines of a task file through the calculator, one at a time,
// with the window answering events (Esc) between lines.
#include "task_run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

namespace molva::ui {

namespace {

constexpr int kRepaintMilliseconds = 100;

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Decoded(const QByteArray& bytes) {
    return DecodeTaskText(std::string_view(bytes.constData(), bytes.size()));
}

} // namespace

QStringList TextLines(const QByteArray& bytes) {
    QStringList lines;
    const std::string text = Decoded(bytes);
    for (const std::string_view line : SplitLines(text))
        lines << FromStd(line);
    return lines;
}

void RunTaskLines(const QByteArray& bytes, TaskLines kind, QWidget* painted, const bool& cancelled,
                  const std::function<void(const QString&)>& enter) {
    const std::string text = Decoded(bytes);
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    painted->setUpdatesEnabled(false);
    for (const std::string_view line : SplitLines(text)) {
        if (sinceRepaint.elapsed() >= kRepaintMilliseconds) {
            painted->setUpdatesEnabled(true);
            painted->repaint();
            painted->setUpdatesEnabled(false);
            sinceRepaint.restart();
        }
        QCoreApplication::processEvents();
        if (cancelled)
            break;
        if (const auto input = TaskInput(line, kind))
            enter(FromStd(*input));
    }
    painted->setUpdatesEnabled(true);
}

} // namespace molva::ui
