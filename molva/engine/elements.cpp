#include "elements.h"

#include "calc_state.h"

#include <array>

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

// A symbol's slot in the index: its capital letter, and its small letter or
// none; -1 for a text that cannot be a symbol.
constexpr int SymbolSlot(std::string_view symbol) {
    if (symbol.empty() || symbol.size() > 2 || symbol[0] < 'A' || symbol[0] > 'Z')
        return -1;
    const int first = symbol[0] - 'A';
    if (symbol.size() == 1)
        return first * 27;
    if (symbol[1] < 'a' || symbol[1] > 'z')
        return -1;
    return first * 27 + 1 + (symbol[1] - 'a');
}

// For each slot, the table position of its element plus one; 0 for none.
constexpr std::array<std::uint8_t, 26 * 27> kIndex = [] {
    std::array<std::uint8_t, 26 * 27> index{};
    for (std::size_t k = 0; k < kElements.size(); ++k)
        index[static_cast<std::size_t>(SymbolSlot(kElements[k].symbol))] =
            static_cast<std::uint8_t>(k + 1);
    return index;
}();

} // namespace

std::span<const Element> ElementTable() {
    return kElements;
}

const Element* FindElement(std::string_view symbol, std::int16_t& decimals) {
    const int slot = SymbolSlot(symbol);
    const std::uint8_t position = slot < 0 ? 0 : kIndex[static_cast<std::size_t>(slot)];
    if (position == 0) {
        decimals = 0;
        return nullptr;
    }
    const Element& element = kElements[position - 1u];
    if (element.decimals < decimals)
        decimals = element.decimals;
    return &element;
}

const Element* FindElement(std::string_view symbol, CalcState& state) {
    return FindElement(symbol, state.decimals);
}

double ElementWeight(std::string_view symbol, CalcState& state) {
    const Element* element = FindElement(symbol, state);
    return element ? element->weight : 0.0;
}

} // namespace molva
