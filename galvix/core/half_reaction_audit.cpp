#include "half_reaction_audit.h"

#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <tuple>

namespace galvix {

namespace {

using Atoms = std::map<std::string, int>;
// A reaction as net counts per species key, products positive, with the
// electrons under kElectrons; water is left out.
using ReactionVector = std::map<std::string, long long>;

constexpr const char* kElectrons = "e";
const std::string kProtonKey = "H1^1";
const std::string kHydroxideKey = "H1O1^-1";
// Potentials are decimal texts: a difference of exactly the tolerance must pass.
constexpr double kRounding = 1e-9;

int CountOf(const Atoms& atoms, const std::string& symbol) {
    const auto found = atoms.find(symbol);
    return found == atoms.end() ? 0 : found->second;
}

bool IsWater(const Species& species) {
    return species.atoms == Atoms{{"H", 2}, {"O", 1}} && species.charge == 0 &&
           species.form.empty();
}

// Neutral species written with more water than another formula of the same
// dissolved species: telluric acid is both H₆TeO₆ and H₂TeO₄.
struct HydratedForm {
    Atoms atoms;
    int water;
};
const HydratedForm kHydratedForms[] = {{{{"H", 6}, {"O", 6}, {"Te", 1}}, 2}};

// How many H₂O a species holds beyond its plainest formula. An ion is the same
// ion whatever water it is written with (Al(OH)₄⁻ is AlO₂⁻ + 2 H₂O); a neutral
// species is taken as written apart from water after "." and the forms above,
// since GeO₂ and H₂GeO₃ are a solid and a dissolved acid. Carbon compounds
// always count as written: HCOOH is not CO + H₂O.
int ExtraWater(const Species& species) {
    if (CountOf(species.atoms, "C") > 0)
        return 0;
    if (species.charge != 0)
        return std::min(CountOf(species.atoms, "H") / 2, CountOf(species.atoms, "O"));
    for (const HydratedForm& hydrated : kHydratedForms) {
        if (species.atoms == hydrated.atoms && species.form.empty())
            return hydrated.water;
    }
    return species.hydrateWater;
}

// Atoms without extra water, charge and form.
std::string SpeciesKey(const Species& species) {
    Atoms atoms = species.atoms;
    const int water = ExtraWater(species);
    if (water > 0) {
        atoms["H"] -= 2 * water;
        atoms["O"] -= water;
    }
    std::string key;
    for (const auto& [symbol, count] : atoms) {
        if (count != 0)
            key += symbol + std::to_string(count);
    }
    key += "^" + std::to_string(species.charge);
    if (!species.form.empty())
        key += "[" + species.form + "]";
    return key;
}

void AddTerms(ReactionVector& vector, const std::vector<Term>& terms, int sign) {
    for (const Term& term : terms) {
        if (!IsWater(term.species))
            vector[SpeciesKey(term.species)] += sign * term.coefficient;
    }
}

void DropZeros(ReactionVector& vector) {
    std::erase_if(vector, [](const auto& item) { return item.second == 0; });
}

ReactionVector MakeVector(const HalfReactionFormula& formula) {
    ReactionVector vector;
    AddTerms(vector, formula.left, -1);
    AddTerms(vector, formula.right, 1);
    vector[kElectrons] += formula.electrons;
    DropZeros(vector);
    return vector;
}

// The vector divided by the common divisor of its counts, as text.
std::string NormalisedText(const ReactionVector& vector) {
    long long divisor = 0;
    for (const auto& item : vector)
        divisor = std::gcd(divisor, item.second);
    std::string text;
    for (const auto& [key, count] : vector)
        text += std::to_string(divisor == 0 ? count : count / divisor) + "*" + key + ";";
    return text;
}

Atoms SideAtoms(const std::vector<Term>& terms, int& charge) {
    Atoms atoms;
    charge = 0;
    for (const Term& term : terms) {
        for (const auto& [symbol, count] : term.species.atoms)
            atoms[symbol] += term.coefficient * count;
        charge += term.coefficient * term.species.charge;
    }
    return atoms;
}

long long ElectronsOf(const ReactionVector& vector) {
    const auto found = vector.find(kElectrons);
    return found == vector.end() ? 0 : found->second;
}

struct TriangleSearch {
    const std::vector<AuditedReaction>& reactions;
    double tolerance;
    std::vector<ReactionVector> vectors;
    std::map<std::string, std::vector<std::size_t>> byCouple;
    std::map<std::string, std::vector<std::size_t>> consumers; // species key -> reactions taking it
    std::set<std::tuple<std::size_t, std::size_t, std::size_t>> seen;
    std::vector<LatimerTriangle> misfits;

