// Consistency checks of half reactions: atom and charge balance, acid and base
// mixed in one half reaction, the same couple written twice, and Latimer
// triangles whose potentials do not add up.
#pragma once

#include "chem_formula.h"

#include <string>
#include <vector>

namespace galvix {

// Why the half reaction does not balance ("O: 3 left, 2 right", "charge: ..."),
// or empty when atoms and charge balance.
std::string BalanceFault(const HalfReactionFormula& formula);

// True when H⁺ and OH⁻ both take part: no standard state has both at unit activity.
bool MixesAcidAndBase(const HalfReactionFormula& formula);

// The same text for every way of writing one couple. Species are compared by
// atoms, charge and form, so B(OH)₃ is H₃BO₃; water is the solvent and is left
// out, and so is the water an ion is written with (Al(OH)₄⁻ is H₂AlO₃⁻ + H₂O),
// water after "." (ZrO₂.2H₂O is ZrO₂) and that of a few hydrated acids (H₆TeO₆
// is H₂TeO₄ + 2 H₂O); carbon compounds count as written. Equations that are
// multiples of each other give the same text.
std::string CoupleKey(const HalfReactionFormula& formula);

struct AuditedReaction {
    HalfReactionFormula formula;
    double potential = 0; // volts, the same sign convention for every reaction
};

struct RepeatedCouple {
    std::size_t first = 0; // indices into the audited reactions, first < second
    std::size_t second = 0;
};

// Every pair of reactions with the same couple key.
std::vector<RepeatedCouple> RepeatedCouples(const std::vector<AuditedReaction>& reactions);

// Reactions first and then second add up to whole (each taken as many times as
// cancels what first gives and second takes): n·E of whole must equal the sum
// of n·E of the two parts.
struct LatimerTriangle {
    std::size_t first = 0;
    std::size_t second = 0;
    std::size_t whole = 0;
    double expected = 0; // the potential of whole that the two parts give
};

// Every triangle whose whole differs from its expected potential by more than
// the tolerance, each triangle once. Species match as in CoupleKey.
std::vector<LatimerTriangle> LatimerMisfits(const std::vector<AuditedReaction>& reactions,
                                            double tolerance);

} // namespace galvix
