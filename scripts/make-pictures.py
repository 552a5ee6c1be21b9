#!/usr/bin/env python3
"""Draws the pictures and the toolbar glyphs of screen GER99500 and its base forms.

Pictures. imgEndeNaoSele: a small stack of yellow file folders outlined in black (the branch's
own address, or none chosen). imgEndeSele: the same folders with a green check mark over their
lower right (another address kind chosen). They are drawn on a white ground: olive is the colour
the grid treats as transparent when it copies a picture into a cell, so no pixel there is olive.

Glyphs. The pictures of the flat toolbar buttons and of the lookup button, on an olive ground.
A button takes the bottom-left pixel of its glyph as the transparent colour, so that pixel and
the whole ground are olive, and only the drawing shows on the button's face.

All are 16 x 16 pixels in the 16 standard colours.

Usage: make-pictures.py [--glyphs] [OUTPUT_DIR]
Without --glyphs, writes imgEndeNaoSele.bmp and imgEndeSele.bmp (4 bits per pixel) into
OUTPUT_DIR (default: the current directory) and prints, for each, the form data property
`Picture.Data = {...}`: the length-prefixed class name "TBitmap", the size of the BMP file in 4
bytes (little-endian), then the file, as the form's TImage components read it.
With --glyphs, writes one BMP file per glyph instead and prints, for each, the buttons that
carry it and the property `Glyph.Data = {...}`: the size of the BMP file in 4 bytes
(little-endian), then the file, with no class name.

Python 3 standard library only.
"""

import os
import struct
import sys

# The 16 standard colours in their usual palette order, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive: transparent, the ground of glyphs only
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 gray
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 fuchsia
    (0x00, 0xFF, 0xFF),  # 14 aqua
    (0xFF, 0xFF, 0xFF),  # 15 white
]

# One character per pixel, top row first.
KEY = {
    ".": 15,  # white ground
    "K": 0,  # black outline
    "Y": 11,  # yellow folder
    "G": 2,  # green rim of the check mark
    "L": 10,  # lime stroke of the check mark
}

# Three folders, each behind the other up and to the right; the front one has its tab.
FOLDERS = [
    "....KKKKKKKKKKKK",
    "....KYYYYYYYYYYK",
    "....KYYYYYYYYYYK",
    "..KKKKKKKKKKKKYK",
    "..KYYYYYYYYYYKYK",
    ".KKKKKYYYYYYYKYK",
    ".KYYYKYYYYYYYKYK",
    "KKYYYKKKKKKKYKYK",
    "KYYYYYYYYYYKYKYK",
    "KYYYYYYYYYYKYKYK",
    "KYYYYYYYYYYKYKKK",
    "KYYYYYYYYYYKYK..",
    "KYYYYYYYYYYKYK..",
    "KYYYYYYYYYYKKK..",
    "KYYYYYYYYYYK....",
    "KKKKKKKKKKKK....",
]

# The same folders under a check mark: a lime stroke two pixels thick with a green rim.
FOLDERS_CHECKED = [
    "....KKKKKKKKKKKK",
    "....KYYYYYYYYYYK",
    "....KYYYYYYYYYYK",
    "..KKKKKKKKKKKKYK",
    "..KYYYYYYYYYYKYK",
    ".KKKKKYYYYYYYKYK",
    ".KYYYKYYYYYYYGGG",
    "KKYYYKKKKKKKGGLG",
    "KYYYGGGYYYYGGLLG",
    "KYYYGLGGYYGGLLGG",
    "KYYYGLLGGGGLLGGK",
    "KYYYGGLLGGLLGG..",
    "KYYYYGGLLLLGGK..",
    "KYYYYYGGLLGGKK..",
    "KYYYYYYGGGGK....",
    "KKKKKKKKKKKK....",
]

PICTURES = [("imgEndeNaoSele", FOLDERS), ("imgEndeSele", FOLDERS_CHECKED)]

# The glyphs' characters: the ground is olive, the drawing any other colour.
GLYPH_KEY = {
    ".": 3,  # olive ground, transparent on the button
    "K": 0,  # black outline
    "M": 1,  # maroon handle of the magnifier
    "G": 2,  # green
    "N": 4,  # navy
    "R": 9,  # red
    "L": 10,  # lime
    "Y": 11,  # yellow
    "B": 12,  # blue
    "A": 14,  # aqua glass of the magnifier
    "W": 15,  # white sheet
}

