// The expression engine's one state record and the small types around it.
#pragma once

#include "elements.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace molva {

enum class CalcMode : std::int16_t {
    Expression = 0,
    Statistics = 1,
    Quadratic = 2,
    StatisticsShown = -1,
    RootsShown = -2,
};

enum class AngleUnit : std::int16_t { Radians = 0, Degrees = 1, Grads = 2 };

enum class FormatKind : std::int16_t { Automatic = 0, Scientific = 1, Fixed = 2, FormulaFixed = 3 };

struct CalcState {
    CalcMode mode = CalcMode::Expression;
    std::string inputText;
    std::string normalText;
    std::string expandedText;
    std::string resultText;
    std::string prevNormalText;
    std::string prevExpandedText;
    std::string prevResultText;
    double memory = 0;
    AngleUnit angleUnit = AngleUnit::Radians;
    AtomicWeights weights = AtomicWeights::Classic;
    char decimalSeparator = '.';
    bool groupThousands = false;
    bool showSeparators = true;
    bool additiveOnly = true;
    std::int16_t decimals = 10;
    std::string badSymbol;
    bool symbolError = false;
    std::vector<double> statValues; // statValues[0] is value number 1
    std::int16_t statCount = 0;
    std::vector<std::string> resultLines;
    std::mt19937_64 random{std::random_device{}()};
};

// Result text number k of the quadratic or statistics mode; empty when there is none.
inline const std::string& ResultLine(const CalcState& state, std::size_t k) {
    static const std::string none;
    return k < state.resultLines.size() ? state.resultLines[k] : none;
}

// The decimal separator of a locale whose text for one half is `halfText`:
// "." when that text contains ".", otherwise ",".
inline char DecimalSeparatorFor(const std::string& halfText) {
    return halfText.find('.') != std::string::npos ? '.' : ',';
}

// What one entered line gives the window.
struct LineOutcome {
    std::string historyText;
    std::string resultLine;
    std::optional<FormatKind> newFormat;
    std::optional<double> newDecimals; // the count read after "sci" or "fix"
    std::optional<AngleUnit> newAngle;
    bool memoryCommand = false;
    bool symbolErrorShown = false; // the result is "<symbol> isn't element symbol!"
    bool tooLong = false;          // the filtered line exceeds 32767 characters: nothing ran
};

} // namespace molva
