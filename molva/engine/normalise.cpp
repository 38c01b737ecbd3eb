// Input normalisation: the typed line becomes the canonical expression text.
#include "elements.h"
#include "engine.h"
#include "messages.h"
#include "number_text.h"
#include "text_chars.h"
#include "typed_signs.h"

#include <algorithm>
#include <array>
#include <vector>

namespace molva {

namespace {

constexpr std::size_t kMaxTextLength = 32767;
constexpr std::string_view kFunctionFirstLetters = "acdelmprsti";
constexpr std::string_view kFunctionSecondLetters = "abcegilonpqrstux";

constexpr std::array<std::string_view, 3> kNames2 = {"ln", "pi", "tg"};
constexpr std::array<std::string_view, 19> kNames3 = {
    "abs", "aln", "ans", "atg", "dat", "cos", "cot", "ctg", "exp", "log",
    "int", "mem", "ppm", "ran", "sgn", "sin", "sqr", "sum", "tan"};
constexpr std::array<std::string_view, 7> kNames4 = {"acos", "acot", "actg", "alog",
                                                     "asin", "atan", "sqrt"};
constexpr std::array<std::string_view, 4> kNames6 = {"arccos", "arccot", "arcsin", "arctan"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view candidate) {
    for (const auto name : names) {
        if (name == candidate)
            return true;
    }
    return false;
}

// The longest function name that starts at `at`, or an empty view.
std::string_view FunctionNameAt(std::string_view text, std::size_t at) {
    std::string_view match;
    auto tryLength = [&](std::size_t length, auto& names) {
        if (at + length <= text.size() && Contains(names, text.substr(at, length)))
            match = text.substr(at, length);
    };
    tryLength(2, kNames2);
    tryLength(3, kNames3);
    tryLength(4, kNames4);
    tryLength(6, kNames6);
    return match;
}

bool IsValueToken(std::string_view name) {
    return name == "ans" || name == "mem" || name == "pi";
}

struct Flags {
    bool bracketSeen = false;
    bool formulaSeen = false;
    bool exprSeen = false;
};

// An adduct dot of the typed line in the filtered text, until JoinAdducts
// has decided what it joins.
constexpr char kAdductMark = '\x01';

// Step 1: keeps the printable characters the engine knows, maps × and ÷,
// writes ½ as a decimal, marks the adduct dots, and stops at "=".
std::string Filter(std::string_view typed, CalcState& state, Flags& flags) {
    std::string out;
    out.reserve(typed.size());
    state.additiveOnly = true;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 33 && byte <= 126) {
            if (c == '=')
                break;
            if (IsOneOf(c, "*/^%"))
                state.additiveOnly = false;
            else if (IsOneOf(c, "([{"))
                flags.bracketSeen = true;
            else if (IsOneOf(c, ":;@$<>_`"))
                continue;
            out += c;
            continue;
        }
        const TypedSignAt sign = ReadTypedSign(typed, i);
        i += sign.length - 1;
        switch (sign.sign) {
        case TypedSign::Multiply:
            out += '*';
            break;
        case TypedSign::Divide:
            out += '/';
            break;
        case TypedSign::AdductDot:
            out += kAdductMark;
            break;
        case TypedSign::Half:
            if (out.empty() || !IsDigit(out.back()))
                out += '0';
            out += state.decimalSeparator;
            out += '5';
            break;
        case TypedSign::None:
            break;
        }
    }
    return out;
}

constexpr std::string_view kOperators = "%/*^+-";

bool EndsPart(char c) {
    return IsOneOf(c, kOperators) || c == kAdductMark;
}

// The start of the part of a formula that ends before `end`: back to an
// operator, an adduct dot or an opening bracket it lies in.
std::size_t PartStart(std::string_view t, std::size_t end) {
    int depth = 0;
    for (std::size_t k = end; k > 0; --k) {
        const char c = t[k - 1];
        if (IsClosing(c))
            ++depth;
        else if (IsOpening(c) && depth-- == 0)
            return k;
        else if (depth == 0 && EndsPart(c))
            return k;
    }
    return 0;
}

