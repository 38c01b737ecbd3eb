// Reads half-reaction texts in the Chem notation as chemistry: the species on
// each side with their atoms, charges and forms, and the electrons given up.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace galvix {

// One species as written, for example Cr₂O₇²⁻, gamma-NiS, I₂(aq) or Pb(Hg).
struct Species {
    std::map<std::string, int> atoms; // element symbol (D for deuterium) -> count
    int charge = 0;
    // What sets the species apart from the same atoms in their usual form: a
    // modification ("gamma", "red"), a phase other than solid, liquid or gas
    // ("aq"), or an amalgam ("Hg"); several are joined by ",". Empty for none.
    std::string form;
    int hydrateWater = 0; // H₂O written as a part after ".", as in ZrO₂.2H₂O; counted in atoms too
};

struct Term {
    int coefficient = 1;
    Species species;
    std::string text; // the species as written, without its coefficient
};

// An oxidation half reaction: left -> right + electrons; an equation without
// electrons has none.
struct HalfReactionFormula {
    std::vector<Term> left;
    std::vector<Term> right; // without the electrons
    int electrons = 0;
};

struct SpeciesRead {
    Species species;
    std::string error; // empty when the text could be read

    bool ok() const { return error.empty(); }
};

struct FormulaRead {
    HalfReactionFormula formula;
    std::string error; // empty when the text could be read

    bool ok() const { return error.empty(); }
};

// Reads one species without its coefficient. Counts are the subscript codes
// 181..190 or plain digits; the charge is superscript digits (140..149) and a
// superscript sign (162 plus, 163 minus); "." starts a part such as ".2H₂O";
// a prefix "word-" and a trailing "(word)" or "(Hg)" name the form, where the
// usual phases (s), (l) and (g) are left out.
SpeciesRead ParseSpecies(std::string_view text);

// Reads an oxidation text: species joined by " + " on both sides of the first
// " -> ", each with an optional count and a space before it, and the electrons
// last as " + e" or " + ne".
FormulaRead ParseHalfReaction(std::string_view oxidationText);

// Reads an equation without electrons, such as a net reaction: species joined
// by " + " on both sides of the first " -> ".
FormulaRead ParseEquation(std::string_view text);

} // namespace galvix
