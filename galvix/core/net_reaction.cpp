#include "net_reaction.h"

#include "chem_formula.h"
#include "half_reaction_audit.h"
#include "half_reaction_table.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <optional>
#include <vector>

namespace galvix {

namespace {

using Atoms = std::map<std::string, int>;

constexpr std::size_t kNotOnSide = std::numeric_limits<std::size_t>::max();
const char* const kWaterText = "H\xb7O";

enum class Side { Left, Right };

Species Proton() {
    return {{{"H", 1}}, 1, {}, 0};
}
Species Hydroxide() {
    return {{{"H", 1}, {"O", 1}}, -1, {}, 0};
}
Species Water() {
    return {{{"H", 2}, {"O", 1}}, 0, {}, 0};
}

bool SameSpecies(const Species& a, const Species& b) {
    return a.atoms == b.atoms && a.charge == b.charge && a.form == b.form;
}

bool Mentions(const HalfReactionFormula& formula, const Species& species) {
    for (const auto* side : {&formula.left, &formula.right}) {
        if (std::any_of(side->begin(), side->end(),
                        [&](const Term& term) { return SameSpecies(term.species, species); }))
            return true;
    }
    return false;
}

bool MediaDiffer(const HalfReactionFormula& oxidation, const HalfReactionFormula& reduction) {
    return (Mentions(oxidation, Proton()) && Mentions(reduction, Hydroxide())) ||
           (Mentions(oxidation, Hydroxide()) && Mentions(reduction, Proton()));
}

// One species of the summed equation: its net count (products positive) and
// where it first appeared on each side.
struct NetSpecies {
    Species species;
    std::string text;
    long long count = 0;
    std::size_t leftOrder = kNotOnSide;
    std::size_t rightOrder = kNotOnSide;

    std::size_t& order(Side side) { return side == Side::Left ? leftOrder : rightOrder; }
    std::size_t orderOn(Side side) const { return side == Side::Left ? leftOrder : rightOrder; }
};

class NetSum {
  public:
    void add(const std::vector<Term>& terms, long long times, Side side) {
        const long long sign = side == Side::Left ? -1 : 1;
        for (const Term& term : terms) {
            const std::size_t index = indexOf(term.species, term.text);
            species_[index].count += sign * term.coefficient * times;
            note(index, side, seen(side)++);
        }
    }

    // H⁺ and OH⁻ on the same side neutralise each other into water there.
    void neutralise() {
        const auto proton = find(Proton());
        const auto hydroxide = find(Hydroxide());
        if (!proton || !hydroxide)
            return;
        NetSpecies& h = species_[*proton];
        NetSpecies& oh = species_[*hydroxide];
        if (h.count == 0 || oh.count == 0 || (h.count > 0) != (oh.count > 0))
            return;
        const long long sign = h.count > 0 ? 1 : -1;
        const long long pairs = std::min(std::llabs(h.count), std::llabs(oh.count));
        const Side side = sign > 0 ? Side::Right : Side::Left;
        const std::size_t place = std::min(h.orderOn(side), oh.orderOn(side));
        h.count -= sign * pairs;
        oh.count -= sign * pairs;
        const std::size_t water = indexOf(Water(), kWaterText);
        species_[water].count += sign * pairs;
        note(water, side, place);
    }

    void reduceToSmallestCounts() {
        long long divisor = 0;
        for (const NetSpecies& s : species_)
            divisor = std::gcd(divisor, std::llabs(s.count));
        if (divisor > 1) {
            for (NetSpecies& s : species_)
                s.count /= divisor;
        }
    }

    std::string equation() const {
        const std::string left = sideText(Side::Left);
        const std::string right = sideText(Side::Right);
        if (left.empty() && right.empty())
            return NothingLeftText;
        return left + Arrow + right;
    }

  private:
    std::size_t& seen(Side side) { return side == Side::Left ? leftSeen_ : rightSeen_; }

    std::optional<std::size_t> find(const Species& species) const {
        for (std::size_t i = 0; i < species_.size(); ++i) {
            if (SameSpecies(species_[i].species, species))
                return i;
        }
        return std::nullopt;
    }

    std::size_t indexOf(const Species& species, const std::string& text) {
        if (const auto found = find(species))
            return *found;
        species_.push_back({species, text});
        return species_.size() - 1;
    }

    void note(std::size_t index, Side side, std::size_t place) {
        std::size_t& order = species_[index].order(side);
        order = std::min(order, place);
    }

    std::string sideText(Side side) const {
        std::vector<const NetSpecies*> terms;
        for (const NetSpecies& s : species_) {
            if (side == Side::Left ? s.count < 0 : s.count > 0)
                terms.push_back(&s);
        }
        std::stable_sort(terms.begin(), terms.end(), [side](const auto* a, const auto* b) {
            return a->orderOn(side) < b->orderOn(side);
        });
        std::string text;
        for (const NetSpecies* s : terms) {
            const long long count = std::llabs(s->count);
            text += (text.empty() ? "" : " + ") +
                    (count == 1 ? s->text : std::to_string(count) + " " + s->text);
        }
        return text;
    }

    std::vector<NetSpecies> species_;
    std::size_t leftSeen_ = 0;
    std::size_t rightSeen_ = 0;
};

// A half reaction read and checked; `role` names it in messages.
struct CheckedHalf {
    HalfReactionFormula formula;
    std::string error;
};

CheckedHalf ReadHalf(std::string_view oxidationForm, const std::string& role) {
    FormulaRead read = ParseHalfReaction(oxidationForm);
    if (!read.ok())
        return {{}, "the " + role + " half reaction: " + read.error};
    const std::string fault = BalanceFault(read.formula);
    if (!fault.empty())
        return {{}, "the " + role + " half reaction does not balance (" + fault + ")"};
    return {std::move(read.formula), {}};
}

// The oxidation form of a reduction text "A + ne -> B": "B -> A + ne".
std::string OxidationFormOf(std::string_view reductionText) {
    const auto split = SplitAtArrow(reductionText);
    return split ? split->right + Arrow + split->left : std::string(reductionText);
}

} // namespace

NetReaction BuildNetReaction(std::string_view oxidationText, int oxidationTimes,
                             std::string_view reductionText, int reductionTimes) {
    NetReaction net;
    const CheckedHalf oxidation = ReadHalf(oxidationText, "oxidation");
    const CheckedHalf reduction = ReadHalf(OxidationFormOf(reductionText), "reduction");
    net.error = oxidation.error.empty() ? reduction.error : oxidation.error;
    if (!net.ok())
        return net;
    if (static_cast<long long>(oxidation.formula.electrons) * oxidationTimes !=
        static_cast<long long>(reduction.formula.electrons) * reductionTimes) {
        net.error = "the electrons do not cancel";
        return net;
    }
    NetSum sum;
    sum.add(oxidation.formula.left, oxidationTimes, Side::Left);
    sum.add(reduction.formula.right, reductionTimes, Side::Left);
    sum.add(oxidation.formula.right, oxidationTimes, Side::Right);
    sum.add(reduction.formula.left, reductionTimes, Side::Right);
    net.mediaDiffer = MediaDiffer(oxidation.formula, reduction.formula);
    sum.neutralise();
    sum.reduceToSmallestCounts();
    net.equation = sum.equation();
    return net;
}

} // namespace galvix
