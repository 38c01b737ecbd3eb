#include "elements.h"

#include "calc_state.h"

#include <array>
#include <string_view>

namespace molva {

namespace {

// In order of atomic number, the weights as the table has always held them.
// clang-format off
constexpr std::array<Element, 109> kElements{{
    {"H", 1.00794, 5, "1.00794"},
    {"He", 4.002602, 6, "4.002602"},
    {"Li", 6.941, 3, "6.941"},
    {"Be", 9.012182, 6, "9.012182"},
    {"B", 10.811, 3, "10.811"},
    {"C", 12.0107, 4, "12.0107"},
    {"N", 14.00674, 5, "14.00674"},
    {"O", 15.9994, 4, "15.9994"},
    {"F", 18.9984032, 7, "18.9984032"},
    {"Ne", 20.1797, 4, "20.1797"},
    {"Na", 22.98977, 6, "22.98977"},
    {"Mg", 24.305, 4, "24.305"},
    {"Al", 26.981538, 6, "26.981538"},
    {"Si", 28.0855, 4, "28.0855"},
    {"P", 30.973761, 6, "30.973761"},
    {"S", 32.066, 3, "32.066"},
    {"Cl", 35.4527, 4, "35.4527"},
    {"Ar", 39.948, 3, "39.948"},
    {"K", 39.0983, 4, "39.0983"},
    {"Ca", 40.078, 3, "40.078"},
    {"Sc", 44.95591, 6, "44.95591"},
    {"Ti", 47.867, 3, "47.867"},
    {"V", 50.9415, 4, "50.9415"},
    {"Cr", 51.9961, 4, "51.9961"},
    {"Mn", 54.938049, 6, "54.938049"},
    {"Fe", 55.845, 3, "55.845"},
    {"Co", 58.9332, 6, "58.9332"},
    {"Ni", 58.6934, 4, "58.6934"},
    {"Cu", 63.546, 3, "63.546"},
    {"Zn", 65.39, 2, "65.39"},
    {"Ga", 69.723, 3, "69.723"},
    {"Ge", 72.61, 2, "72.61"},
    {"As", 74.9216, 5, "74.9216"},
    {"Se", 78.96, 2, "78.96"},
    {"Br", 79.904, 3, "79.904"},
    {"Kr", 83.8, 2, "83.8"},
    {"Rb", 85.4678, 4, "85.4678"},
    {"Sr", 87.62, 2, "87.62"},
    {"Y", 88.90585, 5, "88.90585"},
    {"Zr", 91.224, 3, "91.224"},
    {"Nb", 92.90638, 5, "92.90638"},
    {"Mo", 95.94, 2, "95.94"},
    {"Tc", 98, 0, "98"},
    {"Ru", 101.07, 2, "101.07"},
    {"Rh", 102.9055, 5, "102.9055"},
    {"Pd", 106.42, 2, "106.42"},
    {"Ag", 107.8682, 4, "107.8682"},
    {"Cd", 112.411, 3, "112.411"},
    {"In", 114.818, 3, "114.818"},
    {"Sn", 118.71, 3, "118.71"},
    {"Sb", 121.76, 3, "121.76"},
    {"Te", 127.6, 2, "127.6"},
    {"I", 126.90447, 5, "126.90447"},
    {"Xe", 131.29, 2, "131.29"},
    {"Cs", 132.90545, 5, "132.90545"},
    {"Ba", 137.327, 3, "137.327"},
    {"La", 138.9055, 4, "138.9055"},
    {"Ce", 140.116, 3, "140.116"},
    {"Pr", 140.90765, 5, "140.90765"},
    {"Nd", 144.24, 2, "144.24"},
    {"Pm", 145, 0, "145"},
    {"Sm", 150.36, 2, "150.36"},
    {"Eu", 151.964, 3, "151.964"},
    {"Gd", 157.25, 2, "157.25"},
    {"Tb", 158.92534, 5, "158.92534"},
    {"Dy", 162.5, 2, "162.5"},
    {"Ho", 164.93032, 5, "164.93032"},
    {"Er", 167.26, 2, "167.26"},
    {"Tm", 168.93421, 5, "168.93421"},
    {"Yb", 173.04, 2, "173.04"},
    {"Lu", 174.967, 3, "174.967"},
    {"Hf", 178.49, 2, "178.49"},
    {"Ta", 180.9479, 4, "180.9479"},
    {"W", 183.84, 2, "183.84"},
    {"Re", 186.207, 3, "186.207"},
    {"Os", 190.23, 2, "190.23"},
    {"Ir", 192.217, 3, "192.217"},
    {"Pt", 195.078, 3, "195.078"},
    {"Au", 196.96655, 5, "196.96655"},
    {"Hg", 200.59, 2, "200.59"},
    {"Tl", 204.3833, 4, "204.3833"},
    {"Pb", 207.2, 1, "207.2"},
    {"Bi", 208.98038, 5, "208.98038"},
    {"Po", 209, 0, "209"},
    {"At", 210, 0, "210"},
    {"Rn", 222, 0, "222"},
    {"Fr", 223, 0, "223"},
    {"Ra", 226, 0, "226"},
    {"Ac", 227, 0, "227"},
    {"Th", 232.0381, 4, "232.0381"},
    {"Pa", 231.03588, 5, "231.03588"},
    {"U", 238.0289, 4, "238.0289"},
    {"Np", 237, 0, "237"},
    {"Pu", 244, 0, "244"},
    {"Am", 243, 0, "243"},
    {"Cm", 247, 0, "247"},
    {"Bk", 247, 0, "247"},
    {"Cf", 251, 0, "251"},
    {"Es", 252, 0, "252"},
    {"Fm", 257, 0, "257"},
    {"Md", 258, 0, "258"},
    {"No", 259, 0, "259"},
    {"Lr", 262, 0, "262"},
    {"Rf", 261, 0, "261"},
    {"Db", 262, 0, "262"},
    {"Sg", 263, 0, "263"},
    {"Bh", 264, 0, "264"},
    {"Hs", 265, 0, "265"},
    {"Mt", 268, 0, "268"},
}};
// clang-format on

// The IUPAC 2021 table (Standard atomic weights of the elements 2021, IUPAC
// Technical Report, Pure Appl. Chem. 94 (2022) 573): the abridged standard
// atomic weights; for the elements whose standard weight is an interval (H,
// Li, B, C, N, O, Mg, Si, S, Cl, Ar, Br, Tl, Pb) the conventional value; for
// the elements without a standard weight the mass number of the longest-lived
// known isotope, written [97] in the table. A pure formula sum is shown to
// three decimals, or to the decimals of a weight written with more, and with
// none when it holds a mass number.
// clang-format off
constexpr std::array<Element, 118> kIupac2021{{
    {"H", 1.008, 3, "1.008"},
    {"He", 4.0026, 4, "4.0026"},
    {"Li", 6.94, 3, "6.94"},
    {"Be", 9.0122, 4, "9.0122"},
    {"B", 10.81, 3, "10.81"},
    {"C", 12.011, 3, "12.011"},
    {"N", 14.007, 3, "14.007"},
    {"O", 15.999, 3, "15.999"},
    {"F", 18.998, 3, "18.998"},
    {"Ne", 20.180, 3, "20.180"},
    {"Na", 22.990, 3, "22.990"},
    {"Mg", 24.305, 3, "24.305"},
    {"Al", 26.982, 3, "26.982"},
    {"Si", 28.085, 3, "28.085"},
    {"P", 30.974, 3, "30.974"},
    {"S", 32.06, 3, "32.06"},
    {"Cl", 35.45, 3, "35.45"},
    {"Ar", 39.95, 3, "39.95"},
    {"K", 39.098, 3, "39.098"},
    {"Ca", 40.078, 3, "40.078"},
    {"Sc", 44.956, 3, "44.956"},
    {"Ti", 47.867, 3, "47.867"},
    {"V", 50.942, 3, "50.942"},
    {"Cr", 51.996, 3, "51.996"},
    {"Mn", 54.938, 3, "54.938"},
    {"Fe", 55.845, 3, "55.845"},
    {"Co", 58.933, 3, "58.933"},
    {"Ni", 58.693, 3, "58.693"},
    {"Cu", 63.546, 3, "63.546"},
    {"Zn", 65.38, 3, "65.38"},
    {"Ga", 69.723, 3, "69.723"},
    {"Ge", 72.630, 3, "72.630"},
    {"As", 74.922, 3, "74.922"},
    {"Se", 78.971, 3, "78.971"},
    {"Br", 79.904, 3, "79.904"},
    {"Kr", 83.798, 3, "83.798"},
    {"Rb", 85.468, 3, "85.468"},
    {"Sr", 87.62, 3, "87.62"},
    {"Y", 88.906, 3, "88.906"},
    {"Zr", 91.224, 3, "91.224"},
    {"Nb", 92.906, 3, "92.906"},
    {"Mo", 95.95, 3, "95.95"},
    {"Tc", 97, 0, "97", WeightKind::MassNumber},
    {"Ru", 101.07, 3, "101.07"},
    {"Rh", 102.91, 3, "102.91"},
    {"Pd", 106.42, 3, "106.42"},
    {"Ag", 107.87, 3, "107.87"},
    {"Cd", 112.41, 3, "112.41"},
    {"In", 114.82, 3, "114.82"},
    {"Sn", 118.71, 3, "118.71"},
    {"Sb", 121.76, 3, "121.76"},
    {"Te", 127.60, 3, "127.60"},
    {"I", 126.90, 3, "126.90"},
    {"Xe", 131.29, 3, "131.29"},
    {"Cs", 132.91, 3, "132.91"},
    {"Ba", 137.33, 3, "137.33"},
    {"La", 138.91, 3, "138.91"},
    {"Ce", 140.12, 3, "140.12"},
    {"Pr", 140.91, 3, "140.91"},
    {"Nd", 144.24, 3, "144.24"},
    {"Pm", 145, 0, "145", WeightKind::MassNumber},
    {"Sm", 150.36, 3, "150.36"},
    {"Eu", 151.96, 3, "151.96"},
    {"Gd", 157.25, 3, "157.25"},
    {"Tb", 158.93, 3, "158.93"},
    {"Dy", 162.50, 3, "162.50"},
    {"Ho", 164.93, 3, "164.93"},
    {"Er", 167.26, 3, "167.26"},
    {"Tm", 168.93, 3, "168.93"},
    {"Yb", 173.05, 3, "173.05"},
    {"Lu", 174.97, 3, "174.97"},
    {"Hf", 178.49, 3, "178.49"},
    {"Ta", 180.95, 3, "180.95"},
    {"W", 183.84, 3, "183.84"},
    {"Re", 186.21, 3, "186.21"},
    {"Os", 190.23, 3, "190.23"},
    {"Ir", 192.22, 3, "192.22"},
    {"Pt", 195.08, 3, "195.08"},
    {"Au", 196.97, 3, "196.97"},
    {"Hg", 200.59, 3, "200.59"},
    {"Tl", 204.38, 3, "204.38"},
    {"Pb", 207.2, 3, "207.2"},
    {"Bi", 208.98, 3, "208.98"},
    {"Po", 209, 0, "209", WeightKind::MassNumber},
    {"At", 210, 0, "210", WeightKind::MassNumber},
    {"Rn", 222, 0, "222", WeightKind::MassNumber},
    {"Fr", 223, 0, "223", WeightKind::MassNumber},
    {"Ra", 226, 0, "226", WeightKind::MassNumber},
    {"Ac", 227, 0, "227", WeightKind::MassNumber},
    {"Th", 232.04, 3, "232.04"},
    {"Pa", 231.04, 3, "231.04"},
    {"U", 238.03, 3, "238.03"},
    {"Np", 237, 0, "237", WeightKind::MassNumber},
    {"Pu", 244, 0, "244", WeightKind::MassNumber},
    {"Am", 243, 0, "243", WeightKind::MassNumber},
    {"Cm", 247, 0, "247", WeightKind::MassNumber},
    {"Bk", 247, 0, "247", WeightKind::MassNumber},
    {"Cf", 251, 0, "251", WeightKind::MassNumber},
    {"Es", 252, 0, "252", WeightKind::MassNumber},
    {"Fm", 257, 0, "257", WeightKind::MassNumber},
    {"Md", 258, 0, "258", WeightKind::MassNumber},
    {"No", 259, 0, "259", WeightKind::MassNumber},
    {"Lr", 266, 0, "266", WeightKind::MassNumber},
    {"Rf", 267, 0, "267", WeightKind::MassNumber},
    {"Db", 268, 0, "268", WeightKind::MassNumber},
    {"Sg", 269, 0, "269", WeightKind::MassNumber},
    {"Bh", 270, 0, "270", WeightKind::MassNumber},
    {"Hs", 269, 0, "269", WeightKind::MassNumber},
    {"Mt", 278, 0, "278", WeightKind::MassNumber},
    {"Ds", 281, 0, "281", WeightKind::MassNumber},
    {"Rg", 282, 0, "282", WeightKind::MassNumber},
    {"Cn", 285, 0, "285", WeightKind::MassNumber},
    {"Nh", 286, 0, "286", WeightKind::MassNumber},
    {"Fl", 289, 0, "289", WeightKind::MassNumber},
    {"Mc", 290, 0, "290", WeightKind::MassNumber},
    {"Lv", 293, 0, "293", WeightKind::MassNumber},
    {"Ts", 294, 0, "294", WeightKind::MassNumber},
    {"Og", 294, 0, "294", WeightKind::MassNumber},
}};

// In order of atomic number.
constexpr std::array<std::string_view, 118> kNames{{
    "Hydrogen",
    "Helium",
    "Lithium",
    "Beryllium",
    "Boron",
    "Carbon",
    "Nitrogen",
    "Oxygen",
    "Fluorine",
    "Neon",
    "Sodium",
    "Magnesium",
    "Aluminium",
    "Silicon",
    "Phosphorus",
    "Sulfur",
    "Chlorine",
    "Argon",
    "Potassium",
    "Calcium",
    "Scandium",
    "Titanium",
    "Vanadium",
    "Chromium",
    "Manganese",
    "Iron",
    "Cobalt",
    "Nickel",
    "Copper",
    "Zinc",
    "Gallium",
    "Germanium",
    "Arsenic",
    "Selenium",
    "Bromine",
    "Krypton",
    "Rubidium",
    "Strontium",
    "Yttrium",
    "Zirconium",
    "Niobium",
    "Molybdenum",
    "Technetium",
    "Ruthenium",
    "Rhodium",
    "Palladium",
    "Silver",
    "Cadmium",
    "Indium",
    "Tin",
    "Antimony",
    "Tellurium",
    "Iodine",
    "Xenon",
    "Caesium",
    "Barium",
    "Lanthanum",
    "Cerium",
    "Praseodymium",
    "Neodymium",
    "Promethium",
    "Samarium",
    "Europium",
    "Gadolinium",
    "Terbium",
    "Dysprosium",
    "Holmium",
    "Erbium",
    "Thulium",
    "Ytterbium",
    "Lutetium",
    "Hafnium",
    "Tantalum",
    "Tungsten",
    "Rhenium",
    "Osmium",
    "Iridium",
    "Platinum",
    "Gold",
    "Mercury",
    "Thallium",
    "Lead",
    "Bismuth",
    "Polonium",
    "Astatine",
    "Radon",
    "Francium",
    "Radium",
    "Actinium",
    "Thorium",
    "Protactinium",
    "Uranium",
    "Neptunium",
    "Plutonium",
    "Americium",
    "Curium",
    "Berkelium",
    "Californium",
    "Einsteinium",
    "Fermium",
    "Mendelevium",
    "Nobelium",
    "Lawrencium",
    "Rutherfordium",
    "Dubnium",
    "Seaborgium",
    "Bohrium",
    "Hassium",
    "Meitnerium",
    "Darmstadtium",
    "Roentgenium",
    "Copernicium",
    "Nihonium",
    "Flerovium",
    "Moscovium",
    "Livermorium",
    "Tennessine",
    "Oganesson",
}};
// clang-format on

using SymbolIndex = std::array<std::uint8_t, kSymbolSlots>;

// For each slot, the table position of its element plus one; 0 for none.
template <std::size_t N> constexpr SymbolIndex IndexOf(const std::array<Element, N>& table) {
    SymbolIndex index{};
    for (std::size_t k = 0; k < table.size(); ++k)
        index[static_cast<std::size_t>(SymbolSlot(table[k].symbol))] =
            static_cast<std::uint8_t>(k + 1);
    return index;
}

constexpr SymbolIndex kClassicIndex = IndexOf(kElements);
constexpr SymbolIndex kIupacIndex = IndexOf(kIupac2021);

} // namespace

std::string_view AtomicWeightsName(AtomicWeights weights) {
    return weights == AtomicWeights::Iupac2021 ? "iupac2021" : "classic";
}

std::optional<AtomicWeights> AtomicWeightsNamed(std::string_view name) {
    for (const AtomicWeights weights : {AtomicWeights::Classic, AtomicWeights::Iupac2021}) {
        if (name == AtomicWeightsName(weights))
            return weights;
    }
    return std::nullopt;
}

std::span<const Element> ElementTable(AtomicWeights weights) {
    if (weights == AtomicWeights::Iupac2021)
        return kIupac2021;
    return kElements;
}

SymbolTable SymbolTableOf(AtomicWeights weights) {
    if (weights == AtomicWeights::Iupac2021)
        return {kIupacIndex.data(), kIupac2021.data()};
    return {kClassicIndex.data(), kElements.data()};
}

std::string_view ElementName(std::string_view symbol) {
    const int slot = SymbolSlot(symbol);
    const std::uint8_t position = slot < 0 ? 0 : kIupacIndex[static_cast<std::size_t>(slot)];
    return position == 0 ? std::string_view() : kNames[position - 1u];
}

const Element* FindElement(std::string_view symbol, std::int16_t& decimals, AtomicWeights weights) {
    return SymbolTableOf(weights).Find(symbol, decimals);
}

const Element* FindElement(std::string_view symbol, CalcState& state) {
    return FindElement(symbol, state.decimals, state.weights);
}

double ElementWeight(std::string_view symbol, CalcState& state) {
    const Element* element = FindElement(symbol, state);
    return element ? element->weight : 0.0;
}

} // namespace molva
