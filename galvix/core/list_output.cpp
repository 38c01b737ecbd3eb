#include "list_output.h"

#include "number_text.h"

namespace galvix {

namespace {

constexpr std::size_t kPotentialWidth = 9;

} // namespace

std::string ListOutputLine(double potential, const std::string& text) {
    const std::string number = GeneralFormat(potential);
    std::string line;
    if (number.size() < kPotentialWidth)
        line.append(kPotentialWidth - number.size(), ' ');
    return line + number + "  " + text + "\r\n";
}

ListPotentials::ListPotentials(const HalfReactionTable& table, bool reductionList) {
    for (int i = 1; i <= table.count(); ++i) {
        const HalfReactionEntry& entry = table[i];
        if (reductionList)
            potentials_.emplace(entry.reductionText, entry.reductionPotential);
        else
            potentials_.emplace(entry.oxidationText, entry.oxidationPotential);
    }
}

std::optional<double> ListPotentials::potentialOf(const std::string& text) const {
    const auto found = potentials_.find(text);
    if (found == potentials_.end())
        return std::nullopt;
    return found->second;
}

} // namespace galvix
