#!/usr/bin/env python3
"""Builds Galvix3's built-in Data.dat, Ele.dat and Sources.dat from the
reference table galvix/data/source/electrode-potentials.tsv (standard reduction
potentials at 25 degrees C; see the .md beside it for sources and caveats).

Usage: make_data.py [output-directory]   (default: galvix/data)

Selection, in this order:
  * rows with more than 10 electrons are dropped (the text format encodes 1..10);
  * a row marked suspect is dropped when an unmarked row gives the same couple;
  * of the rows for one couple, the best source wins (textbook tables first,
    then the data page, then the rest); the lowest-confidence web copy is used
    only when no other source has the couple, and never when it disagrees by
    more than 0.05 V with a better row of the same couple;
  * if more than 531 couples remain, rows of the web copy are left out, from the
    elements with the most entries, until 531 remain;
  * then a chemist's review of that selection is applied: the rows in REPLACED,
    CORRECTED, EXCLUDED and ADDED below, each with its reason and reference.
Each element's entries stay together, the groups in Ele.dat's order, each
group by rising standard reduction potential. Sources.dat names the source of
every entry, keyed by its oxidation text.
"""
import collections
import csv
import os
import re
import sys

BUILT_IN_COUNT = 531
MAX_ELECTRONS = 10

SOURCE_RANK = {
    "openstax-chem2e-appL": 0,
    "crc-ecs-table1-excerpt": 0,
    "wiki-dp-2022": 1,
    "crc-value-unverified": 2,
    "periodensystem-online-de": 2,
    "canov-jergym-cz": 2,
    "kiev-ant-chat-ru": 2,
    "ptable-classic-webcopy": 3,
}
WEB_COPY_RANK = 3

# What the half-reaction data window shows as the source of an entry.
SOURCE_LABEL = {
    "openstax-chem2e-appL": "OpenStax Chemistry 2e, Appendix L",
    "crc-ecs-table1-excerpt": "CRC Handbook, electrochemical series",
    "wiki-dp-2022": "Wikipedia, standard electrode potential data page",
    "crc-value-unverified": "CRC Handbook value as commonly quoted",
    "periodensystem-online-de": "periodensystem-online.de, technetium potentials",
    "canov-jergym-cz": "Czech school tables of half reactions (canov.jergym.cz)",
    "kiev-ant-chat-ru": "kiev-ant.chat.ru element tables",
    "ptable-classic-webcopy": "Web copy of a periodic table's reduction potential tables",
}
CRC = SOURCE_LABEL["crc-ecs-table1-excerpt"]
FREE_ENERGIES = "Derived from free energies of formation (NBS tables)"
LATIMER = "Derived from other entries of this table (Latimer)"

# The review. Row numbers count the data rows of electrode-potentials.tsv from
# 1 (file line = row + 1). Potentials are standard reduction potentials E0; the
# free energies of formation quoted are those of the NBS tables (1982), in
# kJ/mol: H2O(l) -237.13, OH-(aq) -157.24, NH3(aq) -26.5, N2H4(aq) 128.1,
# BaO(s) -525.1, ClO-(aq) -36.8, Cl-(aq) -131.23.

# A row the selection chose, and the row of the same couple used instead.
REPLACED = {
    539: (546, "NiS + 2e -> Ni + S2-: OpenStax prints +0.76 V, the wrong sign; with "
               "it NiS would oxidise iodide and copper. From Ni2+/Ni -0.257 V and the "
               "solubility product of NiS (1e-19 to 1e-26 by modification) E0 is "
               "-0.82 to -1.03 V, like every other sulfide here; row 546 (gamma-NiS, "
               "-0.99 V) is that value"),
    445: (437, "MnO4- + 2H2O + 3e -> MnO2 + 4OH-: OpenStax 0.558 V is the MnO4-/MnO42- "
               "value; CRC and the free energies give 0.595 V (row 437)"),
    164: (162, "Ce3+ + 3e -> Ce: OpenStax -2.483 V is an old value; current CRC -2.336 V "
               "(row 162)"),
    423: (422, "La3+ + 3e -> La: OpenStax -2.52 V is an old value; current CRC -2.379 V "
               "(row 422)"),
}

Correction = collections.namedtuple("Correction", "e0 oxidized reduced source reason")

