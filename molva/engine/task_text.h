// Text of task and list files, and the batch run over a task text.
#pragma once

#include "elements.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace molva {

// The bytes of a task file as UTF-8: kept as they are when they are valid
// UTF-8, otherwise read as Windows-1252.
std::string DecodeTaskText(std::string_view bytes);

// Takes the first line off a text; lines end with CR LF or LF, and a last line
// without an end is read.
std::string_view TakeLine(std::string_view& text);

// The lines of a text, as TakeLine reads them.
std::vector<std::string_view> SplitLines(std::string_view text);

// How the lines of a task file become inputs: every non-empty line whole
// (Open Task and the batch mode), or the text before the first "=" of each
// line (the example file, whose lines read "input = result"; a line that
// starts with "=" is skipped, an empty line is an empty input).
enum class TaskLines { Whole, BeforeEquals };

// The input that one line gives, or nothing when the line is skipped.
std::optional<std::string_view> TaskInput(std::string_view line, TaskLines kind);

// One list line: the history text, then " = " and the result line when there is one.
std::string ListLine(std::string_view historyText, std::string_view resultLine);
void AppendListLine(std::string& out, std::string_view historyText, std::string_view resultLine);

// Runs every non-empty line of a task text from the calculator's start state,
// with a table of atomic weights, and returns one list line per run line, each
// ended by "\n".
std::string RunBatch(std::string_view bytes, char decimalSeparator,
                     AtomicWeights weights = AtomicWeights::Classic);

} // namespace molva
