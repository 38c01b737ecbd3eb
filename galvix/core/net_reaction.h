// The net equation of a cell reaction: both half reactions taken as often as
// their multipliers say and added, with the electrons and every species found
// on both sides cancelled.
#pragma once

#include <string>
#include <string_view>

namespace galvix {

// Said below the equation when one half reaction is written with H⁺ and the
// other with OH⁻ (Chem bytes).
inline constexpr const char* MediaDifferNote =
    "Note: the media differ (one half reaction with H\xa2, the other with OH\xa3); "
    "H\xa2 + OH\xa3 -> H\xb7O is included.";
// The equation when the two sides cancel completely.
inline constexpr const char* NothingLeftText = "none: every species cancels";
// The start of the text shown when no equation can be written.
inline constexpr const char* NoNetReactionText = "cannot be written: ";

struct NetReaction {
    // Chem bytes: "5 Fe²⁺ + MnO₄⁻ + 8 H⁺ -> 5 Fe³⁺ + Mn²⁺ + 4 H₂O", or
    // NothingLeftText; empty when error is set.
    std::string equation;
    // One half reaction has H⁺ and the other OH⁻; where they met on one side
    // they became H₂O.
    bool mediaDiffer = false;
    std::string error; // why no equation could be written

    bool ok() const { return error.empty(); }
    // The equation, or NoNetReactionText and the reason.
    std::string text() const { return ok() ? equation : NoNetReactionText + error; }
};

// The net equation of an oxidation text (as the oxidation list shows it)
// taken oxidationTimes times and a reduction text (as the reduction list shows
// it) taken reductionTimes times. Species are the same when their atoms,
// charge and form are; each keeps the first text it is written with. On each
// side the species stand in the order they first appear there (those of the
// oxidation first), with their counts reduced to the smallest whole numbers.
// H⁺ and OH⁻ left on one side become H₂O. A half reaction that cannot be read
// or does not balance, or electrons that do not cancel, give an error.
NetReaction BuildNetReaction(std::string_view oxidationText, int oxidationTimes,
                             std::string_view reductionText, int reductionTimes);

} // namespace galvix