# A chosen row kept with a corrected value (e0), couple (oxidized, reduced:
# new sides, None to keep) or source label.
CORRECTED = {
    100: Correction("-1.49", None, None, FREE_ENERGIES,
                    "BaO + 2H+ + 2e -> Ba + H2O: -2.166 V comes from the web copy only; "
                    "from BaO -525.1 and H2O -237.13 kJ/mol E0 = -1.49 V (the CaO and MgO "
                    "entries, -1.90 and -1.722 V, agree with the same tables)"),
    484: Correction("0.01", None, None, CRC,
                    "NO3- + H2O + 2e -> NO2- + 2OH-: OpenStax 0.10 V; CRC 0.01 V, as the "
                    "acid couple NO3-/NO2- 0.835 V less 14 x 0.0592 V gives"),
    320: Correction("0.24", None, None, CRC,
                    "Ge2+ + 2e -> Ge: the web copy's 0.00 V is Ge4+/Ge2+; CRC gives 0.24 V, "
                    "which with Ge4+/Ge2+ 0.00 V yields Ge4+/Ge 0.12 V (row 318)"),
    863: Correction("-0.85", None, None, LATIMER,
                    "Ti3+ + e -> Ti2+: the web copy's -0.369 V contradicts Ti2+/Ti -1.63 V "
                    "and Ti3+/Ti -1.37 V, which require 3(-1.37) - 2(-1.63) = -0.85 V "
                    "(handbooks give about -0.9 V)"),
    279: Correction("2.245", None, None, LATIMER,
                    "OF2 + 4H+ + 4e -> 2HF + H2O: 2.12 V does not fit OF2/F2 1.44 V and "
                    "F2/HF 3.05 V, (1.44 + 3.05)/2 = 2.245 V; OF2/F- 2.15 V corrected for "
                    "the acidity of HF (pKa 3.17) gives 2.24 V as well"),
    478: Correction("0.11", "N2H4 + 2 H2O", "2 NH3 + 2 OH^-", FREE_ENERGIES,
                    "N2H4 + 4H2O + 2e -> 2NH4+ + 4OH- at 0.11 V: the value is that of "
                    "N2H4 + 2H2O + 2e -> 2NH3 + 2OH- (from the free energies 0.110 V); "
                    "NH4+ and OH- at unit activity together is no standard state, and "
                    "the written couple would have -0.17 V"),
    828: Correction("-0.569", None, None,
                    "periodensystem-online.de, technetium potentials (sign corrected)",
                    "TcO4- + e -> TcO42-: the site prints +0.569 V; the one-electron "
                    "reduction of pertechnetate lies near -0.6 V (pulse radiolysis), so "
                    "the sign was lost"),
    827: Correction("1.392", None, None, LATIMER,
                    "TcO42- + 4H+ + 2e -> TcO2 + 2H2O: 0.823 V was derived from the "
                    "wrong-signed TcO4-/TcO42-; with TcO4-/TcO2 0.738 V and TcO4-/TcO42- "
                    "-0.569 V it is (3 x 0.738 + 0.569)/2 = 1.392 V"),
    904: Correction("-1.47", None, None, LATIMER,
                    "U4+ + 4e -> U: -1.38 V belongs to the older U3+/U -1.66 V; with "
                    "U3+/U -1.79 V and U4+/U3+ -0.52 V of this table it is "
                    "(3(-1.79) - 0.52)/4 = -1.47 V"),
    907: Correction("-0.34", None, None, LATIMER,
                    "U2+ + 2e -> U: the estimate -0.1 V belongs with U3+/U -1.66 V; with "
                    "U3+/U -1.79 V and the estimate U3+/U2+ -4.7 V (kept) it is "
                    "(3(-1.79) + 4.7)/2 = -0.34 V"),
    373: Correction(None, "3 I2(aq)", None, None,
                    "3I2 + 2e -> 2I3-: 0.789 V is for dissolved iodine (from I2(aq)/I- "
                    "0.6195 V and I3-/I- 0.536 V); the label keeps it apart from the "
                    "solid-iodine entries"),
    537: Correction("1.678", None, None, CRC,
                    "NiO2 + 4H+ + 2e -> Ni2+ + 2H2O: OpenStax 1.593 V; CRC 1.678 V, which "
                    "NiO2/Ni(OH)2 0.49 V and the solubility of Ni(OH)2 confirm (1.69 V)"),
    163: Correction("1.72", None, None, CRC,
                    "Ce4+ + e -> Ce3+: 1.61 V is the formal potential in 1 mol/L HNO3; "
                    "CRC gives the standard potential 1.72 V"),
    219: Correction("1.36", None, None, CRC,
                    "Cr2O72- + 14H+ + 6e -> 2Cr3+ + 7H2O: OpenStax 1.232 V; current CRC "
                    "1.36 V, as the free energies give"),
    136: Correction("-0.49", None, None, CRC,
                    "2CO2 + 2H+ + 2e -> HOOCCOOH: -0.43 V; CRC -0.49 V (row 145)"),
}

