#include "composition.h"

#include "calc_state.h"
#include "engine.h"
#include "format_number.h"
#include "messages.h"
#include "number_text.h"
#include "text_chars.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace molva {

namespace {

constexpr const char* kNotAFormula = " is not a chemical formula";
constexpr int kPercentDecimals = 3;
constexpr int kMaxMultiplier = 10;
constexpr double kRatioTolerance = 0.02;
constexpr double kMaxPercentSum = 101;
constexpr const char* kPairsExample =
    "Write element and percent pairs, such as C=40.0 H=6.7 O=53.3";

// A number text's value; nullopt when it is not a number or beyond the double range.
std::optional<double> NumberIn(std::string_view text, char decimalSeparator) {
    try {
        return ParseNumber(text, decimalSeparator);
    } catch (const CalcFailure&) {
        return std::nullopt;
    }
}

struct AtomCount {
    std::string_view symbol;
    double atoms;
};

// Reads the canonical text of a formula: terms joined by "+", each with an
// optional coefficient and "*", made of element symbols and brackets with
// whole-number counts; a bracket may hold terms of its own.
class AtomReader {
  public:
    AtomReader(std::string_view text, char decimalSeparator)
        : text_(text), separator_(decimalSeparator) {}

    std::optional<std::vector<AtomCount>> Read() {
        if (!Terms() || pos_ != text_.size())
            return std::nullopt;
        return atoms_;
    }

  private:
    char At(std::size_t k) const { return CharAt(text_, k); }

    bool Terms() {
        do {
            if (!Term())
                return false;
        } while (At(pos_) == '+' && ++pos_);
        return true;
    }

    bool Term() {
        const std::size_t first = atoms_.size();
        std::optional<double> coefficient;
        if (IsDigit(At(pos_))) {
            const std::size_t start = pos_;
            while (IsDigit(At(pos_)) || At(pos_) == separator_)
                ++pos_;
            coefficient = NumberIn(text_.substr(start, pos_ - start), separator_);
            if (!coefficient || At(pos_) != '*')
                return false;
            ++pos_;
        }
        if (!Unit())
            return false;
        Scale(first, coefficient.value_or(1));
        return true;
    }

    // Symbols and brackets, each with an optional count.
    bool Unit() {
        const std::size_t before = pos_;
        while (IsUpper(At(pos_)) || IsOpening(At(pos_))) {
            const std::size_t first = atoms_.size();
            if (IsOpening(At(pos_))) {
                ++pos_;
                if (!Terms() || !IsClosing(At(pos_)))
                    return false;
                ++pos_;
            } else {
                const std::size_t length = IsLower(At(pos_ + 1)) ? 2 : 1;
                atoms_.push_back({text_.substr(pos_, length), 1});
                pos_ += length;
            }
            double count = 0;
            const std::size_t digits = pos_;
            while (IsDigit(At(pos_)) && pos_ - digits < 9)
                count = count * 10 + (text_[pos_++] - '0');
            if (IsDigit(At(pos_)))
                return false;
            Scale(first, pos_ > digits ? count : 1);
        }
        return pos_ > before;
    }

    void Scale(std::size_t first, double factor) {
        for (std::size_t k = first; k < atoms_.size(); ++k)
            atoms_[k].atoms *= factor;
    }

    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    std::vector<AtomCount> atoms_;
};

// The formula's canonical text once its symbols are known: case repaired as
// the calculator repairs it. A message when it is not a formula.
std::string CanonicalFormula(CalcState& state, std::string_view formula, std::string& message) {
    state.inputText = formula;
    try {
        std::string normal = NormaliseInput(state, state.inputText);
        if (state.mode != CalcMode::Expression || normal.empty()) {
            message = std::string(formula) + kNotAFormula;
            return {};
        }
        ExpandFormulas(state, normal);
        if (state.symbolError)
            message = state.badSymbol + " isn't element symbol!";
        return normal;
    } catch (const CalcFailure& failure) {
        message = failure.description;
        return {};
    }
}

// A calculation state with its start values. Each one is a copy: constructing
// a state seeds its random generator, which costs more than a whole composition.
CalcState StartState(AtomicWeights weights, char decimalSeparator) {
    static const CalcState start;
    CalcState state = start;
    state.weights = weights;
    state.decimalSeparator = decimalSeparator;
    return state;
}

std::string AtomsText(double atoms, char decimalSeparator) {
    return PlainText(RoundToSignificant(atoms, 12), decimalSeparator);
}

} // namespace

Composition ComputeComposition(std::string_view formula, AtomicWeights weights,
                               char decimalSeparator) {
    Composition composition;
    formula = TrimBlanks(formula);
    if (formula.empty()) {
        composition.message = "No formula: type one, such as CuSO4\xC2\xB7"
                              "5H2O";
        return composition;
    }
    CalcState state = StartState(weights, decimalSeparator);
    const std::string normal = CanonicalFormula(state, formula, composition.message);
    if (composition.failed())
        return composition;
    const auto atoms = AtomReader(normal, decimalSeparator).Read();
    if (!atoms) {
        composition.message = std::string(formula) + kNotAFormula;
        return composition;
    }
    composition.decimals = state.decimals;
    for (const AtomCount& count : *atoms) {
        auto row = std::find_if(composition.rows.begin(), composition.rows.end(),
                                [&](const CompositionRow& r) { return r.symbol == count.symbol; });
        const Element* element = FindElement(count.symbol, state.decimals, weights);
        if (!element) { // an exponent "E" that a case repair left in the formula
            composition = Composition();
            composition.message = std::string(count.symbol) + " isn't element symbol!";
            return composition;
        }
        if (row == composition.rows.end())
            row = composition.rows.insert(composition.rows.end(),
                                          {element->symbol, ElementName(element->symbol)});
        row->atoms += count.atoms;
        row->mass += count.atoms * element->weight;
    }
    for (const CompositionRow& row : composition.rows) {
        composition.atoms += row.atoms;
        composition.mass += row.mass;
    }
    for (CompositionRow& row : composition.rows)
        row.percent = 100 * row.mass / composition.mass;
    return composition;
}

