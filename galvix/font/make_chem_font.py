#!/usr/bin/python3
"""Builds the "Chem" TrueType font from DejaVu Sans.

Usage: /usr/bin/python3 make_chem_font.py DejaVuSans.ttf Chem.ttf

Galvix3 keeps half-reaction texts as Windows-1252 bytes and draws them in the
font "Chem", in which certain bytes show chemistry marks: subscript digits,
superscript digits and signs, the delta sign and the standard-state mark. The
program decodes each byte with the Windows-1252 table (the five bytes that
table leaves undefined keep their own code: U+0081, U+008D, U+008F, U+0090,
U+009D), so the font maps the resulting code points to new glyphs that refer
to DejaVu's own sub- and superscript glyphs. The glyphs DejaVu had at those
code points stay in the font unencoded, since other glyphs refer to them.

The DejaVu and Bitstream names are taken out of the font's naming, as the
Bitstream Vera licence requires of a modified font; the copyright and licence
notices stay.
"""
import sys

import fontforge

# Windows-1252 byte -> the code point the program decodes it to.
CP1252_HIGH = {
    0x80: 0x20AC, 0x81: 0x0081, 0x82: 0x201A, 0x83: 0x0192, 0x84: 0x201E, 0x85: 0x2026,
    0x86: 0x2020, 0x87: 0x2021, 0x88: 0x02C6, 0x89: 0x2030, 0x8A: 0x0160, 0x8B: 0x2039,
    0x8C: 0x0152, 0x8D: 0x008D, 0x8E: 0x017D, 0x8F: 0x008F, 0x90: 0x0090, 0x91: 0x2018,
    0x92: 0x2019, 0x93: 0x201C, 0x94: 0x201D, 0x95: 0x2022, 0x96: 0x2013, 0x97: 0x2014,
    0x98: 0x02DC, 0x99: 0x2122, 0x9A: 0x0161, 0x9B: 0x203A, 0x9C: 0x0153, 0x9D: 0x009D,
    0x9E: 0x017E, 0x9F: 0x0178,
}


def code_point(byte):
    return CP1252_HIGH.get(byte, byte)


SUPERSCRIPT_DIGITS = [0x2070, 0x00B9, 0x00B2, 0x00B3, 0x2074, 0x2075, 0x2076, 0x2077, 0x2078,
                      0x2079]

# Chem byte -> (new glyph name, the code point of the DejaVu glyph it shows).
CHEM_GLYPHS = {}
for digit in range(10):
    CHEM_GLYPHS[181 + digit] = ("chem.sub%d" % digit, 0x2080 + digit)
for digit in range(1, 10):
    CHEM_GLYPHS[139 + digit] = ("chem.sup%d" % digit, SUPERSCRIPT_DIGITS[digit])
CHEM_GLYPHS[149] = ("chem.sup0", SUPERSCRIPT_DIGITS[0])
CHEM_GLYPHS[162] = ("chem.supplus", 0x207A)
CHEM_GLYPHS[163] = ("chem.supminus", 0x207B)
CHEM_GLYPHS[250] = ("chem.supdot", 0x02D9)
CHEM_GLYPHS[211] = ("chem.delta", 0x0394)
CHEM_GLYPHS[248] = ("chem.degree", 0x00B0)

KEPT_NAME_IDS = {"Copyright", "License", "License URL"}


def glyph_at(font, code):
    for glyph in font.glyphs():
        if glyph.unicode == code:
            return glyph
    raise SystemExit("DejaVu Sans has no glyph for U+%04X" % code)


def add_chem_glyphs(font):
    for byte, (name, source_code) in sorted(CHEM_GLYPHS.items()):
        target = code_point(byte)
        source = glyph_at(font, source_code)
        for glyph in font.glyphs():
            if glyph.unicode == target:
                glyph.unicode = -1
            if glyph.altuni:
                glyph.altuni = tuple(a for a in glyph.altuni if a[0] != target) or None
        glyph = font.createChar(-1, name)
        glyph.addReference(source.glyphname)
        glyph.width = source.width
        glyph.unicode = target


def rename(font):
    font.familyname = "Chem"
    font.fontname = "Chem"
    font.fullname = "Chem"
    font.version = "3.0"
    kept = [entry for entry in font.sfnt_names if entry[1] in KEPT_NAME_IDS]
    font.sfnt_names = tuple(kept)
    font.appendSFNTName("English (US)", "Family", "Chem")
    font.appendSFNTName("English (US)", "SubFamily", "Book")
    font.appendSFNTName("English (US)", "Fullname", "Chem")
    font.appendSFNTName("English (US)", "UniqueID", "Chem 3.0")
    font.appendSFNTName("English (US)", "Version", "Version 3.0")
    font.appendSFNTName("English (US)", "PostScriptName", "Chem")
    font.os2_vendor = "CHEM"


def main():
    source, output = sys.argv[1], sys.argv[2]
    font = fontforge.open(source)
    add_chem_glyphs(font)
    rename(font)
    font.generate(output)


if __name__ == "__main__":
    main()