# Chosen rows left out.
EXCLUDED = {
    41: "Al3+ + 2e -> Al+ -2.76 V: there is no aqueous Al(I); with row 42 it "
        "contradicts Al3+/Al -1.662 V",
    42: "Al+ + e -> Al -0.55 V: there is no aqueous Al(I)",
    35: "H2AlO3- + H2O + 3e -> Al + 4OH- is the couple of row 39 (Al(OH)4-, CRC "
        "-2.328 V), written with H2AlO3- + H2O for Al(OH)4-",
    89: "H3BO3 + 3H+ + 3e -> B + 3H2O is the couple of row 88 (B(OH)3 is H3BO3)",
    534: "NiO2 + 2H+ + 2e -> Ni2+ + 2OH- mixes acid and base; it is a garbled copy of "
         "NiO2/Ni2+ (row 537)",
    168: "Ce(ClO4)6 2- does not exist; 1.70 V is the formal potential of Ce4+/Ce3+ in "
         "1 mol/L HClO4, not a standard potential",
    169: "Ce(NO3)6 2-/Ce3+ 1.61 V is the formal potential in 1 mol/L HNO3, not a "
         "standard potential",
    170: "Ce(SO4)3 2-/Ce3+ 1.44 V is the formal potential in 1 mol/L H2SO4, not a "
         "standard potential",
    838: "H2TeO4 + 2H+ + 2e -> TeO2 + 2H2O is the couple of row 832 (H6TeO6 is H2TeO4 "
         "+ 2H2O, telluric acid)",
    954: "ZnO2 2- + 2H2O + 2e -> Zn + 4OH- is the couple of row 948 (Zn(OH)4 2-, the "
         "zincate ion written with water)",
    963: "H2ZrO3 + H2O + 4e -> Zr + 4OH- is the couple of row 959 (ZrO(OH)2 is H2ZrO3)",
    968: "ZrO2.2H2O + 4H+ + 4e -> Zr + 4H2O is the couple of row 960 (ZrO2), written "
         "with its water of hydration, at the same potential",
    967: "ZrO2.H2O + 4H+ + 4e -> Zr + 3H2O is the couple of row 960 (ZrO2) written with "
         "water of hydration",
}

# Rows that take the places freed above: well-known couples that fit the
# entries beside them (checked by the Latimer test).
ADDED = {
    357: "Hg2SO4 + 2e -> 2Hg + SO42- 0.615 V, the mercurous sulfate reference "
         "electrode (CRC 0.6125 V)",
    257: "Cu2+ + I- + e -> CuI 0.86 V, the reaction behind iodometric copper "
         "determination (CRC 0.86 V)",
    258: "CuI + e -> Cu + I- -0.185 V (CRC -0.1852 V); with row 257 it gives Cu2+/Cu "
         "0.3375 V",
    448: "Mn3+ + e -> Mn2+ 1.51 V (CRC 1.5415 V); with MnO2/Mn3+ 0.95 V it gives "
         "MnO2/Mn2+ 1.23 V",
    450: "MnO4- + e -> MnO42- 0.564 V (CRC 0.558 V), the manganate couple",
    566: "O3 + H2O + 2e -> O2 + 2OH- 1.24 V (CRC 1.24 V)",
    511: "N2O + 2H+ + 2e -> N2 + H2O 1.766 V (CRC 1.766 V)",
    507: "2NO + 2H+ + 2e -> N2O + H2O 1.591 V (CRC 1.591 V)",
    499: "HNO2 + H+ + e -> NO + H2O 1.00 V (CRC 0.983 V); with NO3-/HNO2 it gives "
         "NO3-/NO within 0.01 V",
    135: "BrO- + H2O + 2e -> Br- + 2OH- 0.76 V (CRC 0.761 V)",
    134: "2BrO- + 2H2O + 2e -> Br2 + 4OH- 0.45 V (CRC 0.455 V); with Br2/Br- it "
         "gives BrO-/Br- 0.758 V",
    462: "Mn(OH)2 + 2e -> Mn + 2OH- -1.55 V (CRC -1.56 V)",
    957: "Zn(NH3)4 2+ + 2e -> Zn + 4NH3 -1.04 V (CRC -1.04 V)",
}

