#!/usr/bin/python3
"""Makes the fonts the program draws with from Debian's font files.

Each font is cut down to the characters the screens can show and given a
family name of its own ("Aritmetica ..."), so that no font installed on the
machine can stand in for it. Writes the fonts and a Qt resource file that
lists them.

usage: embed_fonts.py OUTPUT_DIR
"""
import logging
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# family, style, Debian file (package)
FONTS = [
    # Courier New
    ("Aritmetica Mono", "Bold", "/usr/share/fonts/truetype/liberation/LiberationMono-Bold.ttf"),  # fonts-liberation
    # MS Sans Serif and Arial
    ("Aritmetica Sans", "Regular", "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"),
    ("Aritmetica Sans", "Bold", "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"),
    ("Aritmetica Sans", "Italic", "/usr/share/fonts/truetype/liberation/LiberationSans-Italic.ttf"),
    ("Aritmetica Sans", "Bold Italic", "/usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf"),
    # Lucida Sans Unicode
    ("Aritmetica Unicode", "Bold", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"),  # fonts-dejavu-core
    # Tahoma: Wine's regular cut (fonts-wine); its bold draws hardly heavier,
    # so the bold captions take DejaVu Sans Condensed (fonts-dejavu-extra),
    # whose widths come close.
    ("Aritmetica Tahoma", "Regular", "/usr/share/wine/fonts/tahoma.ttf"),
    ("Aritmetica Tahoma", "Bold", "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"),
    ("Aritmetica Tahoma", "Bold Italic", "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-BoldOblique.ttf"),
]

# Latin-1 and the few typographic signs an Italian text may carry.
CHARACTERS = list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)) + [
    0x2013, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x2026, 0x2190, 0x2192, 0x20AC]


def file_name(family, style):
    return (family + "-" + style).replace(" ", "") + ".ttf"


def rename(font, family, style):
    full = family + " " + style if style != "Regular" else family
    names = {1: family, 2: style, 3: full, 4: full, 6: full.replace(" ", "-"), 16: family, 17: style}
    table = font["name"]
    for name_id in (1, 2, 3, 4, 6, 16, 17, 21, 22):
        table.removeNames(nameID=name_id)
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)  # Windows, Unicode BMP, English
        table.setName(text, name_id, 1, 0, 0)  # Macintosh, Roman, English


def main():
    logging.getLogger("fontTools.subset").setLevel(logging.ERROR)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.glyph_names = False
    options.layout_features = ["kern", "liga"]
    entries = []
    for family, style, source in FONTS:
        # The source's own timestamp is kept, so the same packages make the same fonts.
        font = TTFont(source, recalcTimestamp=False)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=CHARACTERS)
        subsetter.subset(font)
        rename(font, family, style)
        # One maker for all, so the cuts of a family are never told apart
        # by their foundry.
        font["OS/2"].achVendID = "ARIT"
        name = file_name(family, style)
        font.save(os.path.join(out, name))
        entries.append(name)
    with open(os.path.join(out, "fonts.qrc"), "w") as qrc:
        qrc.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/fonts">\n')
        for name in entries:
            qrc.write("  <file>%s</file>\n" % name)
        qrc.write("</qresource>\n</RCC>\n")


if __name__ == "__main__":
    main()
