// The arithmetic evaluator: innermost brackets first, operators by kind in the
// order ^ / * % +, each kind from left to right. The text is read once into
// operands and operators; a bracket's value takes the bracket's place as one
// operand, and joins the text around it where no operator separates them
// (":sin(30)" is the operand ":sin30").
#include "engine.h"
#include "messages.h"
#include "number_text.h"
#include "text_chars.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

namespace molva {

namespace {

// An operand: a text as written (a number, ":sin30", "5!"), or a value computed
// here. A leading "-" of a text after an addition is the sign of a subtraction,
// unless it is the sign of a value that took a bracket's place.
struct Operand {
    std::string_view text;
    double raw = 0;   // a computed value as it came out of the arithmetic
    double value = 0; // the computed value as its plain text reads back; infinite beyond range
    bool present = false;
    bool computed = false;
    bool inInput = false; // `text` is a piece of the evaluated text itself
    bool signOfValue = false;

    bool negative() const { return computed ? raw < 0 : text.starts_with('-'); }
};

// The value of a function or a factorial, used as it is.
Operand FunctionValue(double value, bool signOfValue) {
    Operand operand;
    operand.raw = operand.value = value;
    operand.present = operand.computed = true;
    operand.signOfValue = signOfValue;
    return operand;
}

// The result of an operator, which the evaluator writes as plain text and reads
// back: its value carries 15 significant digits.
Operand OperatorResult(double raw, bool signOfValue) {
    Operand operand = FunctionValue(raw, signOfValue);
    operand.value = RoundToSignificant(raw, 15);
    return operand;
}

Operand InputText(std::string_view text) {
    Operand operand;
    operand.text = text;
    operand.present = operand.inInput = true;
    return operand;
}

struct Item {
    enum class Kind : char { Operand, Operator, Open };
    Kind kind;
    char op = 0;
    Operand operand;
};

constexpr std::string_view kOperatorOrder = "^/*%+";

// The evaluator's working lists, kept from one evaluation to the next so that
// once they have grown a calculation allocates nothing.
struct Workspace {
    std::vector<Item> items;
    std::vector<std::size_t> opens;
    std::vector<Operand> operands;
    std::vector<char> operators;
    std::deque<std::string> joined;
    std::string message;

    void Clear() {
        items.clear();
        opens.clear();
        joined.clear();
    }
};

class Evaluator {
  public:
    Evaluator(CalcState& state, Workspace& workspace)
        : state_(state), items_(workspace.items), opens_(workspace.opens),
          operands_(workspace.operands), operators_(workspace.operators),
          storage_(workspace.joined), message_(workspace.message) {
        workspace.Clear();
    }

    // The value of a whole expanded text, or the message that ended it.
    Evaluation Run(std::string_view text) {
        const std::size_t lastOpen = text.rfind('(');
        PushOperand(FunctionValue(1, true));
        PushOperator('*');
        std::size_t fragmentStart = 0;
        for (std::size_t k = 0; k < text.size(); ++k) {
            const char c = text[k];
            if (!IsOneOf(c, "()^*/%+"))
                continue;
            if (k > fragmentStart)
                PushText(InputText(text.substr(fragmentStart, k - fragmentStart)));
            fragmentStart = k + 1;
            if (c == '(') {
                opens_.push_back(items_.size());
                items_.push_back(Item{Item::Kind::Open, c, {}});
            } else if (c == ')') {
                if (opens_.empty())
                    return Message(lastOpen != std::string_view::npos && lastOpen > k
                                       ? kMissingRight
                                       : kMissingLeft);
                if (const char* message = CloseBracket())
                    return Message(message);
            } else if (c == '+' && EndsWithExponentMark()) {
                PushText(InputText(text.substr(k, 1)));
            } else {
                PushOperator(c);
            }
        }
        if (fragmentStart < text.size())
            PushText(InputText(text.substr(fragmentStart)));
        if (!opens_.empty())
            return Message(kMissingRight);
        Operand result;
        if (const char* message = ReduceFrom(0, result))
            return Message(message);
        if (result.computed)
            return {ValueOf(result, false), {}};
        const auto value = ParseNumber(result.text, state_.decimalSeparator);
        return value ? Evaluation{*value, {}} : Message(kSyntaxError);
    }

