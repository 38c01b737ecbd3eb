// Formula expansion: element symbols become atomic weights, value tokens become
// numbers, brackets become round, and a binary minus becomes "+-".
#include "elements.h"
#include "engine.h"
#include "number_text.h"
#include "text_chars.h"

#include <algorithm>
#include <optional>

namespace molva {

namespace {

// The text of a value token; a negative value in brackets, so that it stays one
// operand: after -2, 1+ans^2 is 1+(-2)^2.
void AppendValue(std::string& out, std::string_view value) {
    if (!value.starts_with('-')) {
        out += value;
        return;
    }
    out += '(';
    out += value;
    out += ')';
}

// Pass A: joiners between the symbols and groups of a formula, "*" before
// counts, the value tokens replaced, and functions kept whole.
std::string JoinFormulaParts(const CalcState& state, std::string_view s, bool& upperSeen) {
    std::string out;
    out.reserve(s.size() * 2);
    bool inFormula = false;
    bool afterToken = false;
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n; ++i) {
        char c = s[i];
        char next = CharAt(s, i + 1);
        const char last = out.empty() ? '\0' : out.back();
        if (IsOneOf(c, "{["))
            c = '(';
        else if (IsOneOf(c, "}]"))
            c = ')';
        else if (IsOneOf(next, "{["))
            next = '(';
        else if (IsOneOf(next, "}]"))
            next = ')';
        upperSeen = upperSeen || IsUpper(c);
        if (IsUpper(c) || c == '(')
            inFormula = true;
        if (IsOneOf(c, "^*/%+-"))
            inFormula = false;

        std::string_view joiner = "+";
        std::string_view prefix;
        if (inFormula) {
            if (last == '\0' || IsOneOf(last, "(^*/%+-") || afterToken)
                joiner = "";
            const bool exponent = c == 'E' && !(IsLower(next) || next == '\0');
            if (IsUpper(c) && !exponent)
                prefix = joiner;
            if (IsDigit(c) && !(IsDigit(last) || IsOneOf(last, "E,.(")) && !afterToken)
                prefix = "*";
            if (c == '(' && !(last == '>' || last == '<' || afterToken))
                prefix = joiner;
        }
        if (c == '-') {
            const bool binary = last != '\0' && !IsOneOf(last, "^/*%+-(E") && !afterToken;
            if (binary)
                out += IsOneOf(next, "(:") ? "+-1*" : "+-";
            else
                out += (IsOneOf(next, "(:") || next == '\0') ? "-1*" : "-";
            afterToken = false;
            continue;
        }
        afterToken = false;
        out += prefix;
        if (c != ':') {
            out += c;
            continue;
        }
        const std::string_view rest = s.substr(i);
        if (rest.starts_with(":ans")) {
            AppendValue(out, state.prevResultText);
            i += 3;
        } else if (rest.starts_with(":mem")) {
            AppendValue(out, PlainText(state.memory, state.decimalSeparator));
            i += 3;
        } else if (rest.starts_with(":pi")) {
            out += "3";
            out += state.decimalSeparator;
            out += "14159265358979";
            i += 2;
        } else {
            afterToken = true;
            std::size_t end = i + 1;
            while (end < n && !IsOneOf(s[end], "-([") && !IsDigit(s[end]))
                ++end;
            if (end == n)
                end = std::max(n - 1, i + 1);
            out.append(s.substr(i, end - i));
            i = end - 1;
        }
    }
    return out;
}

// Pass B: every symbol replaced by its weight; the failed symbol when one is unknown.
std::optional<std::string> ReplaceSymbols(CalcState& state, std::string_view t,
                                          std::string& result) {
    result.clear();
    result.reserve(t.size() * 4);
    for (std::size_t k = 0; k < t.size(); ++k) {
        const char c = t[k];
        if (!IsUpper(c)) {
            result += c;
            continue;
        }
        std::string_view symbol = t.substr(k, 1);
        if (IsLower(CharAt(t, k + 1))) {
            symbol = t.substr(k, 2);
            ++k;
        } else if (c == 'E') {
            result += c;
            continue;
        }
        const Element* element = FindElement(symbol, state);
        if (!element)
            return std::string(symbol);
        for (const char digit : element->weightText)
            result += digit == '.' ? state.decimalSeparator : digit;
    }
    return std::nullopt;
}

// Repairs the letter case around a failed symbol that stands at p in
// normalText; the 0-based position of the repair, or nullopt when nothing can
// be repaired.
std::optional<std::size_t> RepairSymbolAt(std::string& normalText, const std::string& symbol,
                                          std::size_t p, AtomicWeights weights) {
    if (p == std::string::npos)
        return std::nullopt;
    if (p + 1 >= normalText.size() || symbol.size() == 2) {
        std::int16_t precision = 0;
        if (!FindElement(symbol.substr(0, 1), precision, weights))
            return std::nullopt;
        for (std::size_t k = p; k < p + 2 && k < normalText.size(); ++k)
            normalText[k] = ToUpper(normalText[k]);
        return p;
    }
    normalText[p + 1] = ToLower(normalText[p + 1]);
    return p;
}

bool IsLettersAndDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return IsUpper(c) || IsLower(c) || IsDigit(c); });
}