// The end of the part that begins at `start`, found the same way forwards.
std::size_t PartEnd(std::string_view t, std::size_t start) {
    int depth = 0;
    for (std::size_t k = start; k < t.size(); ++k) {
        const char c = t[k];
        if (IsOpening(c))
            ++depth;
        else if (IsClosing(c) && depth-- == 0)
            return k;
        else if (depth == 0 && EndsPart(c))
            return k;
    }
    return t.size();
}

bool IsLetter(char c) {
    return IsUpper(c) || IsLower(c);
}

std::size_t SkipNumber(std::string_view t, std::size_t k) {
    while (k < t.size() && (IsDigit(t[k]) || t[k] == '.' || t[k] == ','))
        ++k;
    return k;
}

// An adduct dot joins two formulas when a formula stands before it and one,
// perhaps with a coefficient, after it (CuSO4·5H2O); between numbers it is a
// multiplication sign (2·3).
bool JoinsFormulas(std::string_view t, std::size_t dot) {
    const std::string_view before = t.substr(PartStart(t, dot), dot - PartStart(t, dot));
    bool formulaBefore = false;
    for (const char c : before)
        formulaBefore = formulaBefore || IsLetter(c);
    const char after = CharAt(t, SkipNumber(t, dot + 1));
    return formulaBefore && (IsLetter(after) || IsOpening(after));
}

// Hydrates and adducts: the dots between formula parts become "+", so the
// number after a dot multiplies the formula after it, and the whole adduct is
// one operand, in brackets unless it is the whole line or bracketed already:
// CuSO4·5H2O gives CuSO4+5H2O, 2CuSO4·5H2O gives 2(CuSO4+5H2O). Any other dot
// multiplies.
std::string JoinAdducts(std::string_view t) {
    std::string joined(t);
    std::vector<int> opensBefore(t.size() + 1, 0);
    std::vector<int> closesBefore(t.size() + 1, 0);
    std::size_t k = 0;
    while ((k = t.find(kAdductMark, k)) != std::string_view::npos) {
        if (!JoinsFormulas(t, k)) {
            joined[k] = '*';
            ++k;
            continue;
        }
        const std::size_t start = PartStart(t, k);
        std::size_t end = k;
        do {
            joined[end] = '+';
            end = PartEnd(t, end + 1);
        } while (CharAt(t, end) == kAdductMark && JoinsFormulas(t, end));
        const std::size_t body = SkipNumber(t, start);
        const bool whole = start == 0 && end == t.size();
        const bool enclosed = start > 0 && IsOpening(t[start - 1]) && IsClosing(CharAt(t, end));
        if (body > start || !(whole || enclosed)) {
            ++opensBefore[body];
            ++closesBefore[end];
        }
        k = end;
    }
    std::string out;
    out.reserve(t.size() + 8);
    for (std::size_t p = 0; p <= t.size(); ++p) {
        out.append(static_cast<std::size_t>(closesBefore[p]), ')');
        out.append(static_cast<std::size_t>(opensBefore[p]), '(');
        if (p < t.size())
            out += joined[p];
    }
    return out;
}

// Rule 9, on the pair c and next.
std::string GeneralPiece(char c, char next, char last, std::size_t& i) {
    if (IsOneOf(c, "{(/*^+-[") && next == '+') {
        ++i;
        return std::string(1, c);
    }
    if (c == '*' && next == '*') {
        ++i;
        return "^";
    }
    if (c == '+' && next == '-') {
        ++i;
        return "-";
    }
    if ((c == '(' && next == ')') || (c == '[' && next == ']') || (c == '{' && next == '}')) {
        ++i;
        return {};
    }
    if ((c == 'e' || c == 'E') && next == '+' && IsDigit(last)) {
        ++i;
        return "E";
    }
    if (c == '-' && last == '-')
        return "1*-";
    return std::string(1, c);
}

// A function token with what follows it: the previous result for a function
// typed last or before an operator, "*" after a value token before a digit,
// and "*" in front after a digit or a closing bracket.
std::string TokenPiece(CalcState& state, std::string_view text, std::string_view name,
                       std::size_t& i, char last) {
    std::string piece = ":";
    piece += name;
    i += name.size() - 1;
    const char after = CharAt(text, i + 1);
    const bool value = IsValueToken(name);
    if (after == '\0' && name != "sum" && !value)
        piece += state.prevResultText;
    else if (IsOneOf(after, "%/*^+") && !value)
        piece += state.prevResultText;
    else if (IsDigit(after) && value)
        piece += '*';
    if (IsDigit(last) || IsOneOf(last, ")}]"))
        piece.insert(piece.begin(), '*');
    if (name == "sum")
        state.mode = CalcMode::Statistics;
    return piece;
}

