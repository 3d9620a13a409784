#!/usr/bin/env python3
"""Draws the application icon, res/quendix.png: 32 x 32 pixels, 16 colours (4-bit palette).

A navy disc with two pale range rings and a yellow steering chevron pointing ahead.
Run it again after changing the picture; the build uses the PNG it leaves.
"""
import math
import os
import struct
import zlib

SIZE = 32
PALETTE = [
    (0, 0, 0),        # 0 transparent
    (16, 32, 96),     # 1 navy
    (64, 112, 176),   # 2 ring blue
    (255, 208, 0),    # 3 yellow
    (255, 255, 255),  # 4 white
] + [(0, 0, 0)] * 11


def colour_at(x, y):
    cx = cy = (SIZE - 1) / 2
    r = math.hypot(x - cx, y - cy)
    if r > 15.5:
        return 0
    if r > 14.5:
        return 4
    # Chevron: two strokes meeting at the top, like "^".
    dy = y - 7
    if 0 <= dy <= 13 and abs(abs(x - cx) - dy * 0.75) <= 1.6:
        return 3
    if abs(r - 6) < 0.5 or abs(r - 11) < 0.5:
        return 2
    return 1


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main():
    rows = b""
    for y in range(SIZE):
        pixels = [colour_at(x, y) for x in range(SIZE)]
        rows += b"\0" + bytes((pixels[i] << 4) | pixels[i + 1] for i in range(0, SIZE, 2))
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
    png += chunk(b"tRNS", b"\0")
    png += chunk(b"IDAT", zlib.compress(rows, 9))
    png += chunk(b"IEND", b"")
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "quendix.png"), "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()
