// The quadratic and statistics modes: coefficients and data are plain numbers.
#include "data_summary.h"
#include "engine.h"
#include "messages.h"
#include "number_text.h"
#include "text_chars.h"

#include <cmath>
#include <limits>

namespace molva {

namespace {

// The text of a coefficient: "1" appended when it is not numeric, so that an
// empty coefficient is 1 and a lone "-" is -1.
std::string Coefficient(std::string_view text, char separator) {
    std::string coefficient(text);
    if (!IsNumeric(coefficient, separator))
        coefficient += '1';
    return coefficient;
}

void DropLeading(std::string& text, std::string_view characters) {
    if (!text.empty() && IsOneOf(text.front(), characters))
        text.erase(0, 1);
}

double CoefficientValue(const std::string& text, char separator) {
    return text.empty() ? 0.0 : ToNumber(text, separator);
}

std::string Term(double value, char separator, std::string_view unit) {
    std::string term = value > 0 ? " + " : " - ";
    if (std::fabs(value) != 1 || unit.empty())
        AppendPlainText(term, std::fabs(value), separator);
    term += unit;
    return term;
}

// The canonical equation: x^2 - 5x + 6 = 0.
std::string Equation(double a, double b, double c, char separator) {
    std::string equation = a == 1 ? "x^2" : a == -1 ? "-x^2" : PlainText(a, separator) + "x^2";
    if (b != 0)
        equation += Term(b, separator, "x");
    if (c != 0)
        equation += Term(c, separator, "");
    return equation + " = 0";
}

double Quotient(double numerator, double denominator) {
    if (denominator == 0)
        throw CalcFailure{DivisionByZero};
    return CheckedResult(numerator / denominator);
}

void SolveQuadraticOrThrow(CalcState& state) {
    const char separator = state.decimalSeparator;
    state.resultLines.assign(2, std::string());
    const std::string t = state.normalText;
    std::string aText, bText, cText;
    const std::size_t q = t.find("X^2");
    if (q == std::string::npos) {
        state.resultLines[0] = kNoA;
    } else {
        const std::size_t open = t.find('(');
        const std::size_t aStart = open == std::string::npos ? 0 : open + 1;
        if (aStart > q)
            throw CalcFailure{InvalidCall};
        aText = Coefficient(std::string_view(t).substr(aStart, q - aStart), separator);
        std::string r = t.substr(q + 3);
        const std::size_t x = r.find('X');
        if (x != std::string::npos)
            bText = Coefficient(std::string_view(r).substr(0, x), separator);
        r = x == std::string::npos ? r : r.substr(x + 1);
        const std::size_t equals = r.find('=');
        if (equals != std::string::npos)
            cText = r.substr(0, equals);
        else if (r.find(')') != std::string::npos)
            cText = r.substr(0, r.size() - 1);
        else
            cText = r;
        DropLeading(aText, ":+");
        DropLeading(bText, "+");
        DropLeading(cText, "+");
    }
    const double a = CoefficientValue(aText, separator);
    const double b = CoefficientValue(bText, separator);
    const double c = CoefficientValue(cText, separator);
    state.normalText = Equation(a, b, c, separator);
    const double d = CheckedResult(CheckedResult(b * b) - CheckedResult(CheckedResult(a * 4) * c));
    if (d > 0) {
        const double root = std::sqrt(d);
        state.resultLines[0] = PlainText(Quotient(-b + root, 2 * a), separator);
        state.resultLines[1] = PlainText(Quotient(-b - root, 2 * a), separator);
    } else if (d == 0) {
        state.resultLines[0] = PlainText(Quotient(-b, 2 * a), separator);
        state.resultLines[1] = state.resultLines[0];
    } else {
        state.resultLines.assign(2, kComplex);
    }
}

void ClearData(CalcState& state) {
    state.statCount = 0;
    state.statValues.clear();
}

void EndWithoutResults(CalcState& state, const char* message) {
    state.resultText = message;
    state.mode = CalcMode::RootsShown;
}

void StoreValue(CalcState& state, const std::string& text) {
    state.statValues[static_cast<std::size_t>(state.statCount) - 1] =
        ToNumber(text, state.decimalSeparator);
}

void NextValue(CalcState& state) {
    if (state.statCount == std::numeric_limits<std::int16_t>::max())
        throw CalcFailure{Overflow};
    ++state.statCount;
    state.statValues.emplace_back();
}

bool ReadValues(CalcState& state) {
    const std::string& text = state.normalText;
    state.statCount = 1;
    state.statValues.assign(1, 0.0);
    std::string value;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (IsOneOf(c, ":()") || IsLower(c))
            continue;
        if (IsOneOf(c, "*/%^")) {
            ClearData(state);
            EndWithoutResults(state, kOnlyPlusDiffers);
            return false;
        }
        const bool signOfValue = c == '-' && k > 0 && IsOneOf(text[k - 1], "(E+");
        if (c == '+' || (c == '-' && !signOfValue)) {
            StoreValue(state, value);
            value.clear();
            if (c == '-')
                value += '-';
            NextValue(state);
        } else {
            value += c;
        }
    }
    StoreValue(state, value);
    return true;
}

// Reads the data afresh; false when an operator other than "+" ended the run.
// A value that cannot be read empties the data; a failure after a successful
// read keeps them.
bool ReadData(CalcState& state) {
    try {
        return ReadValues(state);
    } catch (const CalcFailure&) {
        ClearData(state);
        throw;
    }
}

void ComputeStatisticsOrThrow(CalcState& state) {
    state.resultLines.assign(3, std::string());
    const std::string& text = state.normalText;
    if (text.size() == 4 && state.statCount == 0) {
        state.mode = CalcMode::RootsShown;
        return;
    }
    if (text.size() == 5 && text.back() == '0') {
        ClearData(state);
        EndWithoutResults(state, "0");
        return;
    }
    if (text.size() == 5 && text.find('+') == std::string::npos) {
        EndWithoutResults(state, kOnlyPlusSeparates);
        return;
    }
    if (text.size() != 4 && !ReadData(state))
        return;
    if (state.statCount == 1) {
        EndWithoutResults(state, kNoData);
        return;
    }
    const char separator = state.decimalSeparator;
    const DataSummary summary = SummariseData(state.statValues);
    state.normalText = DataListText(state.statValues, separator);
    state.resultLines[0] = PlainText(summary.sum, separator);
    state.resultLines[1] = PlainText(summary.mean, separator);
    state.resultLines[2] = PlainText(summary.sampleDeviation, separator);
}

} // namespace

