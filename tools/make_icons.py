#!/usr/bin/env python3
"""Draws the program icon (resources/pivola.ico): a rounded blue tile with a white
launch arrow, at 16, 32 and 48 pixels, 32 bits per pixel with alpha."""
import math
import struct
import sys
from pathlib import Path


def tile(size):
    px = []
    r = size * 0.22
    for y in range(size):
        row = []
        for x in range(size):
            cx, cy = x + 0.5, y + 0.5
            # Rounded square: distance to the inner rectangle.
            dx = max(r - cx, 0, cx - (size - r))
            dy = max(r - cy, 0, cy - (size - r))
            d = math.hypot(dx, dy)
            alpha = max(0.0, min(1.0, r - d + 0.5))
            # Top-to-bottom gradient of blue.
            t = y / max(1, size - 1)
            b, g, rr = int(230 - 40 * t), int(140 - 50 * t), int(40 - 20 * t)
            # The arrow: a triangle pointing right.
            ax0, ax1 = size * 0.34, size * 0.74
            ay0, ay1 = size * 0.26, size * 0.74
            inside = ax0 <= cx <= ax1 and ay0 <= cy <= ay1
            if inside:
                half = (ay1 - ay0) / 2 * (1 - (cx - ax0) / (ax1 - ax0))
                inside = abs(cy - (ay0 + ay1) / 2) <= half
            if inside:
                b, g, rr = 255, 255, 255
            row.append((b, g, rr, int(alpha * 255)))
        px.append(row)
    return px


def icon_image(size):
    px = tile(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes(p) for row in reversed(px) for p in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def main(out):
    sizes = [16, 32, 48]
    images = [icon_image(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b"".join(images)
    Path(out).write_bytes(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/pivola.ico")
