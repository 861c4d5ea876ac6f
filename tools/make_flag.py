#!/usr/bin/env python3
"""Draws the German flag for the language menu: a 16 x 11 picture in three bands
(black, red, gold) inside a one-pixel grey frame, written as a 24-bit BMP."""
import struct
import sys

W, H = 16, 11
BLACK, RED, GOLD, FRAME = (0, 0, 0), (221, 0, 0), (255, 206, 0), (128, 128, 128)


def pixel(x, y):
    if x in (0, W - 1) or y in (0, H - 1):
        return FRAME
    band = (y - 1) * 3 // (H - 2)  # top row first
    return (BLACK, RED, GOLD)[band]


def bmp():
    row_size = (W * 3 + 3) & ~3
    rows = []
    for y in range(H - 1, -1, -1):  # BMP rows go bottom up
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(W)))
        rows.append(row + b"\0" * (row_size - len(row)))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(bmp())
