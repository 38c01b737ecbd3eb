#!/usr/bin/env python3
"""Builds Galvix3's built-in Data.dat and Ele.dat from the reference table
galvix/data/source/electrode-potentials.tsv (standard reduction potentials at
25 degrees C; see the .md beside it for sources and caveats).

Usage: make_data.py [output-directory]   (default: galvix/data)

Selection, in this order:
  * rows with more than 10 electrons are dropped (the text format encodes 1..10);
  * a row marked suspect is dropped when an unmarked row gives the same couple;
  * of the rows for one couple, the best source wins (textbook tables first,
    then the data page, then the rest); the lowest-confidence web copy is used
    only when no other source has the couple, and never when it disagrees by
    more than 0.05 V with a better row of the same couple;
  * if more than 531 couples remain, rows of the web copy are left out, from the
    elements with the most entries, until 531 remain.
Each element's entries stay together, the groups in Ele.dat's order, each
group by rising standard reduction potential.
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

    @property
    def suspect(self):
        return bool(self.audit.strip())

    def couple(self, keep_states):
        def side(text):
            return text if keep_states else STANDARD_STATES.sub("", text)
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
    chosen = trim_to_count(choose_per_couple(rows), BUILT_IN_COUNT)
    if len(chosen) != BUILT_IN_COUNT:
        raise SystemExit("selected %d rows, need %d" % (len(chosen), BUILT_IN_COUNT))
    order = {symbol: i for i, (symbol, _, _) in enumerate(element_order())}
    chosen.sort(key=lambda r: (order[r.element], r.e0, r.number))
    texts = texts_with_states_where_needed(chosen)

    with open(os.path.join(out_dir, "Data.dat"), "wb") as f:
        for row, text in zip(chosen, texts):
            f.write(potential_text(row).encode() + b',"' + text + b'"\r\n')

    first_entry = {}
    for position, row in enumerate(chosen, 1):
        first_entry.setdefault(row.element, position)
    with open(os.path.join(out_dir, "Ele.dat"), "wb") as f:
        for symbol, name, number in element_order():
            f.write(b'%d,"%s","%s",%d\r\n' % (first_entry[symbol], symbol.upper().encode(),
                                             name.encode(), number))


if __name__ == "__main__":
    main()