    void index() {
        for (std::size_t i = 0; i < reactions.size(); ++i) {
            vectors.push_back(MakeVector(reactions[i].formula));
            byCouple[NormalisedText(vectors[i])].push_back(i);
            for (const auto& [key, count] : vectors[i]) {
                if (count < 0)
                    consumers[key].push_back(i);
            }
        }
    }

    // first gives `given` of a species that second takes `taken` of.
    void join(std::size_t first, long long given, std::size_t second, long long taken) {
        ReactionVector whole = vectors[first];
        for (auto& item : whole)
            item.second *= taken;
        for (const auto& [key, count] : vectors[second])
            whole[key] += count * given;
        DropZeros(whole);
        const double firstShare = static_cast<double>(ElectronsOf(vectors[first]) * taken);
        const double secondShare = static_cast<double>(ElectronsOf(vectors[second]) * given);
        const double expected =
            (firstShare * reactions[first].potential + secondShare * reactions[second].potential) /
            (firstShare + secondShare);
        const auto found = byCouple.find(NormalisedText(whole));
        if (found == byCouple.end())
            return;
        for (const std::size_t candidate : found->second) {
            const auto key =
                std::make_tuple(std::min(first, second), std::max(first, second), candidate);
            if (candidate == first || candidate == second || !seen.insert(key).second)
                continue;
            if (std::abs(reactions[candidate].potential - expected) > tolerance + kRounding)
                misfits.push_back({first, second, candidate, expected});
        }
    }

    void run() {
        index();
        for (std::size_t first = 0; first < vectors.size(); ++first) {
            for (const auto& [key, given] : vectors[first]) {
                if (given <= 0 || key == kElectrons || !consumers.contains(key))
                    continue;
                for (const std::size_t second : consumers[key]) {
                    if (second != first)
                        join(first, given, second, -vectors[second].at(key));
                }
            }
        }
    }
};

} // namespace

std::string BalanceFault(const HalfReactionFormula& formula) {
    int leftCharge = 0;
    int rightCharge = 0;
    Atoms left = SideAtoms(formula.left, leftCharge);
    const Atoms right = SideAtoms(formula.right, rightCharge);
    for (const auto& [symbol, count] : right)
        left.try_emplace(symbol, 0);
    for (const auto& [symbol, count] : left) {
        if (count != CountOf(right, symbol))
            return symbol + ": " + std::to_string(count) + " left, " +
                   std::to_string(CountOf(right, symbol)) + " right";
    }
    const int rightWithElectrons = rightCharge - formula.electrons;
    if (leftCharge != rightWithElectrons)
        return "charge: " + std::to_string(leftCharge) + " left, " +
               std::to_string(rightWithElectrons) + " right with the electrons";
    return {};
}

bool MixesAcidAndBase(const HalfReactionFormula& formula) {
    bool acid = false;
    bool base = false;
    for (const auto* side : {&formula.left, &formula.right}) {
        for (const Term& term : *side) {
            const std::string key = SpeciesKey(term.species);
            acid = acid || key == kProtonKey;
            base = base || key == kHydroxideKey;
        }
    }
    return acid && base;
}

std::string CoupleKey(const HalfReactionFormula& formula) {
    return NormalisedText(MakeVector(formula));
}

std::vector<RepeatedCouple> RepeatedCouples(const std::vector<AuditedReaction>& reactions) {
    std::map<std::string, std::vector<std::size_t>> byCouple;
    std::vector<RepeatedCouple> repeated;
    for (std::size_t i = 0; i < reactions.size(); ++i) {
        auto& same = byCouple[CoupleKey(reactions[i].formula)];
        for (const std::size_t earlier : same)
            repeated.push_back({earlier, i});
        same.push_back(i);
    }
    return repeated;
}

std::vector<LatimerTriangle> LatimerMisfits(const std::vector<AuditedReaction>& reactions,
                                            double tolerance) {
    TriangleSearch search{reactions, tolerance, {}, {}, {}, {}, {}};
    search.run();
    return std::move(search.misfits);
}

} // namespace galvix