CompositionCells CompositionTable(const Composition& composition, char decimalSeparator) {
    const CalcState state = StartState(AtomicWeights::Classic, decimalSeparator);
    auto fixed = [&](double value, int decimals) {
        return FormatValue(value, FormatKind::Fixed, ZerosFor(decimals), false, state);
    };
    CompositionCells cells{{"Symbol", "Element", "Atoms", "Mass", "Mass %"}};
    for (const CompositionRow& row : composition.rows)
        cells.push_back(
            {std::string(row.symbol), std::string(row.name), AtomsText(row.atoms, decimalSeparator),
             fixed(row.mass, composition.decimals), fixed(row.percent, kPercentDecimals)});
    cells.push_back({"Total", "", AtomsText(composition.atoms, decimalSeparator),
                     fixed(composition.mass, composition.decimals), fixed(100, kPercentDecimals)});
    return cells;
}

std::string TabSeparated(const CompositionCells& cells) {
    std::string text;
    for (const auto& row : cells) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            text += row[k];
            text += k + 1 < row.size() ? '\t' : '\n';
        }
    }
    return text;
}

namespace {

struct Percentage {
    std::string symbol;
    double percent;
    double weight;
};

bool IsPairSeparator(char c) {
    return IsBlank(c) || c == ',' || c == ';';
}

// Reads "C=40.0 H=6.7 O=53.3": a symbol in any case, "=", ":" or blanks, a
// percentage with "." or "," as its decimal mark; pairs apart by blanks, "," or ";".
std::vector<Percentage> ReadPercentages(std::string_view text, AtomicWeights weights,
                                        std::string& message) {
    std::vector<Percentage> read;
    std::size_t pos = 0;
    auto at = [&](std::size_t k) { return CharAt(text, k); };
    while (true) {
        while (IsPairSeparator(at(pos)))
            ++pos;
        if (pos == text.size())
            break;
        std::string symbol;
        if (IsUpper(at(pos)) || IsLower(at(pos)))
            symbol += ToUpper(text[pos++]);
        if (IsLower(at(pos)) || (IsUpper(at(pos)) && !symbol.empty()))
            symbol += ToLower(text[pos++]);
        while (IsBlank(at(pos)) || at(pos) == '=' || at(pos) == ':')
            ++pos;
        std::string number;
        for (char c = at(pos); IsDigit(c) || ((c == '.' || c == ',') && IsDigit(at(pos + 1)));
             c = at(++pos))
            number += c == ',' ? '.' : c;
        const auto percent = NumberIn(number, '.');
        if (symbol.empty() || !percent) {
            message = kPairsExample;
            return {};
        }
        std::int16_t precision = 0;
        const Element* element = FindElement(symbol, precision, weights);
        if (!element) {
            message = symbol + " isn't element symbol!";
            return {};
        }
        for (const Percentage& earlier : read) {
            if (earlier.symbol == symbol) {
                message = symbol + " is given twice";
                return {};
            }
        }
        if (*percent <= 0 || *percent > 100) {
            message = "The percentage of " + symbol + " must be above 0 and at most 100";
            return {};
        }
        read.push_back({symbol, *percent, element->weight});
    }
    if (read.empty())
        message = kPairsExample;
    return read;
}

// Hill order: carbon, hydrogen, then the others alphabetically; without
// carbon, all alphabetically.
void SortHill(std::vector<std::pair<std::string, long>>& counts) {
    const bool carbon = std::any_of(counts.begin(), counts.end(),
                                    [](const auto& count) { return count.first == "C"; });
    auto rank = [carbon](const std::string& symbol) {
        return carbon && symbol == "C" ? 0 : carbon && symbol == "H" ? 1 : 2;
    };
    std::sort(counts.begin(), counts.end(), [&](const auto& a, const auto& b) {
        return std::pair(rank(a.first), a.first) < std::pair(rank(b.first), b.first);
    });
}

} // namespace

EmpiricalFormula FindEmpiricalFormula(std::string_view pairs, AtomicWeights weights) {
    EmpiricalFormula result;
    const std::vector<Percentage> percentages = ReadPercentages(pairs, weights, result.message);
    if (percentages.empty())
        return result;
    double sum = 0;
    double smallest = 0;
    std::vector<double> moles;
    for (const Percentage& p : percentages) {
        sum += p.percent;
        moles.push_back(p.percent / p.weight);
        smallest = moles.size() == 1 ? moles.back() : std::min(smallest, moles.back());
    }
    if (sum > kMaxPercentSum) {
        result.message = "The percentages add up to more than 100";
        return result;
    }
    for (int multiplier = 1; multiplier <= kMaxMultiplier; ++multiplier) {
        std::vector<std::pair<std::string, long>> counts;
        for (std::size_t k = 0; k < percentages.size(); ++k) {
            const double ratio = moles[k] / smallest * multiplier;
            const double whole = std::round(ratio);
            if (std::abs(ratio - whole) > kRatioTolerance * whole)
                break;
            counts.emplace_back(percentages[k].symbol, static_cast<long>(whole));
        }
        if (counts.size() < percentages.size())
            continue;
        SortHill(counts);
        for (const auto& [symbol, count] : counts)
            result.formula += count == 1 ? symbol : symbol + std::to_string(count);
        return result;
    }
    result.message = "No whole-number ratio within 2 % up to 10 times the smallest";
    return result;
}

} // namespace molva
