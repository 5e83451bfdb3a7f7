#!/usr/bin/env python3
"""Builds Kestrow's .ico files from the pixel-art sources in this folder.

Each source is a square block of text, one character per pixel: a hex digit
0-F picks a colour of the standard 16-colour VGA palette, "." is transparent.
Lines starting with "#" are comments. The images are written as 4 bits per
pixel with an AND mask, the format every Windows version reads.

Run from anywhere: python3 res/icons/make_icons.py
"""

import struct
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
OUT_DIR = HERE.parent

# Output icon -> its images, largest first (the order Explorer expects).
ICONS = {
    "Kestrow.ico": ["kestrow32.txt", "kestrow16.txt"],
    "SkewHorz.ico": ["skew_horz32.txt"],
    "SkewVert.ico": ["skew_vert32.txt"],
}

# Windows' 16-colour palette, index 0-15, as (red, green, blue).
VGA_PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
TRANSPARENT = "."


def read_pixels(path):
    """Returns rows of palette indices, None where the pixel is transparent."""
    rows = []
    for number, line in enumerate(path.read_text().splitlines(), 1):
        if line.startswith("#") or not line.strip():
            continue
        row = []
        for ch in line.rstrip():
            if ch == TRANSPARENT:
                row.append(None)
            elif ch in "0123456789abcdefABCDEF":
                row.append(int(ch, 16))
            else:
                sys.exit(f"{path.name}:{number}: unknown pixel character {ch!r}")
        rows.append(row)
    size = len(rows)
    if size not in (16, 32, 48) or any(len(row) != size for row in rows):
        sys.exit(f"{path.name}: expected a square of 16, 32 or 48 pixels")
    return rows


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def encode_image(rows):
    """One icon image: BITMAPINFOHEADER, palette, colour bits, AND mask."""
    size = len(rows)
    colour = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        nibbles = [0 if p is None else p for p in row]
        colour += padded(bytes((a << 4) | b for a, b in zip(nibbles[0::2], nibbles[1::2])))
        bits = bytearray((size + 7) // 8)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += padded(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colour) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA_PALETTE)
    return header + palette + bytes(colour) + bytes(mask)


def encode_icon(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for rows, data in images:
        size = len(rows)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data in images)


def main():
    for icon, sources in ICONS.items():
        images = []
        for source in sources:
            rows = read_pixels(HERE / source)
            images.append((rows, encode_image(rows)))
        (OUT_DIR / icon).write_bytes(encode_icon(images))
        print(f"wrote {OUT_DIR / icon}")


if __name__ == "__main__":
    main()