# Reviewed and kept as they are.
KEPT = {
    185: "ClO- + H2O + 2e -> Cl- + 2OH- 0.89 V (OpenStax) stays although a CRC row "
         "gives 0.81 V: the free energies give 0.890 V, and so does HClO/Cl- 1.482 V "
         "with the pKa 7.53 of HClO (0.88 V); 0.81 V would contradict both",
    905: "U3+ + e -> U2+ -4.7 V is an estimate (there is no aqueous U(II)) and stays "
         "as the one U(II) value; U2+/U is derived from it",
}

# The 98 elements from H to Lr without the noble gases He, Ne, Ar, Kr, Rn,
# plus deuterium: symbol, English name, atomic number.
ELEMENTS = [
    ("H", "Hydrogen", 1), ("D", "Deuterium", 1), ("Li", "Lithium", 3),
    ("Be", "Beryllium", 4), ("B", "Boron", 5), ("C", "Carbon", 6),
    ("N", "Nitrogen", 7), ("O", "Oxygen", 8), ("F", "Fluorine", 9),
    ("Na", "Sodium", 11), ("Mg", "Magnesium", 12), ("Al", "Aluminium", 13),
    ("Si", "Silicon", 14), ("P", "Phosphorus", 15), ("S", "Sulfur", 16),
    ("Cl", "Chlorine", 17), ("K", "Potassium", 19), ("Ca", "Calcium", 20),
    ("Sc", "Scandium", 21), ("Ti", "Titanium", 22), ("V", "Vanadium", 23),
    ("Cr", "Chromium", 24), ("Mn", "Manganese", 25), ("Fe", "Iron", 26),
    ("Co", "Cobalt", 27), ("Ni", "Nickel", 28), ("Cu", "Copper", 29),
    ("Zn", "Zinc", 30), ("Ga", "Gallium", 31), ("Ge", "Germanium", 32),
    ("As", "Arsenic", 33), ("Se", "Selenium", 34), ("Br", "Bromine", 35),
    ("Rb", "Rubidium", 37), ("Sr", "Strontium", 38), ("Y", "Yttrium", 39),
    ("Zr", "Zirconium", 40), ("Nb", "Niobium", 41), ("Mo", "Molybdenum", 42),
    ("Tc", "Technetium", 43), ("Ru", "Ruthenium", 44), ("Rh", "Rhodium", 45),
    ("Pd", "Palladium", 46), ("Ag", "Silver", 47), ("Cd", "Cadmium", 48),
    ("In", "Indium", 49), ("Sn", "Tin", 50), ("Sb", "Antimony", 51),
    ("Te", "Tellurium", 52), ("I", "Iodine", 53), ("Xe", "Xenon", 54),
    ("Cs", "Caesium", 55), ("Ba", "Barium", 56), ("La", "Lanthanum", 57),
    ("Ce", "Cerium", 58), ("Pr", "Praseodymium", 59), ("Nd", "Neodymium", 60),
    ("Pm", "Promethium", 61), ("Sm", "Samarium", 62), ("Eu", "Europium", 63),
    ("Gd", "Gadolinium", 64), ("Tb", "Terbium", 65), ("Dy", "Dysprosium", 66),
    ("Ho", "Holmium", 67), ("Er", "Erbium", 68), ("Tm", "Thulium", 69),
    ("Yb", "Ytterbium", 70), ("Lu", "Lutetium", 71), ("Hf", "Hafnium", 72),
    ("Ta", "Tantalum", 73), ("W", "Tungsten", 74), ("Re", "Rhenium", 75),
    ("Os", "Osmium", 76), ("Ir", "Iridium", 77), ("Pt", "Platinum", 78),
    ("Au", "Gold", 79), ("Hg", "Mercury", 80), ("Tl", "Thallium", 81),
    ("Pb", "Lead", 82), ("Bi", "Bismuth", 83), ("Po", "Polonium", 84),
    ("At", "Astatine", 85), ("Fr", "Francium", 87), ("Ra", "Radium", 88),
    ("Ac", "Actinium", 89), ("Th", "Thorium", 90), ("Pa", "Protactinium", 91),
    ("U", "Uranium", 92), ("Np", "Neptunium", 93), ("Pu", "Plutonium", 94),
    ("Am", "Americium", 95), ("Cm", "Curium", 96), ("Bk", "Berkelium", 97),
    ("Cf", "Californium", 98), ("Es", "Einsteinium", 99), ("Fm", "Fermium", 100),
    ("Md", "Mendelevium", 101), ("No", "Nobelium", 102), ("Lr", "Lawrencium", 103),
]

