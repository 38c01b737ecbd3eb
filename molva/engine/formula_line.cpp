// A typed line that is a plain formula (C6H12O6, (NH4)2SO4, K4[Fe(CN)6], 5H2O)
// calculated in one reading. Most lines people weigh are of this kind; the
// reading gives the same canonical text, expanded text and value as the text
// pipeline of normalisation, formula expansion and evaluation, which handles
// every other line.
#include "elements.h"
#include "engine.h"
#include "text_chars.h"

#include <array>
#include <cstdint>

namespace molva {

namespace {

constexpr std::size_t kMaxLength = 256;
constexpr int kMaxDepth = 16;
constexpr std::size_t kMaxCountDigits = 9;

// The expanded text of a plain formula, written without allocating. A typed
// character gives at most a joiner and a weight of ten characters, so the
// capacity holds the text of the longest line taken.
class ExpandedText {
  public:
    void Clear() { size_ = 0; }
    bool Empty() const { return size_ == 0; }
    char Last() const { return size_ == 0 ? '\0' : buffer_[size_ - 1]; }
    std::string_view View() const { return {buffer_.data(), size_}; }

    void Add(char c) { buffer_[size_++] = c; }
    void Add(std::string_view text) {
        text.copy(buffer_.data() + size_, text.size());
        size_ += text.size();
    }
    // A weight as written in the table, with the calculation's decimal separator.
    void AddWeight(std::string_view weight, char decimalSeparator) {
        for (const char c : weight)
            buffer_[size_++] = c == '.' ? decimalSeparator : c;
    }

  private:
    std::array<char, kMaxLength * 12 + 16> buffer_;
    std::size_t size_ = 0;
};

// The position of the bracket that closes the one at the start of a text.
std::size_t BracketClosingFirst(std::string_view text) {
    int depth = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        depth += IsOpening(text[k]) ? 1 : IsClosing(text[k]) ? -1 : 0;
        if (depth == 0)
            return k;
    }
    return std::string_view::npos;
}

// Weights and values in units of 1e-7, exact as whole numbers: every weight
// of the table has at most seven decimals.
constexpr double kScale = 1e7;
// Values below 1e8 have at most 15 significant digits in these units.
constexpr std::int64_t kLargest = 999999999999999;

// A value in units of 1e-7, or nullopt beyond kLargest.
std::optional<std::int64_t> Checked(std::int64_t value) {
    return value >= 0 && value <= kLargest ? std::optional<std::int64_t>(value) : std::nullopt;
}

// A value times a count, or nullopt beyond kLargest.
std::optional<std::int64_t> Times(std::int64_t value, std::int64_t count) {
    if (count != 0 && value > kLargest / count)
        return std::nullopt;
    return value * count;
}

// Reads a formula: terms joined by "+" in the expanded text, each an element
// or a bracket, with an optional count. The evaluator multiplies a term by its
// count and adds the terms from left to right, each result written with 15
// significant digits and read back. Every result here is a decimal of at most
// 15 significant digits, and each operation on the doubles nearest to such
// decimals lands closer to the exact result than half a unit of its 15th
// digit, so the evaluator's value of the formula is the double nearest to the
// exact sum that whole numbers of 1e-7 give.
class FormulaReader {
  public:
    FormulaReader(std::string_view formula, const CalcState& state, ExpandedText& expanded)
        : text_(formula), separator_(state.decimalSeparator), table_(SymbolTableOf(state.weights)),
          expanded_(expanded) {}

    // The formula's value in units of 1e-7; nullopt when the text is not a
    // plain formula or its value is 1e8 or more.
    std::optional<std::int64_t> Read() {
        const auto value = Terms(0);
        if (!value || pos_ != text_.size())
            return std::nullopt;
        return value;
    }

    std::int16_t decimals() const { return decimals_; }

  private:
    char At(std::size_t k) const { return CharAt(text_, k); }

    std::optional<std::int64_t> Terms(int depth) {
        std::optional<std::int64_t> sum;
        while (pos_ < text_.size() && !IsClosing(At(pos_))) {
            const auto term = Term(depth);
            if (!term)
                return std::nullopt;
            sum = Checked(sum.value_or(0) + *term);
            if (!sum)
                return std::nullopt;
        }
        return sum;
    }

