#include "result_text.h"

#include "number_text.h"

namespace galvix {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string Line(const std::string& text) {
    return text + kLineEnd;
}

} // namespace

std::string OutputHeader() {
    return Line("Galvix Ver 3.0") +
           Line("Redox predictions from standard electrode potentials at 25 degrees C") + kLineEnd;
}

std::string ReactionResultText(const CellReactionResult& r) {
    using namespace caption;
    std::string text = OutputHeader();
    text += Line(OxidationHalfReaction) + Line(r.oxidationText);
    text += Line(Potential + r.oxidationPotentialText) + Line(LogK + r.oxidationLogKText);
    text += Line(ReductionHalfReaction) + Line(r.reductionText);
    text += Line(Potential + r.reductionPotentialText) + Line(LogK + r.reductionLogKText);
    text += Line(OverallReaction) + Line(WillItOccur + r.willOccur);
    if (!r.occurs())
        return text;
    text += Line(CellPotential + r.cellPotentialText) + Line(LogK + r.overallLogKText);
    text += Line(EquilibriumConstant + r.equilibriumConstantText);
    text += Line(std::string(Delta) + ChemFreeEnergy + r.freeEnergyText) + Line(Reaction);
    text += Line(LeftSide) + Line(r.leftSideText) + Line(RightSide) + Line(r.rightSideText);
    return text + NetReactionLines(r.netReaction);
}

std::string NetReactionLines(const NetReaction& net) {
    std::string lines = Line(caption::NetReactionHeading) + Line(net.text());
    return net.mediaDiffer ? lines + Line(MediaDifferNote) : lines;
}

HalfReactionData DataOf(const HalfReactionEntry& entry, ListSide side) {
    if (side == ListSide::Oxidation)
        return {entry.oxidationText,
                "Oxidation",
                GeneralFormat(entry.oxidationPotential) + " V",
                GeneralFormat(entry.oxidationLogK),
                {}};
    return {entry.reductionText,
            "Reduction",
            GeneralFormat(entry.reductionPotential) + " V",
            GeneralFormat(entry.reductionLogK),
            {}};
}

std::string HalfReactionDataText(const HalfReactionData& data) {
    using namespace caption;
    return OutputHeader() + Line(HalfReactionDataHeading) + Line(HalfReaction) + Line(data.text) +
           Line(HalfReactionType) + Line(data.type) + Line(HalfReactionPotential) +
           Line(data.potentialText) + Line(HalfReactionLogK) + data.logKText +
           (data.source.empty() ? "" : kLineEnd + std::string(SourcePrefix) + data.source);
}

} // namespace galvix