# A check mark: a lime stroke with a green rim.
CONFIRM = [
    "................",
    "................",
    ".............G..",
    "............GLG.",
    "...........GLLG.",
    "..........GLLG..",
    "..G......GLLG...",
    ".GLG....GLLG....",
    "GLLLG..GLLG.....",
    ".GLLLGGLLG......",
    "..GLLLLLLG......",
    "...GLLLLG.......",
    "....GLLG........",
    ".....GG.........",
    "................",
    "................",
]

# Two arrows: a blue one out to the right above a green one back to the left.
IMPORT_EXPORT = [
    "................",
    ".........BB.....",
    ".........BBB....",
    ".BBBBBBBBBBBB...",
    ".BBBBBBBBBBBBB..",
    ".BBBBBBBBBBBB...",
    ".........BBB....",
    ".........BB.....",
    ".....GG.........",
    "....GGG.........",
    "...GGGGGGGGGGGG.",
    "..GGGGGGGGGGGGG.",
    "...GGGGGGGGGGGG.",
    "....GGG.........",
    ".....GG.........",
    "................",
]

# A red X, three pixels thick.
CANCEL = [
    "................",
    "................",
    "..RR........RR..",
    "..RRR......RRR..",
    "...RRR....RRR...",
    "....RRR..RRR....",
    ".....RRRRRR.....",
    "......RRRR......",
    "......RRRR......",
    ".....RRRRRR.....",
    "....RRR..RRR....",
    "...RRR....RRR...",
    "..RRR......RRR..",
    "..RR........RR..",
    "................",
    "................",
]

# A blue arrow that turns back: its head points left, its tail curls round below it.
UNDO = [
    "................",
    "................",
    "....B...........",
    "...BB...........",
    "..BBBBBBBBB.....",
    ".BBBBBBBBBBBB...",
    "..BBBBBBBBBBBB..",
    "...BB.....BBBBB.",
    "....B......BBBB.",
    "............BBB.",
    "...........BBBB.",
    "..........BBBB..",
    ".....BBBBBBBB...",
    ".....BBBBBBB....",
    ".....BBBBB......",
    "................",
]

# A blue question mark.
HELP = [
    "................",
    ".....BBBBB......",
    "....BBBBBBB.....",
    "...BBB...BBB....",
    "...BBB...BBB....",
    ".........BBB....",
    "........BBB.....",
    ".......BBB......",
    "......BBB.......",
    "......BBB.......",
    "......BBB.......",
    "................",
    "......BBB.......",
    "......BBB.......",
    "......BBB.......",
    "................",
]

# A yellow lightning bolt outlined in black.
AUTOMATIC = [
    ".......KKKKKKK..",
    "......KYYYYYK...",
    ".....KYYYYYK....",
    "....KYYYYYK.....",
    "...KYYYYYK......",
    "..KYYYYYYKKKKK..",
    ".KYYYYYYYYYYK...",
    ".KKKKKKYYYYK....",
    "......KYYYK.....",
    ".....KYYYK......",
    ".....KYYK.......",
    "....KYYK........",
    "....KYK.........",
    "...KYK..........",
    "...KK...........",
    "................",
]

# A white sheet with a dog-eared corner and a green plus.
INCLUDE = [
    "..KKKKKKKK......",
    "..KWWWWWWKK.....",
    "..KWWWWWWKWK....",
    "..KWWWWWWKWWK...",
    "..KWWWWWWKKKKK..",
    "..KWWWWGGWWWWK..",
    "..KWWWWGGWWWWK..",
    "..KWWWWGGWWWWK..",
    "..KWGGGGGGGGWK..",
    "..KWGGGGGGGGWK..",
    "..KWWWWGGWWWWK..",
    "..KWWWWGGWWWWK..",
    "..KWWWWGGWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KKKKKKKKKKKK..",
]

# The same sheet with a red minus.
DELETE = [
    "..KKKKKKKK......",
    "..KWWWWWWKK.....",
    "..KWWWWWWKWK....",
    "..KWWWWWWKWWK...",
    "..KWWWWWWKKKKK..",
    "..KWWWWWWWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWRRRRRRRRWK..",
    "..KWRRRRRRRRWK..",
    "..KWWWWWWWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KKKKKKKKKKKK..",
]

