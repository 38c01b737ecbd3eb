#include "session.h"

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
}

std::string_view CalcSession::formatZeros() const {
    return ZerosFor(decimalPlaces_);
}

std::string CalcSession::Shown(std::string_view value) const {
    return FormatNumber(value, formatKind_, formatZeros(), state_.groupThousands, state_);
}

void CalcSession::PokaziRezultat() {
    const int mode = std::abs(static_cast<int>(state_.mode));
    auto& rezultat = display_.rezultat;
    if (mode == 1) {
        rezultat[0] = Shown(ResultLine(state_, 1));
        rezultat[1] = Shown(ResultLine(state_, 0));
        rezultat[2] = Shown(ResultLine(state_, 2));
    } else if (mode == 2) {
        rezultat[1] = Shown(ResultLine(state_, 0));
        rezultat[0] = Shown(ResultLine(state_, 1));
    } else {
        rezultat[1] = Shown(state_.prevResultText);
        const bool keepPrecision = formatKind_ == FormatKind::Automatic && state_.additiveOnly;
        rezultat[0] = keepPrecision ? state_.resultText : Shown(state_.resultText);
    }
}

void CalcSession::SelectFormat(FormatKind kind) {
    formatKind_ = kind;
    if (kind == FormatKind::Fixed && state_.groupThousands)
        ApplyDecimalPlaces(2);
    PokaziRezultat();
}

void CalcSession::SetGrouping(bool grouping) {
    state_.groupThousands = grouping;
    if (grouping)
        ApplyDecimalPlaces(2);
    PokaziRezultat();
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
        PokaziRezultat();
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

std::string CalcSession::MemoryText() const {
    return PlainText(state_.memory, state_.decimalSeparator);
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

// lblUnosFormule(k) shows a canonical text with its expanded text as tool tip.
void CalcSession::SetInputLabel(std::size_t k, const std::string& normal,
                                const std::string& expanded) {
    display_.unosFormule[k] = normal;
    std::string& tip = display_.unosFormuleTip[k];
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
    auto& oznaka = display_.oznaka;
    auto& rezultat = display_.rezultat;
    const int mode = static_cast<int>(state_.mode);
    if (mode < 0) {
        state_.mode = CalcMode::Expression;
        oznaka[1].clear();
        oznaka[2].clear();
        oznaka[3].clear();
        rezultat[2].clear();
        PokaziRezultat();
        entry.historyText = state_.normalText;
        entry.resultLine = rezultat[0];
    } else if (mode == 1 || mode == 2) {
        const bool statistics = mode == 1;
        state_.mode = statistics ? CalcMode::StatisticsShown : CalcMode::RootsShown;
        oznaka[1] = statistics ? "n = " + std::to_string(state_.statCount) : "x1 =";
        oznaka[2] = statistics ? "s =" : "";
        oznaka[3] = statistics ? "Mean =" : "x2 =";
        state_.prevNormalText = state_.normalText;
        state_.prevExpandedText = state_.expandedText;
        state_.normalText.clear();
        state_.expandedText.clear();
        if (!statistics)
            rezultat[2].clear();
        PokaziRezultat();
        entry.historyText = state_.prevNormalText;
        entry.resultLine = statistics ? rezultat[1] + "; n = " + std::to_string(state_.statCount) +
                                            "; s = " + rezultat[2] + "; Mean = " + rezultat[0]
                                      : "x1 = " + rezultat[1] + "; x2 = " + rezultat[0];
    } else {
        PokaziRezultat();
        entry.historyText = state_.normalText;
        entry.resultLine = rezultat[0];
    }
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
