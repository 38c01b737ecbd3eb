#include "chem_formula.h"

#include "half_reaction_table.h"

#include <algorithm>
#include <array>
#include <optional>

namespace galvix {

namespace {

constexpr unsigned char kSubscriptZero = 181;  // subscript d is 181 + d
constexpr unsigned char kSuperscriptOne = 140; // superscript d is 139 + d for 1..9
constexpr unsigned char kSuperscriptZero = 149;
constexpr unsigned char kSuperscriptPlus = 162;
constexpr unsigned char kSuperscriptMinus = 163;
constexpr unsigned char kSuperscriptDot = 250;

// Hydrogen to lawrencium, and D for deuterium.
constexpr std::array<std::string_view, 104> kElementSymbols = {
    "H",  "D",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si",
    "P",  "S",  "Cl", "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu",
    "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru",
    "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr",
    "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",
    "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac",
    "Th", "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr"};

bool IsElementSymbol(std::string_view symbol) {
    return std::find(kElementSymbols.begin(), kElementSymbols.end(), symbol) !=
           kElementSymbols.end();
}

bool IsUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool IsSubscript(unsigned char c) {
    return c >= kSubscriptZero && c <= kSubscriptZero + 9;
}
bool IsSuperscriptDigit(unsigned char c) {
    return c >= kSuperscriptOne && c <= kSuperscriptZero;
}
bool IsChargeCode(unsigned char c) {
    return IsSuperscriptDigit(c) || c == kSuperscriptPlus || c == kSuperscriptMinus;
}

using Atoms = std::map<std::string, int>;

constexpr int kLargestNumber = 9999; // counts, charges and electrons

int PlainDigit(unsigned char c) {
    return IsDigit(c) ? c - '0' : -1;
}
int SubscriptDigit(unsigned char c) {
    return IsSubscript(c) ? c - kSubscriptZero : -1;
}
int SuperscriptDigit(unsigned char c) {
    if (c == kSuperscriptZero)
        return 0;
    return IsSuperscriptDigit(c) ? c - kSuperscriptOne + 1 : -1;
}

// value * 10 + digit, or none past the largest number.
std::optional<int> AppendDigit(int value, int digit) {
    if (value > (kLargestNumber - digit) / 10)
        return std::nullopt;
    return value * 10 + digit;
}

// A whole text of plain digits as a number; none for anything else.
std::optional<int> PlainNumber(std::string_view text) {
    std::optional<int> value;
    for (const char c : text) {
        const int digit = PlainDigit(static_cast<unsigned char>(c));
        value = digit < 0 ? std::nullopt : AppendDigit(value.value_or(0), digit);
        if (!value)
            return std::nullopt;
    }
    return value;
}

void AddAtoms(Atoms& into, const Atoms& part, int times) {
    for (const auto& [symbol, count] : part)
        into[symbol] += count * times;
}

// Usual phases say nothing about the species; anything else in a label does.
void AddForm(std::string& form, std::string_view label) {
    std::size_t start = 0;
    while (start <= label.size()) {
        std::size_t end = label.find(',', start);
        if (end == std::string_view::npos)
            end = label.size();
        std::string_view word = label.substr(start, end - start);
        while (word.starts_with(' '))
            word.remove_prefix(1);
        if (!word.empty() && word != "s" && word != "l" && word != "g") {
            if (!form.empty())
                form += ',';
            form += word;
        }
        start = end + 1;
    }
}

class SpeciesParser {
  public:
    explicit SpeciesParser(std::string_view text) : text_(text) {}

    SpeciesRead parse() {
        SpeciesRead read;
        readPrefix(read.species.form);
        readParts(read.species);
        readTail(read.species);
        if (error_.empty() && read.species.atoms.empty())
            error_ = "no element symbol";
        if (!error_.empty())
            read.error = "\"" + std::string(text_) + "\": " + error_;
        return read;
    }

  private:
    bool atEnd() const { return pos_ >= text_.size() || !error_.empty(); }
    unsigned char peek() const { return static_cast<unsigned char>(text_[pos_]); }

    void fail(const std::string& what) {
        if (error_.empty())
            error_ = what;
    }

    // "alpha-", "gamma-": a modification written before the formula.
    void readPrefix(std::string& form) {
        std::size_t end = 0;
        while (end < text_.size() && IsLower(static_cast<unsigned char>(text_[end])))
            ++end;
        if (end > 0 && end < text_.size() && text_[end] == '-') {
            AddForm(form, text_.substr(0, end));
            pos_ = end + 1;
        }
    }

    // The formula and any ".nX" parts after it.
    void readParts(Species& species) {
        readGroup(species.atoms);
        while (!atEnd() && peek() == '.') {
            ++pos_;
            const int times = readNumber(PlainDigit).value_or(1);
            Atoms part;
            readGroup(part);
            if (part.empty())
                fail("nothing after \".\"");
            if (part == Atoms{{"H", 2}, {"O", 1}})
                species.hydrateWater += times;
            AddAtoms(species.atoms, part, times);
        }
    }

    // Elements and bracketed groups, each with an optional count.
    void readGroup(Atoms& atoms) {
        while (!atEnd()) {
            const unsigned char c = peek();
            if (IsUpper(c)) {
                const std::string symbol = readSymbol();
                if (!error_.empty())
                    return;
                atoms[symbol] += readCount().value_or(1);
            } else if (c == '(' && !isLabelAhead()) {
                ++pos_;
                Atoms group;
                readGroup(group);
                if (atEnd() || peek() != ')') {
                    fail("a bracket is not closed");
                    return;
                }
                ++pos_;
                AddAtoms(atoms, group, readCount().value_or(1));
            } else {
                return;
            }
        }
    }