# Chem font codes: subscript digit d is byte 181 + d; superscript digits 1..9
# are bytes 140..148 and 0 is byte 149; superscript plus 162, minus 163.
SUBSCRIPT = {str(d): 181 + d for d in range(10)}
SUPERSCRIPT = {str(d): 139 + d for d in range(1, 10)}
SUPERSCRIPT["0"] = 149
SUPERSCRIPT["+"] = 162
SUPERSCRIPT["-"] = 163

STANDARD_STATES = re.compile(r"\((?:s|l|g|aq)\)")


class Row:
    def __init__(self, number, fields):
        self.number = number
        (self.element, self.oxidized, electrons, self.reduced, e0,
         self.source, self.audit) = fields
        self.electrons = int(electrons)
        self.e0_text = e0
        self.e0 = float(e0)
        self.rank = SOURCE_RANK[self.source]
        self.source_label = SOURCE_LABEL[self.source]
        self.labelled = False

    @property
    def suspect(self):
        return bool(self.audit.strip())

    def couple(self, keep_states):
        def side(text):
            return text if keep_states or self.labelled else STANDARD_STATES.sub("", text)
        return (side(self.reduced), self.electrons, side(self.oxidized))


def read_rows(path):
    with open(path, newline="", encoding="ascii") as f:
        reader = csv.reader(f, delimiter="\t")
        next(reader)
        return [Row(i, r + [""] * (7 - len(r))) for i, r in enumerate(reader, 1)]


def choose_per_couple(rows):
    by_couple = collections.defaultdict(list)
    for row in rows:
        by_couple[row.couple(False)].append(row)
    chosen = []
    for group in by_couple.values():
        if any(not r.suspect for r in group):
            group = [r for r in group if not r.suspect]
        group.sort(key=lambda r: (r.rank, r.number))
        best = group[0]
        if best.rank == WEB_COPY_RANK:
            better = [r for r in rows if r.rank < WEB_COPY_RANK
                      and r.couple(False) == best.couple(False)
                      and abs(r.e0 - best.e0) > 0.05]
            if better:
                continue
        chosen.append(best)
    return chosen


def trim_to_count(chosen, count):
    per_element = collections.Counter(r.element for r in chosen)
    removable = sorted((r for r in chosen if r.rank == WEB_COPY_RANK),
                       key=lambda r: r.number, reverse=True)
    dropped = set()
    while len(chosen) - len(dropped) > count:
        element = max((e for e in per_element
                       if any(r.element == e and r.number not in dropped
                              for r in removable)),
                      key=lambda e: (per_element[e], e))
        victim = next(r for r in removable
                      if r.element == element and r.number not in dropped)
        dropped.add(victim.number)
        per_element[element] -= 1
    return [r for r in chosen if r.number not in dropped]


def apply_review(chosen, rows):
    """The selection with the review's replacements, corrections, exclusions
    and additions; stops when the review names a row it cannot apply to."""
    by_number = {r.number: r for r in rows}
    numbers = {r.number for r in chosen}
    stale = [n for n in list(REPLACED) + list(EXCLUDED) + list(KEPT) if n not in numbers]
    stale += [n for n in ADDED if n in numbers]
    if stale:
        raise SystemExit("the review names rows the selection does not hold as expected: %r"
                         % stale)
    reviewed = [by_number[REPLACED[r.number][0]] if r.number in REPLACED else r
                for r in chosen if r.number not in EXCLUDED]
    reviewed += [by_number[n] for n in ADDED]
    final = {r.number for r in reviewed}
    missing = [n for n in CORRECTED if n not in final]
    if missing:
        raise SystemExit("corrections of rows not in the data: %r" % missing)
    for row in reviewed:
        if row.number in CORRECTED:
            correct(row, CORRECTED[row.number])
    return reviewed


