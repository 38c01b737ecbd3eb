// The expression engine's pipeline: from a typed line to a result text.
#pragma once

#include "calc_state.h"
#include "format_number.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace molva {

// Rewrites a typed line into the canonical text; `text` is overwritten with
// the working text (the filtered line, then later stages). May set the mode to
// Statistics or Quadratic.
std::string NormaliseInput(CalcState& state, std::string& text);

// Knows whether a text of letters and digits that begins with a letter is its
// own canonical text, so that NormaliseInput would give it back unchanged with
// no effect but on additiveOnly. After a change of letter case it checks again
// only the pieces around the change; the text must otherwise be the one last
// checked.
class CanonicalLetters {
  public:
    bool Check(const CalcState& state, std::string_view text);
    // The letters in [from, to) have changed case since the last check, which held.
    bool Recheck(const CalcState& state, std::string_view text, std::size_t from, std::size_t to);

  private:
    bool ScanUnchanged(const CalcState& state, std::string_view text, std::size_t start,
                       std::size_t settled);
    std::vector<char> starts_; // 1 where a piece of the last text checked begins
};

// True when a canonical text multiplies one formula by another, as in
// (CuSO4)*5*(H2O), typed where the hydrate CuSO4·5H2O was meant.
bool MultipliesFormulas(std::string_view normalText);

// Spells formulas out as sums of atomic weights and replaces :ans, :mem and :pi
// by numbers. Repairs of letter case are written into `normalText`. Returns the
// empty text with state.symbolError set when a symbol cannot be resolved.
std::string ExpandFormulas(CalcState& state, std::string& normalText);

// The outcome of computing an expanded text: its value, or the message that
// ended the calculation; an empty text gives neither.
struct Evaluation {
    std::optional<double> value;
    std::string message;
};

Evaluation EvaluateValue(CalcState& state, std::string_view text);

// Computes an expanded text: a number in the evaluator's form, or a message.
std::string Evaluate(CalcState& state, std::string_view text);

// The result of applying a function or a factorial to an operand.
struct FunctionResult {
    double value = 0;
    std::string message; // non-empty when the function failed

    bool failed() const { return !message.empty(); }
};

// Applies the function of an operand such as ":sin30", ":sin:cos30" or "5!".
FunctionResult ApplyFunction(CalcState& state, std::string_view operand);

// Calculates state.inputText when it is a plain formula, optionally with a
// whole-number coefficient (C6H12O6, (NH4)2SO4, 5H2O): sets the texts, the
// precision and additiveOnly as the text pipeline would, and returns the
// value. nullopt, with the state untouched, for any other line.
std::optional<double> CalculatePlainFormula(CalcState& state);

// The text pipeline of one calculation, without the reading of plain formulas:
// normalisation, then statistics, a quadratic, or expansion and evaluation.
void CalculateThroughText(CalcState& state);

void SolveQuadratic(CalcState& state);
void ComputeStatistics(CalcState& state);

// Runs one calculation on state.inputText; results are left in the state.
void RunCalculation(CalcState& state);

// Runs one entered line: a "#" command line or a calculation.
LineOutcome RunLine(CalcState& state, std::string_view line, FormatKind formatKind,
                    std::string_view formatZeros);

} // namespace molva
