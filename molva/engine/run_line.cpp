// The engine's front door: one entered line, a command or a calculation.
#include "engine.h"
#include "messages.h"
#include "number_text.h"
#include "text_chars.h"
#include "typed_signs.h"

#include <cmath>

namespace molva {

namespace {

constexpr std::size_t kMaxTextLength = 32767;

// The number of characters the input filter keeps, up to the first "=";
// at most: a ½ may give three.
std::size_t FilteredLength(std::string_view typed) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto byte = static_cast<unsigned char>(typed[i]);
        if (typed[i] == '=')
            break;
        if (byte >= 33 && byte <= 126) {
            kept += IsOneOf(typed[i], ":;@$<>_`") ? 0 : 1;
            continue;
        }
        const TypedSignAt sign = ReadTypedSign(typed, i);
        i += sign.length - 1;
        kept += sign.sign == TypedSign::Half ? 3 : sign.sign == TypedSign::None ? 0 : 1;
    }
    return kept;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered)
        c = ToLower(c);
    return lowered;
}

void RunMemoryCommand(CalcState& state, const std::string& lowered) {
    const auto value = [&]() -> std::optional<double> {
        try {
            return ParseNumber(state.resultText, state.decimalSeparator);
        } catch (const CalcFailure&) {
            return std::nullopt;
        }
    }();
    double memory = state.memory;
    if (lowered.find("mem+") != std::string::npos) {
        if (value)
            memory += *value;
    } else if (lowered.find("mem-") != std::string::npos) {
        if (value)
            memory -= *value;
    } else if (value) {
        memory = *value;
    } else if (state.resultText.empty()) {
        memory = 0;
    }
    if (std::isfinite(memory))
        state.memory = memory;
}

LineOutcome RunCommand(CalcState& state, std::string_view line) {
    LineOutcome outcome;
    outcome.historyText = std::string(line);
    const std::string lowered = Lowered(line);
    if (lowered.find("mem") != std::string::npos) {
        RunMemoryCommand(state, lowered);
        outcome.memoryCommand = true;
        outcome.resultLine = PlainText(state.memory, state.decimalSeparator);
        return outcome;
    }
    if (lowered.find("auto") != std::string::npos) {
        outcome.newFormat = FormatKind::Automatic;
    } else {
        for (const auto& [word, kind] :
             {std::pair{"sci", FormatKind::Scientific}, std::pair{"fix", FormatKind::Fixed}}) {
            const std::size_t at = lowered.find(word);
            if (at != std::string::npos && !outcome.newFormat) {
                outcome.newFormat = kind;
                outcome.newDecimals =
                    LeadingValue(std::string_view(line).substr(at + 3), state.decimalSeparator);
            }
        }
    }
    if (lowered.find("grad") != std::string::npos)
        outcome.newAngle = AngleUnit::Grads;
    else if (lowered.find("deg") != std::string::npos)
        outcome.newAngle = AngleUnit::Degrees;
    else if (lowered.find("rad") != std::string::npos)
        outcome.newAngle = AngleUnit::Radians;
    return outcome;
}

std::string StatisticsLine(const CalcState& state, FormatKind kind, std::string_view zeros) {
    auto shown = [&](std::size_t k) {
        return FormatNumber(ResultLine(state, k), kind, zeros, state.groupThousands, state);
    };
    return shown(0) + "; n = " + std::to_string(state.statCount) + "; s = " + shown(2) +
           "; Mean = " + shown(1);
}

std::string RootsLine(const CalcState& state, FormatKind kind, std::string_view zeros) {
    auto shown = [&](std::size_t k) {
        return FormatNumber(ResultLine(state, k), kind, zeros, state.groupThousands, state);
    };
    return "x1 = " + shown(0) + "; x2 = " + shown(1);
}

// The result of an evaluation as the calculation shows it: a pure formula sum
// with the decimals of its least precise element, any other number as a
// general number, a message as it is.
std::string ResultText(const CalcState& state, const Evaluation& evaluation) {
    if (!evaluation.value)
        return evaluation.message;
    const double shown = RoundToSignificant(*evaluation.value, 13);
    if (!std::isfinite(shown))
        return EvaluatorForm(*evaluation.value, state.decimalSeparator);
    return state.additiveOnly ? FormatValue(shown, FormatKind::FormulaFixed,
                                            ZerosFor(state.decimals), false, state)
                              : FormatValue(shown, FormatKind::Automatic, {}, false, state);
}

void RemoveSeparators(std::string& text) {
    std::erase(text, ':');
}

} // namespace

void RunCalculation(CalcState& state) {
    if (state.mode == CalcMode::Expression) {
        state.prevNormalText = state.normalText;
        state.prevExpandedText = state.expandedText;
        state.prevResultText = state.resultText;
    }
    if (const auto value = CalculatePlainFormula(state))
        state.resultText = ResultText(state, Evaluation{value, {}});
    else
        CalculateThroughText(state);
}

void CalculateThroughText(CalcState& state) {
    try {
        state.normalText = NormaliseInput(state, state.inputText);
        if (state.mode == CalcMode::Statistics) {
            ComputeStatistics(state);
        } else if (state.mode == CalcMode::Quadratic) {
            SolveQuadratic(state);
        } else {
            state.expandedText = ExpandFormulas(state, state.normalText);
            state.resultText = ResultText(state, EvaluateValue(state, state.expandedText));
        }
    } catch (const CalcFailure& failure) {
        state.resultText = failure.description;
    }
    if (!state.showSeparators)
        RemoveSeparators(state.normalText);
}

LineOutcome RunLine(CalcState& state, std::string_view line, FormatKind formatKind,
                    std::string_view formatZeros) {
    if (line.starts_with('#')) {
        state.inputText = line;
        return RunCommand(state, line);
    }
    LineOutcome outcome;
    // The filter keeps at most two characters of each typed byte.
    if (line.size() > kMaxTextLength / 2 && FilteredLength(line) > kMaxTextLength) {
        outcome.resultLine = Overflow;
        outcome.tooLong = true;
        return outcome;
    }
    state.inputText = line;
    RunCalculation(state);
    outcome.historyText = state.normalText;
    if (state.mode == CalcMode::Statistics) {
        outcome.resultLine = StatisticsLine(state, formatKind, formatZeros);
    } else if (state.mode == CalcMode::Quadratic) {
        outcome.resultLine = RootsLine(state, formatKind, formatZeros);
        state.prevExpandedText.clear();
        state.expandedText.clear();
    } else {
        if (!(state.additiveOnly && formatKind == FormatKind::Automatic))
            state.resultText = FormatNumber(state.resultText, formatKind, formatZeros,
                                            state.groupThousands, state);
        outcome.resultLine = state.resultText;
    }
    if (state.symbolError) {
        state.symbolError = false;
        state.resultText = state.badSymbol + " isn't element symbol!";
        outcome.resultLine = state.resultText;
        outcome.symbolErrorShown = true;
    }
    return outcome;
}

} // namespace molva