void ApplyFlagRules(const std::string& piece, std::size_t start, char next, CalcState& state,
                    Flags& flags) {
    if (piece.empty())
        return;
    const char first = piece.front();
    if (piece.size() == 1 && (IsDigit(first) || first == ',' || first == '.') && start == 0)
        flags.exprSeen = true;
    if (IsUpper(first)) {
        if (piece == "E" && (IsDigit(next) || next == '-'))
            state.additiveOnly = false;
        else
            flags.formulaSeen = true;
    }
    if (piece.size() == 1 && IsOneOf(first, "%/*^+-"))
        flags.exprSeen = true;
    if (first == ':') {
        flags.exprSeen = true;
        state.additiveOnly = false;
    }
}

// True when a capital letter and a small letter make a symbol of a table.
bool EndsSymbol(char capital, char small, AtomicWeights weights) {
    const char symbol[] = {capital, small};
    std::int16_t precision = 0;
    return IsUpper(capital) && FindElement(std::string_view(symbol, 2), precision, weights);
}

// Writes to the empty `piece` what rules 1 to 9 and the case rule make of the
// text at i, with i moved to the last character consumed; a function name found
// there is returned instead, for TokenPiece to turn into its token.
std::string_view PieceAt(const CalcState& state, std::string_view text, std::size_t& i, char last,
                         std::string& piece) {
    const std::size_t n = text.size();
    const char c = text[i];
    const char next = CharAt(text, i + 1);
    bool general = false;
    if (IsDigit(c)) {
        piece = c;
    } else if (IsOneOf(c, "vxw")) {
        // Raised, unless it is the second letter of a symbol of the table
        // in use (Lv in the IUPAC 2021 table).
        piece = EndsSymbol(last, c, state.weights) ? c : ToUpper(c);
    } else if (c == 'z') {
        piece = next == 'n' ? "Zn" : "Z";
        i += next == 'n' ? 1 : 0;
    } else if (c == 'h' && n >= 3) {
        general = !IsOneOf(next, "fos");
        if (!general) {
            piece = {'H', ToUpper(next)};
            ++i;
        }
    } else if (c == 'm' && next == 'n') {
        piece = "Mn";
        ++i;
    } else if (c == 'n' && n >= 3) {
        general = next != 'o';
        if (!general) {
            piece = "NO";
            ++i;
        }
    } else if (IsOneOf(c, kFunctionFirstLetters)) {
        const std::string_view name =
            IsOneOf(next, kFunctionSecondLetters) ? FunctionNameAt(text, i) : std::string_view();
        if (!name.empty())
            return name;
        if (IsOneOf(next, kFunctionSecondLetters) && n >= 3 && next == 'o' && IsOneOf(c, "cps")) {
            piece = {ToUpper(c), 'O'};
            ++i;
        } else {
            general = true;
        }
    } else if ((c == '.' || c == ',') && !state.groupThousands) {
        if (!IsDigit(last))
            piece = '0';
        piece += state.decimalSeparator;
    } else {
        general = true;
    }
    if (general)
        piece = GeneralPiece(c, next, last, i);
    if (piece.size() == 1 && !IsUpper(last))
        piece[0] = ToUpper(piece[0]);
    return {};
}

// Step 2: token rewriting.
std::string RewriteTokens(CalcState& state, std::string_view text, Flags& flags) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t start = i;
        const char next = CharAt(text, i + 1);
        const char last = out.empty() ? '\0' : out.back();
        std::string piece;
        const std::string_view name = PieceAt(state, text, i, last, piece);
        if (!name.empty())
            piece = TokenPiece(state, text, name, i, last);
        ApplyFlagRules(piece, start, next, state, flags);
        out += piece;
    }
    return out;
}

