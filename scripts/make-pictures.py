#!/usr/bin/env python3
"""Draws the two pictures of the issuing-data column of screen GER99500's grid.

imgEndeNaoSele: a small stack of yellow file folders outlined in black (the branch's own
address, or none chosen). imgEndeSele: the same folders with a green check mark over their
lower right (another address kind chosen).

Both are 16 x 16 pixels in the 16 standard colours on a white ground. Olive is the colour the
grid treats as transparent when it copies a picture into a cell, so no pixel here is olive.

Usage: make-pictures.py [OUTPUT_DIR]
Writes imgEndeNaoSele.bmp and imgEndeSele.bmp (4 bits per pixel) into OUTPUT_DIR (default: the
current directory) and prints, for each, the form data property `Picture.Data = {...}`: the
length-prefixed class name "TBitmap", the size of the BMP file in 4 bytes (little-endian), then
the file, as the form's TImage components read it.

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
    (0x80, 0x80, 0x00),  # 3 olive: transparent in the grid, never drawn
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


def check_map(name, rows):
    if len(rows) != 16 or any(len(row) != 16 for row in rows):
        raise SystemExit(f"{name}: the pixel map must be 16 x 16")
    unknown = {c for row in rows for c in row} - KEY.keys()
    if unknown:
        raise SystemExit(f"{name}: unknown pixel characters {sorted(unknown)}")


def bmp_4bit(rows):
    """A Windows BMP file, 4 bits per pixel, bottom row first as the format stores it."""
    width, height = len(rows[0]), len(rows)
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, c in enumerate(row):
            index = KEY[c]
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


def form_data_property(data, indent="      "):
    text = data.hex().upper()
    lines = [text[i:i + 64] for i in range(0, len(text), 64)]
    body = "\n".join(indent + "  " + line for line in lines)
    return f"{indent}Picture.Data = {{\n{body}}}"


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out_dir, exist_ok=True)
    for name, rows in PICTURES:
        check_map(name, rows)
        bmp = bmp_4bit(rows)
        with open(os.path.join(out_dir, name + ".bmp"), "wb") as f:
            f.write(bmp)
        print(f"{name}:")
        print(form_data_property(picture_data(bmp)))


if __name__ == "__main__":
    main()
