// The arithmetic evaluator: innermost brackets first, operators by kind in the
// order ^ / * % +, each kind from left to right, results spliced back as text.
#include "engine.h"
#include "messages.h"
#include "number_text.h"
#include "text_chars.h"

#include <cmath>

namespace molva {

namespace {

// A "+" counts as an addition unless it follows "E" (the sign of an exponent).
bool IsAdditionAt(std::string_view text, std::size_t k) {
    return text[k] == '+' && (k == 0 || text[k - 1] != 'E');
}

bool IsSeparatorAt(std::string_view text, std::size_t k) {
    return IsOneOf(text[k], "^*/%") || IsAdditionAt(text, k);
}

std::size_t FindOperator(std::string_view text, char op) {
    if (op != '+')
        return text.find(op);
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (IsAdditionAt(text, k))
            return k;
    }
    return std::string_view::npos;
}

// One operand of an operator. A "-" right after an addition comes from a
// subtraction: a power or factorial then applies to the operand without it,
// and the result is negated (5-2^2 is 1, 5-3! is -1).
struct Operand {
    bool present = false;
    bool fromSubtraction = false;
    double magnitudeValue = 0; // the value without a subtraction's "-"

    double value() const { return fromSubtraction ? -magnitudeValue : magnitudeValue; }
};

// Reads an operand; a function's message is left in `message`.
Operand ReadOperand(CalcState& state, std::string_view text, bool afterAddition,
                    std::string& message) {
    Operand operand;
    if (text.empty())
        return operand;
    operand.present = true;
    operand.fromSubtraction = afterAddition && text.front() == '-';
    const std::string_view body = operand.fromSubtraction ? text.substr(1) : text;
    if (!body.empty() && (body.back() == '!' || body.front() == ':')) {
        const FunctionResult result = ApplyFunction(state, body);
        if (result.failed()) {
            message = result.message;
            return operand;
        }
        operand.magnitudeValue = result.value;
    } else {
        operand.magnitudeValue = ToNumber(body, state.decimalSeparator);
    }
    return operand;
}

double Power(const Operand& a, const Operand& b) {
    const double base = a.magnitudeValue;
    if (base == 0 && b.value() < 0)
        throw CalcFailure{DivisionByZero};
    const double power = CheckedResult(std::pow(base, b.value()));
    return a.fromSubtraction ? -power : power;
}

// Reduces a bracket-free text in place; returns a message, or empty on success.
std::string Reduce(CalcState& state, std::string& text) {
    for (const char op : {'^', '/', '*', '%', '+'}) {
        for (std::size_t p = FindOperator(text, op); p != std::string::npos;
             p = FindOperator(text, op)) {
            std::size_t aStart = p;
            while (aStart > 0 && !IsSeparatorAt(text, aStart - 1))
                --aStart;
            std::size_t bEnd = p + 1;
            while (bEnd < text.size() && !IsSeparatorAt(text, bEnd))
                ++bEnd;
            const std::string_view view = text;
            const std::string_view aText = view.substr(aStart, p - aStart);
            const std::string_view bText = view.substr(p + 1, bEnd - p - 1);
            const bool aAfterAddition = aStart > 0 && IsAdditionAt(view, aStart - 1);
            std::string message;
            const Operand a = ReadOperand(state, aText, aAfterAddition, message);
            if (!message.empty())
                return message;
            const Operand b = ReadOperand(state, bText, op == '+', message);
            if (!message.empty())
                return message;
            if (!a.present || !b.present)
                return kSyntaxError;
            double v = 0;
            switch (op) {
            case '^':
                if (a.magnitudeValue < 0 && bText.find(state.decimalSeparator) != bText.npos)
                    return kRootOfNegative;
                v = Power(a, b);
                break;
            case '/':
                if (b.value() == 0)
                    return kDivideByZero;
                v = a.value() / b.value();
                break;
            case '*':
                v = a.value() * b.value();
                break;
            case '%':
                v = (a.value() * b.value()) / 100;
                break;
            default:
                v = a.value() + b.value();
                break;
            }
            text.replace(aStart, bEnd - aStart,
                         PlainText(CheckedResult(v), state.decimalSeparator));
        }
    }
    return {};
}

std::string EvaluateBrackets(CalcState& state, std::string_view expanded) {
    std::string w = "1*";
    w += expanded;
    while (true) {
        const std::size_t close = w.find(')');
        const std::size_t firstOpen = w.find('(');
        if (firstOpen != std::string::npos && (close == std::string::npos || firstOpen > close))
            return kMissingRight;
        if (close == std::string::npos) {
            const std::string message = Reduce(state, w);
            if (!message.empty())
                return message;
            const auto value = ParseNumber(w, state.decimalSeparator);
            return value ? EvaluatorForm(*value, state.decimalSeparator) : kSyntaxError;
        }
        const std::size_t open = w.rfind('(', close);
        if (open == std::string::npos)
            return kMissingLeft;
        std::string inner = w.substr(open + 1, close - open - 1);
        if (inner.starts_with(':'))
            inner.insert(0, "1*");
        const std::string message = Reduce(state, inner);
        if (!message.empty())
            return message;
        w.replace(open, close - open + 1, inner);
    }
}

} // namespace

std::string Evaluate(CalcState& state, std::string_view text) {
    if (text.empty())
        return {};
    try {
        return EvaluateBrackets(state, text);
    } catch (const CalcFailure& failure) {
        return failure.description;
    }
}

} // namespace molva