bool ContainsXSquared(std::string_view text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if ((text[i] == 'X' || text[i] == 'x') && text[i + 1] == '^' && text[i + 2] == '2')
            return true;
    }
    return false;
}

// An "E" followed by a digit or "-" is an exponent, not a symbol.
bool ExponentAt(std::string_view w, std::size_t k) {
    return CharAt(w, k) == 'E' && (IsDigit(CharAt(w, k + 1)) || CharAt(w, k + 1) == '-');
}

// For every opening bracket (0-based), whether it holds one formula and nothing
// else: it closes, holds no operator, and a formula begins right after it, as
// in (NH4) and ((CH3)3C).
std::vector<char> FormulaGroups(std::string_view w) {
    struct Frame {
        std::size_t open;
        bool operatorInside;
    };
    std::vector<char> group(w.size(), 0);
    std::vector<Frame> frames;
    for (std::size_t k = 0; k < w.size(); ++k) {
        const char c = w[k];
        if (IsOpening(c)) {
            frames.push_back({k, false});
        } else if (IsOneOf(c, kOperators)) {
            if (!frames.empty())
                frames.back().operatorInside = true;
        } else if (IsClosing(c) && !frames.empty()) {
            const Frame frame = frames.back();
            frames.pop_back();
            if (!frames.empty())
                frames.back().operatorInside = frames.back().operatorInside || frame.operatorInside;
            const std::size_t first = frame.open + 1;
            const bool formulaFirst = (IsUpper(w[first]) && !ExponentAt(w, first)) ||
                                      (IsOpening(w[first]) && group[first]);
            group[frame.open] = !frame.operatorInside && formulaFirst;
        }
    }
    return group;
}

// Step 3: every formula inside a larger expression becomes one operand in
// brackets (unless it is one bracket already), coefficients get "*". A formula
// begins with an element symbol, or with a bracket that holds only a formula,
// and runs to the next operator or to a closing bracket opened before it:
// (NH4)2SO4*2 gives ((NH4)2SO4)*2, (NaCl*2)+1 gives ((NaCl)*2)+1.
std::string BracketFormulas(std::string_view w) {
    const std::size_t m = w.size();
    auto at = [&](std::size_t k) { return k >= 1 && k <= m ? w[k - 1] : '\0'; };
    auto exponentAt = [&](std::size_t k) { return k >= 1 && ExponentAt(w, k - 1); };
    const std::vector<char> groups = FormulaGroups(w);
    auto formulaAt = [&](std::size_t k) {
        return (IsUpper(at(k)) && !exponentAt(k)) || (IsOpening(at(k)) && groups[k - 1]);
    };
    std::string out;
    out.reserve(m + 16);
    for (std::size_t p = 1; p <= m; ++p) {
        const char c = at(p);
        std::string piece(1, c);
        const bool countContext = IsOneOf(c, ")}]") || IsUpper(c);
        if (IsDigit(at(p + 1)) || IsOneOf(at(p + 1), ",.")) {
            std::size_t j = p;
            while (j < m) {
                const char k = at(j + 1);
                if (IsOneOf(k, ":%/*^+-"))
                    break;
                if ((IsOneOf(k, "{(") || IsUpper(k)) && !exponentAt(j + 1) && !countContext)
                    break;
                if (k == '[' && !countContext)
                    break;
                ++j;
            }
            piece.append(w.substr(p, j - p));
            if (IsOneOf(at(j + 1), "{([") || IsUpper(at(j + 1)))
                piece += '*';
            p = j;
        }
        if (p < m && formulaAt(p + 1)) {
            std::size_t j = p;
            std::size_t depth = 0;
            std::size_t firstClose = 0;
            while (j < m && !IsOneOf(at(j + 1), kOperators)) {
                const char k = at(j + 1);
                if (IsClosing(k)) {
                    if (depth == 0)
                        break;
                    if (--depth == 0 && firstClose == 0)
                        firstClose = j + 1;
                } else if (IsOpening(k)) {
                    ++depth;
                }
                ++j;
            }
            const bool oneBracket = IsOpening(at(p + 1)) && firstClose == j;
            if (!oneBracket)
                piece += '(';
            piece.append(w.substr(p, j - p));
            if (!oneBracket)
                piece += ')';
            p = j;
        }
        out += piece;
    }
    return out.substr(2);
}