    std::string readSymbol() {
        if (pos_ + 1 < text_.size() && IsLower(static_cast<unsigned char>(text_[pos_ + 1])) &&
            IsElementSymbol(text_.substr(pos_, 2))) {
            pos_ += 2;
            return std::string(text_.substr(pos_ - 2, 2));
        }
        const std::string_view one = text_.substr(pos_, 1);
        if (!IsElementSymbol(one))
            fail("\"" + std::string(text_.substr(pos_, 2)) + "\" is no element symbol");
        ++pos_;
        return std::string(one);
    }

    // A bracket that names a form: lower-case words, or an amalgam (Hg) at the end.
    bool isLabelAhead() const {
        const std::string_view rest = text_.substr(pos_);
        return (rest.size() > 1 && IsLower(static_cast<unsigned char>(rest[1]))) || rest == "(Hg)";
    }

    // Digits that digitOf turns into values (-1 for anything else); none when
    // there are no such digits or the number is too large.
    std::optional<int> readNumber(int (*digitOf)(unsigned char)) {
        std::optional<int> value;
        while (!atEnd() && digitOf(peek()) >= 0) {
            value = AppendDigit(value.value_or(0), digitOf(peek()));
            if (!value)
                fail("a number is too large");
            ++pos_;
        }
        return value;
    }

    std::optional<int> readCount() {
        const auto subscript = readNumber(SubscriptDigit);
        return subscript ? subscript : readNumber(PlainDigit);
    }

    // The charge, form labels and radical dots after the formula.
    void readTail(Species& species) {
        bool charged = false;
        while (!atEnd()) {
            const unsigned char c = peek();
            if (IsChargeCode(c) && !charged) {
                species.charge = readCharge();
                charged = true;
            } else if (c == '(') {
                readLabel(species.form);
            } else if (c == kSuperscriptDot) {
                ++pos_;
            } else {
                fail("unexpected \"" + std::string(text_.substr(pos_, 1)) + "\"");
            }
        }
    }

    int readCharge() {
        const auto size = readNumber(SuperscriptDigit);
        if (atEnd() || (peek() != kSuperscriptPlus && peek() != kSuperscriptMinus)) {
            fail("a charge has no sign");
            return 0;
        }
        const int sign = peek() == kSuperscriptPlus ? 1 : -1;
        ++pos_;
        return sign * size.value_or(1);
    }

    void readLabel(std::string& form) {
        const std::size_t close = text_.find(')', pos_);
        if (close == std::string_view::npos) {
            fail("a bracket is not closed");
            return;
        }
        AddForm(form, text_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

std::vector<std::string_view> SplitTerms(std::string_view side) {
    std::vector<std::string_view> terms;
    constexpr std::string_view kJoin = " + ";
    std::size_t start = 0;
    for (std::size_t at = side.find(kJoin); at != std::string_view::npos;
         at = side.find(kJoin, start)) {
        terms.push_back(side.substr(start, at - start));
        start = at + kJoin.size();
    }
    terms.push_back(side.substr(start));
    return terms;
}

// The electrons written last: "e" is one, "2e" two, "10e" ten.
std::optional<int> ElectronTerm(std::string_view term) {
    if (!term.ends_with('e'))
        return std::nullopt;
    term.remove_suffix(1);
    if (term.empty())
        return 1;
    const auto count = PlainNumber(term);
    return count > 0 ? count : std::nullopt;
}

std::string ReadSide(std::string_view side, std::vector<Term>& terms) {
    for (std::string_view text : SplitTerms(side)) {
        Term term;
        const std::size_t space = text.find_first_not_of("0123456789");
        if (space > 0 && space != std::string_view::npos && text[space] == ' ') {
            const auto coefficient = PlainNumber(text.substr(0, space));
            if (!coefficient)
                return "\"" + std::string(text) + "\": the count is not a number up to " +
                       std::to_string(kLargestNumber);
            term.coefficient = *coefficient;
            text.remove_prefix(space + 1);
        }
        SpeciesRead read = ParseSpecies(text);
        if (!read.ok())
            return read.error;
        term.species = std::move(read.species);
        term.text = std::string(text);
        terms.push_back(std::move(term));
    }
    return {};
}

std::string ReadSides(std::string_view left, std::string_view right, HalfReactionFormula& formula) {
    std::string error = ReadSide(left, formula.left);
    return error.empty() ? ReadSide(right, formula.right) : error;
}

} // namespace

SpeciesRead ParseSpecies(std::string_view text) {
    return SpeciesParser(text).parse();
}

FormulaRead ParseHalfReaction(std::string_view oxidationText) {
    FormulaRead read;
    const auto split = SplitAtArrow(oxidationText);
    if (!split) {
        read.error = "no \"" + std::string(Arrow) + "\"";
        return read;
    }
    std::string_view right = split->right;
    const std::size_t last = right.rfind(" + ");
    const auto electrons =
        last == std::string_view::npos ? std::nullopt : ElectronTerm(right.substr(last + 3));
    if (!electrons) {
        read.error = "no electrons at the end";
        return read;
    }
    read.formula.electrons = *electrons;
    read.error = ReadSides(split->left, right.substr(0, last), read.formula);
    return read;
}

FormulaRead ParseEquation(std::string_view text) {
    FormulaRead read;
    const auto split = SplitAtArrow(text);
    if (!split)
        read.error = "no \"" + std::string(Arrow) + "\"";
    else
        read.error = ReadSides(split->left, split->right, read.formula);
    return read;
}

} // namespace galvix
