#!/usr/bin/env python3
"""Looks at screenshots for the end-to-end scripts (ImageMagick reads the files).

  screen.py icon SHOT          where Pivola's tray icon is: "x y", or exit code 1
  screen.py changed OLD NEW    the box where the screen changed: "left top right bottom"
  screen.py empty SHOT         exit code 0 when the desktop above its taskbar shows no window
"""
import subprocess
import sys


def load(path):
    data = subprocess.run(["convert", path, "ppm:-"], check=True, capture_output=True).stdout
    # P6 header: magic, width, height, maximum, each followed by white space.
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    pos += 1
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos:pos + width * height * 3]


def pixel(img, x, y):
    w, _, px = img
    i = (y * w + x) * 3
    return px[i], px[i + 1], px[i + 2]


def is_icon_blue(r, g, b):
    # The program icon's tile: a saturated blue, brighter than any desktop background.
    return r < 90 and 80 <= g <= 170 and b >= 175


def icon(path):
    img = load(path)
    w, h, _ = img
    xs, ys = [], []
    for y in range(max(0, h - 48), h):
        for x in range(w // 2, w):
            if is_icon_blue(*pixel(img, x, y)):
                xs.append(x)
                ys.append(y)
    if len(xs) < 40:
        return 1
    print(sum(xs) // len(xs), sum(ys) // len(ys))
    return 0


def changed(old_path, new_path):
    old, new = load(old_path), load(new_path)
    w, h, _ = new
    left, top, right, bottom = w, h, -1, -1
    for y in range(h):
        for x in range(w):
            if pixel(old, x, y) != pixel(new, x, y):
                left, top = min(left, x), min(top, y)
                right, bottom = max(right, x), max(bottom, y)
    if right < 0:
        return 1
    print(left, top, right, bottom)
    return 0


def empty(path):
    img = load(path)
    w, h, _ = img
    background = pixel(img, w // 2, 2)
    for y in range(0, h - 40, 2):
        for x in range(0, w, 2):
            if pixel(img, x, y) != background:
                print(f"a window at {x},{y}")
                return 1
    return 0


if __name__ == "__main__":
    if sys.argv[1] == "empty":
        sys.exit(empty(sys.argv[2]))
    if sys.argv[1] == "icon":
        sys.exit(icon(sys.argv[2]))
    if sys.argv[1] == "changed":
        sys.exit(changed(sys.argv[2], sys.argv[3]))
    sys.exit(2)
