// Whole lists as text for copying and printing: one line per entry with its
// potential.
#pragma once

#include "half_reaction_table.h"

#include <string>
#include <unordered_map>

namespace galvix {

// The potential right-aligned in 9 characters, two spaces, the text, CR LF.
std::string ListOutputLine(double potential, const std::string& text);

// Maps list texts to the potential of the first table entry with that text.
class ListPotentials {
  public:
    ListPotentials(const HalfReactionTable& table, bool reductionList);
    // The potential of the first entry showing `text`; nullopt when none does.
    std::optional<double> potentialOf(const std::string& text) const;

  private:
    std::unordered_map<std::string, double> potentials_;
};

} // namespace galvix
