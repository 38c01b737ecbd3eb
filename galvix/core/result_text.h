// The texts Galvix3 copies and prints for one reaction and for one half
// reaction, and the captions the windows show beside the same values.
#pragma once

#include "cell_reaction.h"

#include <string>

namespace galvix {

// Captions of the reaction data, shared by its window and its copied text.
namespace caption {
inline constexpr const char* OxidationHalfReaction = "Oxidation half reaction:";
inline constexpr const char* ReductionHalfReaction = "Reduction half reaction:";
inline constexpr const char* Potential = "E = ";
inline constexpr const char* LogK = "log K = ";
inline constexpr const char* OverallReaction = "Overall reaction:";
inline constexpr const char* WillItOccur = "Will it occur: ";
inline constexpr const char* CellPotential = "E(cell) = ";
inline constexpr const char* EquilibriumConstant = "K = ";
inline constexpr const char* Reaction = "Reaction";
inline constexpr const char* LeftSide = "Left side:";
inline constexpr const char* RightSide = "Right side:";
inline constexpr const char* NetReactionHeading = "Net reaction:";
inline constexpr const char* Delta = "\xd3";             // the Chem font's delta sign
inline constexpr const char* ChemFreeEnergy = "G\xf8= "; // G, the standard-state mark, "= "

inline constexpr const char* HalfReactionDataHeading = "Half reaction data:";
inline constexpr const char* HalfReactionType = "Half reaction type:";
inline constexpr const char* HalfReactionPotential = "Half reaction potential (E):";
inline constexpr const char* HalfReactionLogK = "Half reaction equilibrium constant (log K):";
inline constexpr const char* HalfReaction = "Half reaction:";
inline constexpr const char* SourcePrefix = "Source: ";
} // namespace caption

// "Galvix Ver 3.0", a notice line and an empty line, CR LF after each.
std::string OutputHeader();

// The reaction data as copied and printed, in Chem bytes: the header, the two
// half reactions, whether the reaction occurs and, when it does, E(cell), log
// K, K, the free energy, both sides and the net reaction (with the note when
// the media differ). Every line ends with CR LF.
std::string ReactionResultText(const CellReactionResult& result);

// "Net reaction:", the equation (or why there is none) and, when the media
// differ, the note; CR LF after each line.
std::string NetReactionLines(const NetReaction& net);

// The data of one half reaction as one list shows it.
struct HalfReactionData {
    std::string text;          // as the list shows it
    std::string type;          // "Oxidation" or "Reduction"
    std::string potentialText; // general format and " V"
    std::string logKText;
    std::string source; // where a built-in half reaction comes from; empty for none
};

HalfReactionData DataOf(const HalfReactionEntry& entry, ListSide side);

// The header, then heading, formula, type, potential and log K, each caption on
// the line before its value, then "Source: " and the source when there is one;
// no line end after the last line.
std::string HalfReactionDataText(const HalfReactionData& data);

} // namespace galvix