# A magnifying glass: an aqua lens with a white gleam, its maroon handle to the lower right.
LOOKUP = [
    "...KKKKK........",
    ".KKWWAAAKK......",
    ".KWWAAAAAK......",
    "KWWAAAAAAAK.....",
    "KWAAAAAAAAK.....",
    "KAAAAAAAAAK.....",
    "KAAAAAAAAAK.....",
    "KAAAAAAAAAK.....",
    ".KAAAAAAAK......",
    ".KKAAAAAKKK.....",
    "...KKKKKKMMK....",
    ".........KMMK...",
    "..........KMMK..",
    "...........KMMK.",
    "............KMMK",
    ".............KK.",
]

# File name, the buttons that carry the glyph, its pixel map.
GLYPHS = [
    ("confirm", "sbtConfirma; sbtImportExport of GER99500", CONFIRM),
    ("import-export", "sbtImportExport of TfrmPadrImportExport", IMPORT_EXPORT),
    ("cancel", "sbtCancel", CANCEL),
    ("undo", "sbtCancelar", UNDO),
    ("help", "sbtHelp", HELP),
    ("automatic", "btnAutomatico", AUTOMATIC),
    ("include", "sbtIncluir", INCLUDE),
    ("delete", "sbtExcluir", DELETE),
    ("lookup", "TBtnPesquisa, by default", LOOKUP),
]


def check_map(name, rows, key=KEY):
    if len(rows) != 16 or any(len(row) != 16 for row in rows):
        raise SystemExit(f"{name}: the pixel map must be 16 x 16")
    unknown = {c for row in rows for c in row} - key.keys()
    if unknown:
        raise SystemExit(f"{name}: unknown pixel characters {sorted(unknown)}")


def check_glyph(name, rows):
    check_map(name, rows, GLYPH_KEY)
    if GLYPH_KEY[rows[-1][0]] != GLYPH_KEY["."] or PALETTE[GLYPH_KEY["."]] != (0x80, 0x80, 0x00):
        raise SystemExit(f"{name}: the bottom-left pixel, the transparent colour, must be olive")
    if all(c == "." for row in rows for c in row):
        raise SystemExit(f"{name}: nothing is drawn")


def bmp_4bit(rows, key=KEY):
    """A Windows BMP file, 4 bits per pixel, bottom row first as the format stores it."""
    width, height = len(rows[0]), len(rows)
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, c in enumerate(row):
            index = key[c]
            line[x // 2] |= index << 4 if x % 2 == 0 else index
        pixels += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def picture_data(bmp):
    name = b"TBitmap"
    return bytes([len(name)]) + name + struct.pack("<I", len(bmp)) + bmp


def glyph_data(bmp):
    return struct.pack("<I", len(bmp)) + bmp


def form_data_property(data, indent="      ", prop="Picture.Data"):
    text = data.hex().upper()
    lines = [text[i:i + 64] for i in range(0, len(text), 64)]
    body = "\n".join(indent + "  " + line for line in lines)
    return f"{indent}{prop} = {{\n{body}}}"


def write_bmp(out_dir, name, bmp):
    with open(os.path.join(out_dir, name + ".bmp"), "wb") as f:
        f.write(bmp)


def write_pictures(out_dir):
    for name, rows in PICTURES:
        check_map(name, rows)
        bmp = bmp_4bit(rows)
        write_bmp(out_dir, name, bmp)
        print(f"{name}:")
        print(form_data_property(picture_data(bmp)))


def write_glyphs(out_dir):
    for name, buttons, rows in GLYPHS:
        check_glyph(name, rows)
        bmp = bmp_4bit(rows, GLYPH_KEY)
        write_bmp(out_dir, name, bmp)
        print(f"{name} ({buttons}):")
        print(form_data_property(glyph_data(bmp), prop="Glyph.Data"))


def main():
    args = sys.argv[1:]
    glyphs = "--glyphs" in args
    args = [a for a in args if a != "--glyphs"]
    if len(args) > 1 or any(a.startswith("--") for a in args):
        raise SystemExit("usage: make-pictures.py [--glyphs] [OUTPUT_DIR]")
    out_dir = args[0] if args else "."
    os.makedirs(out_dir, exist_ok=True)
    if glyphs:
        write_glyphs(out_dir)
    else:
        write_pictures(out_dir)


if __name__ == "__main__":
    main()
