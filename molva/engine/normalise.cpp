// Input normalisation: the typed line becomes the canonical expression text.
#include "engine.h"
#include "messages.h"
#include "number_text.h"
#include "text_chars.h"

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

// Step 1: keeps the printable characters the engine knows, maps × and ÷, and
// stops at "=".
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
        } else if (byte == 0xC3 && i + 1 < typed.size()) {
            const auto second = static_cast<unsigned char>(typed[i + 1]);
            if (second == 0x97 || second == 0xB7) {
                out += second == 0x97 ? '*' : '/';
                ++i;
            }
        }
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

// Step 2: token rewriting.
std::string RewriteTokens(CalcState& state, std::string_view text, Flags& flags) {
    const std::size_t n = text.size();
    std::string out;
    out.reserve(n + 8);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t start = i;
        const char c = text[i];
        const char next = CharAt(text, i + 1);
        const char last = out.empty() ? '\0' : out.back();
        std::string piece;
        bool general = false;
        if (IsDigit(c)) {
            piece = c;
        } else if (IsOneOf(c, "vxw")) {
            piece = ToUpper(c);
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
            const std::string_view name = IsOneOf(next, kFunctionSecondLetters)
                                              ? FunctionNameAt(text, i)
                                              : std::string_view();
            if (!name.empty()) {
                piece = TokenPiece(state, text, name, i, last);
            } else if (IsOneOf(next, kFunctionSecondLetters) && n >= 3 && next == 'o' &&
                       IsOneOf(c, "cps")) {
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

constexpr std::string_view kOperators = "%/*^+-";

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

} // namespace

std::string NormaliseInput(CalcState& state, std::string& text) {
    Flags flags;
    text = Filter(text, state, flags);
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

} // namespace molva