  private:
    static Evaluation Message(const char* message) { return {std::nullopt, message}; }

    void PushOperand(const Operand& operand) {
        items_.push_back(Item{Item::Kind::Operand, 0, operand});
    }
    void PushOperator(char op) { items_.push_back(Item{Item::Kind::Operator, op, {}}); }

    bool LastIsOperand() const {
        return !items_.empty() && items_.back().kind == Item::Kind::Operand;
    }

    // A "+" right after a text that ends with "E" is the sign of an exponent.
    bool EndsWithExponentMark() const {
        if (!LastIsOperand())
            return false;
        const Operand& last = items_.back().operand;
        return !last.computed && last.text.ends_with('E');
    }

    // Appends a text; it joins an operand right before it.
    void PushText(const Operand& piece) {
        if (!LastIsOperand()) {
            PushOperand(piece);
            return;
        }
        Operand& last = items_.back().operand;
        if (last.inInput && piece.inInput &&
            last.text.data() + last.text.size() == piece.text.data()) {
            last.text = std::string_view(last.text.data(), last.text.size() + piece.text.size());
            return;
        }
        std::string& joined = storage_.emplace_back(TextOf(last));
        joined += TextOf(piece);
        const bool signOfValue = last.signOfValue;
        last = InputText(joined);
        last.inInput = false;
        last.signOfValue = signOfValue;
    }

    // A bracket's value takes the bracket's place: on its own it is one
    // operand; next to a text it becomes part of that text.
    const char* CloseBracket() {
        const std::size_t open = opens_.back();
        opens_.pop_back();
        Operand value;
        if (const char* message = ReduceFrom(open + 1, value))
            return message;
        items_.resize(open);
        if (!value.present)
            return nullptr;
        if (LastIsOperand()) {
            PushText(value);
            return nullptr;
        }
        value.signOfValue = true;
        PushOperand(value);
        return nullptr;
    }

    std::string TextOf(const Operand& operand) const {
        return operand.computed ? PlainText(operand.raw, state_.decimalSeparator)
                                : std::string(operand.text);
    }

    // Reduces the bracket-free items from `first` to the end into one operand;
    // a message when an operator or a function fails.
    const char* ReduceFrom(std::size_t first, Operand& result) {
        operands_.clear();
        operators_.clear();
        const bool functionFirst =
            first < items_.size() && items_[first].kind == Item::Kind::Operand &&
            !items_[first].operand.computed && items_[first].operand.text.starts_with(':');
        if (functionFirst) {
            operands_.push_back(FunctionValue(1, true));
            operators_.push_back('*');
        }
        Operand current;
        for (std::size_t k = first; k < items_.size(); ++k) {
            if (items_[k].kind == Item::Kind::Operand) {
                current = items_[k].operand;
                continue;
            }
            operands_.push_back(current);
            operators_.push_back(items_[k].op);
            current = Operand();
        }
        operands_.push_back(current);
        for (const char kind : kOperatorOrder) {
            if (std::find(operators_.begin(), operators_.end(), kind) == operators_.end())
                continue;
            if (const char* message = ReduceKind(kind))
                return message;
        }
        result = operands_.front();
        return nullptr;
    }

    // Applies every operator of one kind, from left to right.
    const char* ReduceKind(char kind) {
        std::size_t kept = 0;
        Operand accumulated = operands_[0];
        for (std::size_t k = 0; k < operators_.size(); ++k) {
            if (operators_[k] != kind) {
                operands_[kept] = accumulated;
                operators_[kept] = operators_[k];
                ++kept;
                accumulated = operands_[k + 1];
                continue;
            }
            const bool aAfterAddition = kept > 0 && operators_[kept - 1] == '+';
            if (const char* message =
                    Apply(kind, accumulated, aAfterAddition, operands_[k + 1], accumulated))
                return message;
        }
        operands_[kept] = accumulated;
        operands_.resize(kept + 1);
        operators_.resize(kept);
        return nullptr;
    }