// Step 4: "*" before a bracket that follows a digit.
std::string MultiplyBeforeBrackets(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (k >= 1 && IsOneOf(text[k], "([{") && IsDigit(text[k - 1]))
            out += '*';
        out += text[k];
    }
    return out;
}

// True when the bracket that closes at `close` holds a formula: its opening
// bracket is followed by an element symbol.
bool ClosesFormula(std::string_view t, std::size_t close) {
    int depth = 0;
    for (std::size_t k = close + 1; k > 0; --k) {
        const char c = t[k - 1];
        depth += IsClosing(c) ? 1 : IsOpening(c) ? -1 : 0;
        if (depth == 0)
            return IsUpper(CharAt(t, k)) && !ExponentAt(t, k);
    }
    return false;
}

} // namespace

bool MultipliesFormulas(std::string_view normalText) {
    const std::string_view t = normalText;
    for (std::size_t k = 1; k < t.size(); ++k) {
        if (t[k] != '*' || !IsClosing(t[k - 1]) || !ClosesFormula(t, k - 1))
            continue;
        std::size_t next = SkipNumber(t, k + 1);
        if (next > k + 1 && CharAt(t, next) == '*')
            ++next;
        if (IsOpening(CharAt(t, next)) && IsUpper(CharAt(t, next + 1)) && !ExponentAt(t, next + 1))
            return true;
    }
    return false;
}

std::string NormaliseInput(CalcState& state, std::string& text) {
    Flags flags;
    text = Filter(text, state, flags);
    if (text.find(kAdductMark) != std::string::npos)
        text = JoinAdducts(text);
    if (text.size() > kMaxTextLength)
        throw CalcFailure{Overflow};
    std::string out = RewriteTokens(state, text, flags);
    if (ContainsXSquared(out)) {
        state.mode = CalcMode::Quadratic;
        state.expandedText.clear();
    } else if (flags.formulaSeen && flags.exprSeen) {
        text = "1*" + out;
        out = BracketFormulas(text);
    } else if (flags.bracketSeen && !flags.formulaSeen) {
        out = MultiplyBeforeBrackets(out);
        text = out;
    }
    if (!out.empty() && IsOneOf(out.front(), "^*/%+")) {
        const bool numeric = IsNumeric(state.prevResultText, state.decimalSeparator);
        out.insert(0, numeric ? state.prevResultText : std::string("???"));
    }
    return out;
}

bool CanonicalLetters::Check(const CalcState& state, std::string_view text) {
    starts_.assign(text.size() + 1, 0);
    starts_[0] = 1;
    const bool lettersAndDigits =
        std::all_of(text.begin(), text.end(), [](char c) { return IsLetter(c) || IsDigit(c); });
    return lettersAndDigits && !text.empty() && text.size() <= kMaxTextLength &&
           IsLetter(text.front()) && ScanUnchanged(state, text, 0, text.size() + 1);
}

bool CanonicalLetters::Recheck(const CalcState& state, std::string_view text, std::size_t from,
                               std::size_t to) {
    // A piece reads the character before it and up to seven from its start on.
    std::size_t start = from >= 7 ? from - 7 : 0;
    while (!starts_[start])
        --start;
    return ScanUnchanged(state, text, start, to + 1);
}

bool CanonicalLetters::ScanUnchanged(const CalcState& state, std::string_view text,
                                     std::size_t start, std::size_t settled) {
    std::vector<std::size_t> found;
    std::size_t i = start;
    while (i < text.size() && (i < settled || !starts_[i])) {
        found.push_back(i);
        const std::size_t from = i;
        std::string piece;
        if (!PieceAt(state, text, i, from == 0 ? '\0' : text[from - 1], piece).empty() ||
            piece != text.substr(from, i + 1 - from))
            return false;
        ++i;
    }
    std::fill(starts_.begin() + static_cast<std::ptrdiff_t>(start),
              starts_.begin() + static_cast<std::ptrdiff_t>(i), 0);
    for (const std::size_t k : found)
        starts_[k] = 1;
    starts_[i] = 1;
    return true;
}

} // namespace molva
