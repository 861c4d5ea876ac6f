#!/usr/bin/env python3
"""Draws the fixed 16 x 16 pictures of the item lists (indexes 0 to 22) and the three
section markers, and writes them as C++ data to app/item_pictures_data.inc.

Run from the repository root: python3 tools/make_item_pictures.py
"""
import math
from pathlib import Path

N = 16
CLEAR = (0, 0, 0, 0)


def canvas():
    return [[CLEAR for _ in range(N)] for _ in range(N)]


def put(img, x, y, c):
    if 0 <= x < N and 0 <= y < N:
        img[y][x] = c


def rect(img, x0, y0, x1, y1, c):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            put(img, x, y, c)


def frame(img, x0, y0, x1, y1, c):
    for x in range(x0, x1 + 1):
        put(img, x, y0, c)
        put(img, x, y1, c)
    for y in range(y0, y1 + 1):
        put(img, x0, y, c)
        put(img, x1, y, c)


def disc(img, cx, cy, r, c, ring=None):
    for y in range(N):
        for x in range(N):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d <= r:
                put(img, x, y, ring if ring and d > r - 1.2 else c)


def line(img, x0, y0, x1, y1, c):
    steps = max(abs(x1 - x0), abs(y1 - y0)) or 1
    for i in range(steps + 1):
        put(img, round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)


def rgb(r, g, b, a=255):
    return (r, g, b, a)


DARK = rgb(60, 60, 60)
YELLOW, YELLOW_DARK = rgb(246, 204, 92), rgb(190, 140, 40)
BLUE, BLUE_DARK = rgb(92, 150, 230), rgb(40, 90, 170)
WHITE = rgb(255, 255, 255)
GREEN, GREEN_DARK = rgb(90, 180, 90), rgb(40, 120, 40)
RED = rgb(210, 60, 50)
GREY, GREY_DARK = rgb(180, 180, 180), rgb(110, 110, 110)