def correct(row, correction):
    if correction.e0 is not None:
        row.e0_text = correction.e0
        row.e0 = float(correction.e0)
    if correction.oxidized is not None:
        row.oxidized = correction.oxidized
        row.labelled = STANDARD_STATES.search(correction.oxidized) is not None
    if correction.reduced is not None:
        row.reduced = correction.reduced
    if correction.source is not None:
        row.source_label = correction.source


def chem_species(species):
    """One species or coefficient-and-species, in Chem codes."""
    out = bytearray()
    formula, _, charge = species.partition("^")
    coefficient = re.match(r"^(\d+) ", formula)
    if coefficient:
        out += coefficient.group(0).encode()
        formula = formula[coefficient.end():]
    previous = ""
    for ch in formula:
        if ch.isdigit() and (previous.isalpha() or previous in ")]" or
                             (previous.isdigit() and out[-1] in SUBSCRIPT.values())):
            out.append(SUBSCRIPT[ch])
        else:
            out += ch.encode()
        previous = ch
    state = ""
    match = re.search(r"\([a-z, ]+\)$", charge)
    if match:
        state = match.group(0)
        charge = charge[:match.start()]
    for ch in charge:
        out.append(SUPERSCRIPT[ch])
    return bytes(out) + state.encode()


def chem_side(side):
    return b" + ".join(chem_species(s) for s in side.split(" + "))


def electrons_text(n):
    return b" + e" if n == 1 else b" + %de" % n


def oxidation_text(row, keep_states):
    reduced, n, oxidized = row.couple(keep_states)
    return chem_side(reduced) + b" -> " + chem_side(oxidized) + electrons_text(n)


def texts_with_states_where_needed(rows):
    plain = [oxidation_text(r, False) for r in rows]
    seen = collections.Counter(plain)
    texts = [oxidation_text(r, True) if seen[t] > 1 else t
             for r, t in zip(rows, plain)]
    duplicates = [t for t, c in collections.Counter(texts).items() if c > 1]
    if duplicates:
        raise SystemExit("oxidation texts not unique: %r" % duplicates)
    return texts


def potential_text(row):
    """The oxidation potential, the source's digits with the sign turned."""
    text = row.e0_text.lstrip("+")
    if row.e0 == 0:
        return "0"
    return text[1:] if text.startswith("-") else "-" + text


def element_order():
    return sorted(ELEMENTS, key=lambda e: e[0].upper())


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data_dir = os.path.dirname(here)
    out_dir = sys.argv[1] if len(sys.argv) > 1 else data_dir
    rows = read_rows(os.path.join(data_dir, "source", "electrode-potentials.tsv"))
    rows = [r for r in rows if r.electrons <= MAX_ELECTRONS]
    chosen = apply_review(trim_to_count(choose_per_couple(rows), BUILT_IN_COUNT), rows)
    if len(chosen) != BUILT_IN_COUNT:
        raise SystemExit("selected %d rows, need %d" % (len(chosen), BUILT_IN_COUNT))
    order = {symbol: i for i, (symbol, _, _) in enumerate(element_order())}
    chosen.sort(key=lambda r: (order[r.element], r.e0, r.number))
    texts = texts_with_states_where_needed(chosen)

    with open(os.path.join(out_dir, "Data.dat"), "wb") as f:
        for row, text in zip(chosen, texts):
            f.write(potential_text(row).encode() + b',"' + text + b'"\r\n')

    with open(os.path.join(out_dir, "Sources.dat"), "wb") as f:
        for row, text in zip(chosen, texts):
            f.write(b'"' + text + b'","' + row.source_label.encode("ascii") + b'"\r\n')

    first_entry = {}
    for position, row in enumerate(chosen, 1):
        first_entry.setdefault(row.element, position)
    with open(os.path.join(out_dir, "Ele.dat"), "wb") as f:
        for symbol, name, number in element_order():
            f.write(b'%d,"%s","%s",%d\r\n' % (first_entry[symbol], symbol.upper().encode(),
                                             name.encode(), number))


if __name__ == "__main__":
    main()