    std::optional<std::int64_t> Term(int depth) {
        const char last = expanded_.Last();
        if (last != '\0' && last != '(' && last != '*')
            expanded_.Add('+');
        const auto atom = IsOpening(At(pos_)) ? Group(depth) : Symbol();
        if (!atom || !IsDigit(At(pos_)))
            return atom;
        const std::size_t start = pos_;
        std::int64_t count = 0;
        while (IsDigit(At(pos_)) && pos_ - start < kMaxCountDigits)
            count = count * 10 + (At(pos_++) - '0');
        if (IsDigit(At(pos_)))
            return std::nullopt;
        expanded_.Add('*');
        expanded_.Add(text_.substr(start, pos_ - start));
        return Times(*atom, count);
    }

    // A bracket holding at least one term; an empty pair is not a formula.
    std::optional<std::int64_t> Group(int depth) {
        if (depth == kMaxDepth || !(IsUpper(At(pos_ + 1)) || IsOpening(At(pos_ + 1))))
            return std::nullopt;
        ++pos_;
        expanded_.Add('(');
        const auto value = Terms(depth + 1);
        if (!value || !IsClosing(At(pos_)))
            return std::nullopt;
        ++pos_;
        expanded_.Add(')');
        return value;
    }

    // An element symbol: a capital letter and at most one small letter.
    std::optional<std::int64_t> Symbol() {
        if (!IsUpper(At(pos_)))
            return std::nullopt;
        const std::size_t length = IsLower(At(pos_ + 1)) ? 2 : 1;
        if (IsLower(At(pos_ + length)))
            return std::nullopt;
        const Element* element = table_.Find(text_.substr(pos_, length), decimals_);
        if (!element || element->weightInTenMillionths < 0)
            return std::nullopt;
        pos_ += length;
        expanded_.AddWeight(element->weightText, separator_);
        return element->weightInTenMillionths;
    }

    std::string_view text_;
    char separator_;
    SymbolTable table_;
    ExpandedText& expanded_;
    std::size_t pos_ = 0;
    std::int16_t decimals_ = 10;
};

// True when the typed line passes the input filter and the token rules
// unchanged: nothing but letters, digits and brackets.
bool OnlyFormulaCharacters(std::string_view line) {
    for (const char c : line) {
        if (!(IsUpper(c) || IsLower(c) || IsDigit(c) || IsOpening(c) || IsClosing(c)))
            return false;
    }
    return true;
}

} // namespace

std::optional<double> CalculatePlainFormula(CalcState& state) {
    const std::string_view line = state.inputText;
    if (line.empty() || line.size() > kMaxLength || !OnlyFormulaCharacters(line) ||
        state.mode == CalcMode::Statistics || state.mode == CalcMode::Quadratic)
        return std::nullopt;
    std::size_t coefficientLength = 0;
    while (IsDigit(CharAt(line, coefficientLength)))
        ++coefficientLength;
    if (coefficientLength > kMaxCountDigits || coefficientLength == line.size())
        return std::nullopt;
    const std::string_view coefficientText = line.substr(0, coefficientLength);
    const std::string_view formula = line.substr(coefficientLength);
    // A coefficient makes the formula one operand in brackets, unless it is one
    // bracket already: 5H2O is 5*(H2O).
    const bool bracketed =
        coefficientLength > 0 &&
        !(IsOpening(formula.front()) && BracketClosingFirst(formula) == formula.size() - 1);
    thread_local ExpandedText expanded;
    expanded.Clear();
    if (coefficientLength > 0) {
        expanded.Add(coefficientText);
        expanded.Add('*');
    }
    if (bracketed)
        expanded.Add('(');
    FormulaReader reader(formula, state, expanded);
    auto value = reader.Read();
    if (!value)
        return std::nullopt;
    if (bracketed)
        expanded.Add(')');
    if (coefficientLength > 0) {
        std::int64_t coefficient = 0;
        for (const char c : coefficientText)
            coefficient = coefficient * 10 + (c - '0');
        if (!(value = Times(*value, coefficient)))
            return std::nullopt;
        std::string normal(coefficientText);
        normal += bracketed ? "*(" : "*";
        normal += formula;
        if (bracketed)
            normal += ')';
        state.inputText.insert(0, "1*");
        state.normalText = std::move(normal);
    } else {
        state.normalText = line;
    }
    state.additiveOnly = true;
    state.decimals = reader.decimals();
    state.expandedText = expanded.View();
    return static_cast<double>(*value) / kScale;
}

} // namespace molva