// The case repairs of a text of letters and digits, such as a long line of
// formulas typed in lower case, without running both passes and NormaliseInput
// over the whole text after every repair. In such a text pass A puts joiners
// only in front of capitals and digits, so pass B fails on the first symbol,
// read from the text itself, that the table does not know; every symbol before
// it is known, so a two-letter symbol occurs there first. After a repair only
// the symbols from the repair on are read again, and when the repaired text is
// its own canonical text NormaliseInput is left out until its effect on
// additiveOnly is needed. Any other text takes the full passes.
class LetterRepairs {
  public:
    explicit LetterRepairs(std::string_view normalText)
        : lettersOnly_(IsLettersAndDigits(normalText)) {}

    // The failed symbol of an attempt, when the text is letters and digits
    // and holds an unknown symbol; nullopt for the full passes to decide.
    std::optional<std::string> FailedSymbol(const CalcState& state, std::string_view text) {
        failedAt_.reset();
        if (!lettersOnly_)
            return std::nullopt;
        std::size_t k = knownUpTo_;
        while (k < text.size()) {
            if (!IsUpper(text[k])) {
                ++k;
                continue;
            }
            const std::size_t length = IsLower(CharAt(text, k + 1)) ? 2 : 1;
            const std::string_view symbol = text.substr(k, length);
            std::int16_t precision = 0;
            if (symbol != "E" && !FindElement(symbol, precision, state.weights)) {
                failedAt_ = k;
                return std::string(symbol);
            }
            k += length;
        }
        return std::nullopt;
    }

    std::optional<std::size_t> Repair(std::string& text, const std::string& symbol,
                                      AtomicWeights weights) {
        const std::size_t p = failedAt_ && symbol.size() == 2 ? *failedAt_ : text.find(symbol);
        const auto repaired = RepairSymbolAt(text, symbol, p, weights);
        knownUpTo_ = 0;
        if (repaired && failedAt_)
            knownUpTo_ = *repaired > 0 && IsUpper(text[*repaired - 1]) ? *repaired - 1 : *repaired;
        return repaired;
    }

    // Normalises the text after a repair at p, or finds that it would stay as it is.
    void Normalise(CalcState& state, std::string& text, std::size_t p) {
        const std::size_t to = std::min(p + 2, text.size());
        canonicalKnown_ = lettersOnly_ && (canonicalKnown_ ? canonical_.Recheck(state, text, p, to)
                                                           : canonical_.Check(state, text));
        if (canonicalKnown_) {
            normalisePending_ = true;
            return;
        }
        normalisePending_ = false;
        NormaliseKeepingMode(state, text);
        lettersOnly_ = IsLettersAndDigits(text);
        knownUpTo_ = 0;
    }

    // Runs the NormaliseInput left out last, for its effect on additiveOnly;
    // the text stays as it is.
    void Settle(CalcState& state, std::string& text) {
        if (normalisePending_)
            NormaliseKeepingMode(state, text);
        normalisePending_ = false;
    }

  private:
    // Re-normalising for a case repair must not switch the calculation's
    // mode: the expression path is already chosen.
    static void NormaliseKeepingMode(CalcState& state, std::string& text) {
        const CalcMode mode = state.mode;
        text = NormaliseInput(state, text);
        state.mode = mode;
    }

    bool lettersOnly_;
    std::size_t knownUpTo_ = 0;
    std::optional<std::size_t> failedAt_;
    CanonicalLetters canonical_;
    bool canonicalKnown_ = false;
    bool normalisePending_ = false;
};

} // namespace

std::string ExpandFormulas(CalcState& state, std::string& normalText) {
    constexpr long kGivenUp = -1;
    long guard = 0;
    const std::size_t maxAttempts = 2 * normalText.size() + 16;
    std::string expanded;
    LetterRepairs letters(normalText);
    for (std::size_t attempt = 0; attempt < maxAttempts; ++attempt) {
        state.decimals = 10;
        auto failed = letters.FailedSymbol(state, normalText);
        if (failed) {
            // The look-up of an unknown symbol leaves no decimals.
            state.decimals = 0;
        } else {
            letters.Settle(state, normalText);
            bool upperSeen = false;
            std::string joined = JoinFormulaParts(state, normalText, upperSeen);
            if (!upperSeen)
                return joined;
            failed = ReplaceSymbols(state, joined, expanded);
            if (!failed)
                return expanded;
        }
        state.badSymbol = *failed;
        state.symbolError = true;
        if (guard == kGivenUp)
            letters.Settle(state, normalText);
        const auto repaired = letters.Repair(normalText, *failed, state.weights);
        if (!repaired) {
            letters.Settle(state, normalText);
            return {};
        }
        state.symbolError = false;
        const long p = static_cast<long>(*repaired) + 1;
        if (guard != p && guard == kGivenUp)
            break;
        guard = guard != p ? p : kGivenUp;
        letters.Normalise(state, normalText, *repaired);
    }
    letters.Settle(state, normalText);
    state.symbolError = true;
    return {};
}

} // namespace molva