    // A subtraction's "-" in front of a power's base or of a factorial applies
    // to the result: 5-2^2 is 1, 5-3! is -1.
    static bool SignApart(const Operand& operand, bool afterAddition, bool powerBase) {
        if (!afterAddition || operand.signOfValue || !operand.negative())
            return false;
        return powerBase || (!operand.computed && operand.text.ends_with('!'));
    }

    // Applies the function or factorial of a text operand.
    const char* ResolveFunction(Operand& operand, bool signApart) {
        if (operand.computed || !operand.present)
            return nullptr;
        const std::string_view body = signApart ? operand.text.substr(1) : operand.text;
        if (!(body.ends_with('!') || body.starts_with(':')))
            return nullptr;
        const FunctionResult result = ApplyFunction(state_, body);
        if (result.failed()) {
            message_ = result.message;
            return message_.c_str();
        }
        operand = FunctionValue(signApart ? -result.value : result.value, !signApart);
        return nullptr;
    }

    // The number of an operand; with `withoutSign`, of the operand without its
    // leading "-".
    double ValueOf(const Operand& operand, bool withoutSign) const {
        if (!operand.computed) {
            const std::string_view body = withoutSign ? operand.text.substr(1) : operand.text;
            return ToNumber(body, state_.decimalSeparator);
        }
        if (std::isinf(operand.value))
            throw CalcFailure{Overflow};
        return withoutSign ? -operand.value : operand.value;
    }

    const char* Apply(char kind, Operand a, bool aAfterAddition, Operand b, Operand& result) {
        if (const char* message = ResolveFunction(a, SignApart(a, aAfterAddition, kind == '^')))
            return message;
        if (const char* message = ResolveFunction(b, SignApart(b, kind == '+', false)))
            return message;
        if (!a.present || !b.present)
            return kSyntaxError;
        if (kind == '^')
            return Power(a, SignApart(a, aAfterAddition, true), b, result);
        const double aValue = ValueOf(a, false);
        const double bValue = ValueOf(b, false);
        double v = 0;
        switch (kind) {
        case '/':
            if (bValue == 0)
                return kDivideByZero;
            v = aValue / bValue;
            break;
        case '*':
            v = aValue * bValue;
            break;
        case '%':
            v = (aValue * bValue) / 100;
            break;
        default:
            v = aValue + bValue;
            break;
        }
        result = OperatorResult(CheckedResult(v), true);
        return nullptr;
    }

    // The base's own sign decides about roots; a subtraction's sign in front
    // of the base is applied to the power.
    const char* Power(const Operand& a, bool signApart, const Operand& b, Operand& result) {
        const double base = ValueOf(a, signApart);
        const double exponent = ValueOf(b, false);
        if (base < 0 && exponent != std::floor(exponent))
            return kRootOfNegative;
        if (base == 0 && exponent < 0)
            throw CalcFailure{DivisionByZero};
        const double power = CheckedResult(std::pow(base, exponent));
        result = OperatorResult(signApart ? -power : power, !signApart);
        return nullptr;
    }

    CalcState& state_;
    std::vector<Item>& items_;
    std::vector<std::size_t>& opens_;
    std::vector<Operand>& operands_;
    std::vector<char>& operators_;
    std::deque<std::string>& storage_;
    std::string& message_;
};

} // namespace

Evaluation EvaluateValue(CalcState& state, std::string_view text) {
    if (text.empty())
        return {};
    thread_local Workspace workspace;
    try {
        return Evaluator(state, workspace).Run(text);
    } catch (const CalcFailure& failure) {
        return {std::nullopt, failure.description};
    }
}

std::string Evaluate(CalcState& state, std::string_view text) {
    const Evaluation evaluation = EvaluateValue(state, text);
    return evaluation.value ? EvaluatorForm(*evaluation.value, state.decimalSeparator)
                            : evaluation.message;
}

} // namespace molva
