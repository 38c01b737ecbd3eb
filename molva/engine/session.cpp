#include "session.h"

#include "data_summary.h"
#include "engine.h"
#include "format_number.h"
#include "messages.h"
#include "number_text.h"
#include "text_chars.h"

#include <cmath>

namespace molva {

namespace {

constexpr int kMaxDecimalPlaces = 12;

std::optional<double> NumericValue(const CalcState& state, std::string_view text) {
    try {
        return ParseNumber(text, state.decimalSeparator);
    } catch (const CalcFailure&) {
        return std::nullopt;
    }
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

CalcSession::CalcSession(char decimalSeparator) {
    state_.decimalSeparator = decimalSeparator;
    display_.markers[0] = "=";
}

std::string_view CalcSession::formatZeros() const {
    return ZerosFor(decimalPlaces_);
}

std::string CalcSession::Shown(std::string_view value) const {
    return FormatNumber(value, formatKind_, formatZeros(), state_.groupThousands, state_);
}

void CalcSession::Redisplay() {
    const int mode = std::abs(static_cast<int>(state_.mode));
    auto& results = display_.results;
    if (mode == 1) {
        results[0] = Shown(ResultLine(state_, 1));
        results[1] = Shown(ResultLine(state_, 0));
        results[2] = Shown(ResultLine(state_, 2));
    } else if (mode == 2) {
        results[1] = Shown(ResultLine(state_, 0));
        results[0] = Shown(ResultLine(state_, 1));
    } else {
        results[1] = Shown(state_.prevResultText);
        const bool keepPrecision = formatKind_ == FormatKind::Automatic && state_.additiveOnly;
        results[0] = keepPrecision ? state_.resultText : Shown(state_.resultText);
    }
}

void CalcSession::SelectFormat(FormatKind kind) {
    formatKind_ = kind;
    if (kind == FormatKind::Fixed && state_.groupThousands)
        ApplyDecimalPlaces(2);
    Redisplay();
}

void CalcSession::SetGrouping(bool grouping) {
    state_.groupThousands = grouping;
    if (grouping)
        ApplyDecimalPlaces(2);
    Redisplay();
}

void CalcSession::ApplyDecimalPlaces(int places) {
    if (places > kMaxDecimalPlaces)
        places = kMaxDecimalPlaces;
    else if (formatKind_ == FormatKind::Fixed && state_.groupThousands)
        places = 2;
    decimalPlaces_ = places;
}

int CalcSession::SetDecimalPlacesText(std::string_view text) {
    if (const auto places = WholeNumber(text)) {
        ApplyDecimalPlaces(*places);
        Redisplay();
    }
    return decimalPlaces_;
}

void CalcSession::SelectAngle(AngleUnit unit) {
    state_.angleUnit = unit;
}

void CalcSession::MemoryStore() {
    if (const auto value = NumericValue(state_, state_.resultText))
        state_.memory = *value;
    else if (state_.resultText.empty())
        state_.memory = 0;
}

void CalcSession::MemoryAdd() {
    const auto value = NumericValue(state_, state_.resultText);
    if (value && std::isfinite(state_.memory + *value))
        state_.memory += *value;
}

std::optional<std::string> CalcSession::MemoryRecall() const {
    if (!HasMemory())
        return std::nullopt;
    return MemoryText();
}

std::string CalcSession::MemoryText() const {
    return PlainText(state_.memory, state_.decimalSeparator);
}

bool CalcSession::ResultIsNumeric() const {
    return IsNumeric(state_.resultText, state_.decimalSeparator);
}

FigureText CalcSession::DataFigureText(DataFigure figure) const {
    const std::vector<double>& values = state_.statValues;
    if (values.empty())
        return {figure == DataFigure::Count ? "No data!" : kNoData, true};
    if (figure == DataFigure::SampleDeviation && values.size() == 1)
        return {"Must bee min. two data!", true};
    double value = 0;
    try {
        const DataSummary summary = SummariseData(values);
        switch (figure) {
        case DataFigure::Sum:
            value = summary.sum;
            break;
        case DataFigure::SumOfSquares:
            value = CheckedResult(summary.sumOfSquares);
            break;
        case DataFigure::PopulationDeviation:
            value = summary.populationDeviation;
            break;
        case DataFigure::SampleDeviation:
            value = summary.sampleDeviation;
            break;
        case DataFigure::Count:
            value = static_cast<double>(summary.count);
            break;
        case DataFigure::Mean:
            value = summary.mean;
            break;
        }
    } catch (const CalcFailure& failure) {
        return {failure.description, true};
    }
    return {PlainText(value, state_.decimalSeparator), false};
}

std::optional<std::string> CalcSession::DataList() const {
    if (state_.statValues.empty())
        return std::nullopt;
    return DataListText(state_.statValues, state_.decimalSeparator);
}

void CalcSession::ClearDataAndMemory() {
    state_.statValues.clear();
    state_.statCount = 0;
    state_.memory = 0;
}

std::string_view CalcSession::Hint() const {
    return expressionShown_ && MultipliesFormulas(state_.normalText) ? kHydrateHint : "";
}

void CalcSession::ClearDisplay() {
    expressionShown_ = false;
    const std::string firstMarker = display_.markers[0];
    display_ = DisplayTexts();
    display_.markers[0] = firstMarker;
}

void CalcSession::ClearForNewList() {
    expressionShown_ = false;
    state_.prevResultText.clear();
    state_.resultText.clear();
    state_.normalText.clear();
    state_.prevNormalText.clear();
    display_.results[0].clear();
    display_.results[1].clear();
    display_.inputs[0].clear();
    display_.inputs[1].clear();
}

Entry CalcSession::Enter(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    return trimmed.starts_with('#') ? EnterCommand(trimmed) : EnterCalculation(trimmed);
}

Entry CalcSession::EnterCommand(std::string_view line) {
    const LineOutcome outcome = RunLine(state_, line, formatKind_, formatZeros());
    Entry entry;
    entry.command = true;
    entry.historyText = outcome.historyText;
    if (outcome.memoryCommand)
        entry.resultLine = outcome.resultLine;
    if (outcome.newFormat) {
        SelectFormat(*outcome.newFormat);
        const std::optional<double> decimals = outcome.newDecimals;
        if (decimals && *decimals >= 0 && *decimals == std::floor(*decimals) && *decimals < 1e6)
            SetDecimalPlacesText(std::to_string(static_cast<int>(*decimals)));
    }
    if (outcome.newAngle)
        SelectAngle(*outcome.newAngle);
    return entry;
}

// Input row k shows a canonical text with its expanded text as tool tip.
void CalcSession::SetInputLabel(std::size_t k, const std::string& normal,
                                const std::string& expanded) {
    display_.inputs[k] = normal;
    std::string& tip = display_.inputTips[k];
    tip.assign(" ");
    tip += expanded;
    tip += ' ';
}

Entry CalcSession::EnterCalculation(std::string_view line) {
    const LineOutcome outcome = RunLine(state_, line, formatKind_, formatZeros());
    Entry entry;
    if (outcome.tooLong) {
        entry.tooLong = true;
        entry.resultLine = outcome.resultLine;
        entry.inputLine = std::string(line);
        return entry;
    }
    auto& markers = display_.markers;
    auto& results = display_.results;
    const int mode = static_cast<int>(state_.mode);
    if (mode < 0) {
        state_.mode = CalcMode::Expression;
        markers[1].clear();
        markers[2].clear();
        markers[3].clear();
        results[2].clear();
        Redisplay();
        entry.historyText = state_.normalText;
        entry.resultLine = results[0];
    } else if (mode == 1 || mode == 2) {
        const bool statistics = mode == 1;
        state_.mode = statistics ? CalcMode::StatisticsShown : CalcMode::RootsShown;
        markers[1] = statistics ? "n = " + std::to_string(state_.statCount) : "x1 =";
        markers[2] = statistics ? "s =" : "";
        markers[3] = statistics ? "Mean =" : "x2 =";
        state_.prevNormalText = state_.normalText;
        state_.prevExpandedText = state_.expandedText;
        state_.normalText.clear();
        state_.expandedText.clear();
        if (!statistics)
            results[2].clear();
        Redisplay();
        entry.historyText = state_.prevNormalText;
        entry.resultLine = statistics ? results[1] + "; n = " + std::to_string(state_.statCount) +
                                            "; s = " + results[2] + "; Mean = " + results[0]
                                      : "x1 = " + results[1] + "; x2 = " + results[0];
    } else {
        Redisplay();
        entry.historyText = state_.normalText;
        entry.resultLine = results[0];
    }
    expressionShown_ = mode <= 0;
    SetInputLabel(1, state_.prevNormalText, state_.prevExpandedText);
    SetInputLabel(0, state_.normalText, state_.expandedText);
    if (outcome.symbolErrorShown) {
        entry.inputLine = state_.normalText;
        const std::size_t at = entry.inputLine.find(state_.badSymbol);
        if (at != std::string::npos) {
            entry.selectionStart = at;
            entry.selectionLength = state_.badSymbol.size();
        }
    }
    return entry;
}

} // namespace molva