DataSummary SummariseData(const std::vector<double>& values) {
    DataSummary summary;
    summary.count = values.size();
    for (const double value : values) {
        summary.sum = CheckedResult(summary.sum + value);
        summary.sumOfSquares += value * value;
    }
    const double count = static_cast<double>(summary.count);
    summary.mean = summary.sum / count;
    double squaredDistances = 0;
    for (const double value : values)
        squaredDistances =
            CheckedResult(squaredDistances + (value - summary.mean) * (value - summary.mean));
    summary.populationDeviation = std::sqrt(squaredDistances / count);
    if (summary.count > 1)
        summary.sampleDeviation = std::sqrt(squaredDistances / (count - 1));
    return summary;
}

std::string DataListText(const std::vector<double>& values, char decimalSeparator) {
    std::string list = ":sum(";
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0)
            list += '+';
        AppendPlainText(list, values[k], decimalSeparator);
    }
    return list + ")";
}

void SolveQuadratic(CalcState& state) {
    try {
        SolveQuadraticOrThrow(state);
    } catch (const CalcFailure& failure) {
        EndWithoutResults(state, failure.description);
    }
}

void ComputeStatistics(CalcState& state) {
    try {
        ComputeStatisticsOrThrow(state);
    } catch (const CalcFailure& failure) {
        EndWithoutResults(state, failure.description);
    }
}

} // namespace molva