def folder(open_=False, body=YELLOW, edge=YELLOW_DARK):
    img = canvas()
    rect(img, 1, 3, 6, 4, body)
    frame(img, 1, 3, 6, 4, edge)
    rect(img, 1, 4, 14, 13, body)
    frame(img, 1, 4, 14, 13, edge)
    if open_:
        for y in range(7, 14):
            off = (13 - y) // 2
            for x in range(2 + off, 16 - (13 - y) // 3):
                put(img, x, y, rgb(250, 224, 140))
        line(img, 3, 7, 15, 7, edge)
        line(img, 15, 7, 13, 13, edge)
    return img


def separator():
    img = canvas()
    rect(img, 1, 7, 14, 7, GREY_DARK)
    rect(img, 1, 8, 14, 8, WHITE)
    return img


def special_separator():
    img = separator()
    rect(img, 5, 5, 10, 10, BLUE)
    frame(img, 5, 5, 10, 10, BLUE_DARK)
    return img


def top_sign():
    img = canvas()
    rect(img, 1, 2, 14, 13, RED)
    frame(img, 1, 2, 14, 13, rgb(140, 30, 20))
    # An arrow pointing up to a bar: "place it at the top".
    rect(img, 4, 4, 11, 4, WHITE)
    for i in range(4):
        line(img, 7 - i, 6 + i, 8 + i, 6 + i, WHITE)
    rect(img, 7, 9, 8, 11, WHITE)
    return img


def help_sign():
    img = canvas()
    disc(img, 8, 8, 7, BLUE, BLUE_DARK)
    for x, y in [(6, 4), (7, 4), (8, 4), (9, 4), (10, 5), (10, 6), (9, 7), (8, 8), (8, 9), (8, 11), (8, 12)]:
        put(img, x, y, WHITE)
    put(img, 5, 5, WHITE)
    return img


def updates_sign():
    img = canvas()
    for a in range(0, 300, 6):
        r = math.radians(a)
        put(img, round(8 + 5.5 * math.cos(r)), round(8 + 5.5 * math.sin(r)), GREEN_DARK)
        put(img, round(8 + 4.5 * math.cos(r)), round(8 + 4.5 * math.sin(r)), GREEN)
    rect(img, 11, 1, 14, 4, GREEN)
    return img


def manage_sign():
    img = canvas()
    rect(img, 1, 1, 14, 14, WHITE)
    frame(img, 1, 1, 14, 14, GREY_DARK)
    for y in (4, 7, 10):
        rect(img, 3, y, 4, y + 1, BLUE)
        rect(img, 6, y, 12, y, DARK)
    return img


def preferences_sign():
    img = canvas()
    for a in range(0, 360, 45):
        r = math.radians(a)
        rect(img, round(8 + 5 * math.cos(r)) - 1, round(8 + 5 * math.sin(r)) - 1,
             round(8 + 5 * math.cos(r)), round(8 + 5 * math.sin(r)), GREY_DARK)
    disc(img, 8, 8, 4.6, GREY, GREY_DARK)
    disc(img, 8, 8, 1.6, WHITE)
    return img


def globe_sign():
    img = canvas()
    disc(img, 8, 8, 7, rgb(120, 190, 240), BLUE_DARK)
    rect(img, 4, 5, 7, 8, GREEN)
    rect(img, 9, 9, 12, 11, GREEN)
    line(img, 1, 8, 14, 8, BLUE_DARK)
    return img


def forums_sign():
    img = canvas()
    rect(img, 1, 2, 10, 8, rgb(255, 230, 150))
    frame(img, 1, 2, 10, 8, YELLOW_DARK)
    rect(img, 5, 7, 14, 13, rgb(190, 220, 250))
    frame(img, 5, 7, 14, 13, BLUE_DARK)
    put(img, 3, 9, YELLOW_DARK)
    put(img, 12, 14, BLUE_DARK)
    return img


def generic(index):
    # Pictures that no entry of the program uses: a neutral page with a mark of its slot.
    img = canvas()
    rect(img, 3, 1, 12, 14, WHITE)
    frame(img, 3, 1, 12, 14, GREY_DARK)
    for bit in range(5):
        if index & (1 << bit):
            rect(img, 5, 3 + bit * 2, 10, 3 + bit * 2, GREY)
    return img


def marker(index):
    img = canvas()
    shade = [rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 0)][index]
    rect(img, 0, 0, 15, 15, shade)
    frame(img, 0, 0, 15, 15, DARK)
    return img


def pictures():
    fixed = {
        0: folder(),
        1: folder(open_=True),
        2: separator(),
        3: special_separator(),
        4: top_sign(),
        5: folder(body=rgb(160, 200, 245), edge=BLUE_DARK),
        7: help_sign(),
        8: updates_sign(),
        9: manage_sign(),
        10: preferences_sign(),
        11: globe_sign(),
        21: forums_sign(),
    }
    return [fixed.get(i) or generic(i) for i in range(23)], [marker(i) for i in range(3)]


def argb(c):
    r, g, b, a = c
    return (a << 24) | (r << 16) | (g << 8) | b


def emit(name, imgs):
    out = [f"const uint32_t {name}[{len(imgs)}][256] = {{"]
    for img in imgs:
        vals = [f"0x{argb(img[y][x]):08X}" for y in range(N) for x in range(N)]
        out.append("    {" + ",".join(vals) + "},")
    out.append("};")
    return "\n".join(out)


def main():
    fixed, markers = pictures()
    text = ("// Generated by tools/make_item_pictures.py: the fixed pictures and the markers of the\n"
            "// item lists, 16 x 16, 0xAARRGGBB, top row first.\n" + emit("kFixedPictures", fixed) + "\n" +
            emit("kMarkerPictures", markers) + "\n")
    Path("app/item_pictures_data.inc").write_text(text)


if __name__ == "__main__":
    main()
