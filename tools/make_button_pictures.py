#!/usr/bin/env python3
"""Draws the 16 x 16 pictures of the manager window's push buttons and writes them as
C++ data to app/button_pictures_data.inc. Only the normal form is stored: the program
derives the disabled form from it, so the two can never disagree.

Shapes are signed distance functions (negative inside) sampled SS x SS times per pixel
and composited sample by sample before averaging, so edges are smooth and touching shapes
leave no seams between them.

Run from the repository root: python3 tools/make_button_pictures.py
"""
import math
from pathlib import Path

from make_item_pictures import N, emit

SS = 4  # samples per pixel along each axis


def rgb(r, g, b, a=255):
    return (r, g, b, a)


WHITE = rgb(255, 255, 255)
PAPER_EDGE = rgb(105, 120, 145)
TEXT_LINE = rgb(150, 165, 190)
GREEN, GREEN_LIGHT, GREEN_DARK = rgb(60, 165, 60), rgb(130, 215, 110), rgb(25, 100, 30)
BLUE, BLUE_LIGHT, BLUE_DARK = rgb(55, 120, 215), rgb(120, 180, 245), rgb(25, 65, 145)
RED, RED_LIGHT, RED_DARK = rgb(215, 45, 40), rgb(245, 110, 95), rgb(140, 20, 20)
STEEL, STEEL_MID, STEEL_DARK = rgb(200, 205, 215), rgb(140, 148, 165), rgb(70, 75, 90)
WOOD, WOOD_LIGHT, WOOD_DARK = rgb(165, 105, 50), rgb(205, 145, 80), rgb(100, 60, 25)
STRAW, STRAW_DARK = rgb(240, 200, 90), rgb(170, 125, 35)


class Canvas:
    """A 16 x 16 picture held as SS x SS premultiplied samples per pixel."""

    def __init__(self):
        self.size = N * SS
        self.samples = [[(0.0, 0.0, 0.0, 0.0)] * self.size for _ in range(self.size)]

    def fill(self, shape, colour):
        """Paints `colour` (a tuple, or a function of x and y giving one) over the samples
        inside `shape`."""
        for j in range(self.size):
            y = (j + 0.5) / SS
            row = self.samples[j]
            for i in range(self.size):
                x = (i + 0.5) / SS
                if shape(x, y) > 0:
                    continue
                r, g, b, a = colour(x, y) if callable(colour) else colour
                a /= 255
                dr, dg, db, da = row[i]
                row[i] = (r * a + dr * (1 - a), g * a + dg * (1 - a), b * a + db * (1 - a), a + da * (1 - a))

    def edge(self, shape, colour, width=1.0):
        """Paints the inner band of `shape` that lies within `width` of its border."""
        self.fill(lambda x, y: band(shape(x, y), width), colour)

    def pixels(self):
        img = [[None] * N for _ in range(N)]
        for py in range(N):
            for px in range(N):
                tr = tg = tb = ta = 0.0
                for j in range(py * SS, py * SS + SS):
                    for i in range(px * SS, px * SS + SS):
                        r, g, b, a = self.samples[j][i]
                        tr, tg, tb, ta = tr + r, tg + g, tb + b, ta + a
                n = SS * SS
                a = round(ta / n * 255)
                if a == 0:
                    img[py][px] = (0, 0, 0, 0)
                else:
                    # Straight alpha, as the program's rasters hold it.
                    img[py][px] = tuple(min(255, round(c / ta)) for c in (tr, tg, tb)) + (a,)
        return img


def band(d, width):
    return max(d, -d - width)


# Shapes: each returns a function of (x, y) giving the signed distance to its border.

def segment_distance(x, y, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - x0 - t * dx, y - y0 - t * dy)


def polygon(*points):
    edges = list(zip(points, points[1:] + points[:1]))

    def d(x, y):
        inside = False
        nearest = float("inf")
        for (x0, y0), (x1, y1) in edges:
            nearest = min(nearest, segment_distance(x, y, x0, y0, x1, y1))
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
        return -nearest if inside else nearest
    return d


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - radius
    return d


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def stroke(width, *points):
    """A polyline of the given width with round ends and joints."""
    pairs = list(zip(points, points[1:]))
    return lambda x, y: min(segment_distance(x, y, *p, *q) for p, q in pairs) - width / 2


def arc(cx, cy, r, width, start, end):
    """A stroke along the circle from angle `start` to `end` (degrees, clockwise on
    screen, 0 pointing right), with flat ends."""
    span = (end - start) % 360

    def d(x, y):
        ring = abs(math.hypot(x - cx, y - cy) - r) - width / 2
        a = (math.degrees(math.atan2(y - cy, x - cx)) - start) % 360
        return ring if a <= span else float("inf")
    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def minus(shape, *holes):
    return lambda x, y: max(shape(x, y), *(-h(x, y) for h in holes))


def vertical(top, bottom, y0, y1):
    """A colour running from `top` at y0 to `bottom` at y1, for a hint of light from above."""
    def c(x, y):
        t = max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
    return c


def filled(shape, light, body, edge, y0=1, y1=15):
    c = Canvas()
    c.fill(shape, vertical(light, body, y0, y1))
    c.edge(shape, edge)
    return c


# The pictures, in the order of the ButtonPicture enumeration.

def attach():
    plus = union(box(6, 1.5, 10, 14.5, 0.6), box(1.5, 6, 14.5, 10, 0.6))
    return filled(plus, GREEN_LIGHT, GREEN, GREEN_DARK)


def arrow_down():
    arrow = polygon((5.5, 1.5), (10.5, 1.5), (10.5, 7.5), (14.5, 7.5), (8, 14.5), (1.5, 7.5), (5.5, 7.5))
    return filled(arrow, BLUE_LIGHT, BLUE, BLUE_DARK)


def arrow_up():
    arrow = polygon((5.5, 14.5), (10.5, 14.5), (10.5, 8.5), (14.5, 8.5), (8, 1.5), (1.5, 8.5), (5.5, 8.5))
    return filled(arrow, BLUE_LIGHT, BLUE, BLUE_DARK)


def blade(tip, root, pivot=(8, 7.2)):
    """A blade pointed at its tip, widest at the pivot, narrowing to the handle it joins."""
    dx, dy = root[0] - tip[0], root[1] - tip[1]
    length = math.hypot(dx, dy)
    nx, ny = -dy / length, dx / length

    def at(point, half):
        return [(point[0] + nx * half, point[1] + ny * half), (point[0] - nx * half, point[1] - ny * half)]
    (t1, t2), (p1, p2), (r1, r2) = at(tip, 0.35), at(pivot, 1.5), at(root, 0.9)
    return polygon(t1, p1, r1, r2, p2, t2)


def scissors():
    c = Canvas()
    # Each blade runs from its tip at the top across the pivot to the opposite handle.
    for tip, root in (((4.9, 0.5), (10.4, 10.6)), ((11.1, 0.5), (5.6, 10.6))):
        shape = blade(tip, root)
        c.fill(shape, vertical(STEEL, STEEL_MID, 1, 10))
        c.edge(shape, STEEL_DARK, 0.9)
    c.fill(circle(8, 7.2, 0.8), WHITE)
    for cx in (4.4, 11.6):
        handle = minus(circle(cx, 12.6, 2.9), circle(cx, 12.6, 1.3))
        c.fill(handle, RED)
        c.edge(handle, RED_DARK, 0.8)
    return c


def sheet(c, x0, y0, x1, y1, lines):
    c.fill(box(x0, y0, x1, y1), WHITE)
    c.edge(box(x0, y0, x1, y1), PAPER_EDGE)
    for y in lines:
        c.fill(box(x0 + 2, y, x1 - 2, y + 1), TEXT_LINE)


def sheets():
    c = Canvas()
    sheet(c, 1, 1, 10, 11, (3, 5, 7))
    sheet(c, 6, 5, 15, 15, (7, 9, 11))
    return c


def clipboard():
    c = Canvas()
    board = box(1.5, 2, 14.5, 15.5, 1.2)
    c.fill(board, vertical(WOOD_LIGHT, WOOD, 2, 15))
    c.edge(board, WOOD_DARK)
    sheet(c, 4, 4.5, 12, 14, (7, 9, 11))
    clip = box(5, 0.5, 11, 4.5, 1.0)
    c.fill(clip, vertical(WHITE, STEEL, 0.5, 4.5))
    c.edge(clip, STEEL_DARK)
    return c


def cross(reach, width):
    lo, hi = 8 - reach, 8 + reach
    return union(stroke(width, (lo, lo), (hi, hi)), stroke(width, (lo, hi), (hi, lo)))


def red_cross():
    return filled(cross(5.3, 3.6), RED_LIGHT, RED, RED_DARK)


def broom():
    c = Canvas()
    handle = stroke(1.8, (14.6, 1.4), (8.2, 7.8))
    c.fill(handle, WOOD_LIGHT)
    c.edge(handle, WOOD_DARK, 0.7)
    # The head splays out from the binding towards the lower left.
    head = polygon((6.3, 6.3), (9.7, 9.7), (7.2, 15.2), (4.5, 14.8), (1.2, 11.5), (0.8, 8.8))
    c.fill(head, vertical(STRAW, STRAW_DARK, 6, 15))
    for k in (-1.8, 0.0, 1.8):
        c.fill(stroke(0.6, (8 + k * 0.5, 8 - k * 0.5), (3.5 + k * 1.1, 12.5 - k * 1.1)), STRAW_DARK)
    c.edge(head, STRAW_DARK, 0.8)
    c.fill(stroke(2.0, (6.1, 6.9), (9.1, 9.9)), RED)
    return c


def undo():
    c = Canvas()
    # A hook bending back to the left, its head at the upper left.
    hook = union(stroke(2.6, (5.5, 5.5), (9, 5.5)), arc(9, 9.25, 3.75, 2.6, 270, 90),
                 stroke(2.6, (9, 13), (4.5, 13)))
    head = polygon((0.8, 5.5), (6.8, 0.8), (6.8, 10.2))
    shape = union(hook, head)
    c.fill(shape, vertical(BLUE_LIGHT, BLUE, 1, 14))
    c.edge(shape, BLUE_DARK)
    return c


def disk():
    c = Canvas()
    body = polygon((1, 1), (13, 1), (15, 3), (15, 15), (1, 15))
    c.fill(body, vertical(BLUE, BLUE_DARK, 1, 15))
    c.edge(body, rgb(15, 35, 90))
    shutter = box(4, 1, 12, 6.5)
    c.fill(shutter, vertical(WHITE, STEEL, 1, 6))
    c.edge(shutter, STEEL_DARK)
    c.fill(box(9, 2, 11, 5.5), STEEL_DARK)
    c.fill(box(3, 8, 13, 15), WHITE)
    c.fill(box(4, 10, 12, 11), TEXT_LINE)
    c.fill(box(4, 12, 12, 13), TEXT_LINE)
    return c


def question():
    c = Canvas()
    c.fill(circle(8, 8, 7.5), vertical(BLUE_LIGHT, BLUE, 1, 15))
    c.edge(circle(8, 8, 7.5), BLUE_DARK)
    mark = union(arc(8, 5.8, 2.4, 2.2, 180, 60), stroke(2.2, (9.2, 7.9), (8, 9.1), (8, 9.8)))
    c.fill(mark, WHITE)
    c.fill(circle(8, 12.4, 1.3), WHITE)
    return c


def play():
    triangle = polygon((3, 1.2), (14.6, 8), (3, 14.8))
    return filled(triangle, GREEN_LIGHT, GREEN, GREEN_DARK)


def door():
    c = Canvas()
    # A door frame with the dark way out, the door swung open towards the viewer, and an
    # arrow leaving through it.
    c.fill(box(1, 1, 11, 15), WOOD_DARK)
    c.fill(box(2, 2, 10, 15), rgb(40, 40, 50))
    leaf = polygon((2, 2), (6, 1), (6, 15), (2, 15))
    c.fill(leaf, vertical(WOOD_LIGHT, WOOD, 1, 15))
    c.edge(leaf, WOOD_DARK, 0.9)
    c.fill(circle(5, 8.5, 0.8), STRAW)
    arrow = polygon((6.5, 6.5), (10.5, 6.5), (10.5, 3.5), (15.5, 8.5), (10.5, 13.5), (10.5, 10.5), (6.5, 10.5))
    c.fill(arrow, vertical(GREEN_LIGHT, GREEN, 3.5, 13.5))
    c.edge(arrow, GREEN_DARK)
    return c


PICTURES = [attach, arrow_down, arrow_up, scissors, sheets, clipboard, red_cross, broom, undo, disk, question, play,
            door]


def main():
    imgs = [draw().pixels() for draw in PICTURES]
    text = ("// Generated by tools/make_button_pictures.py: the normal pictures of the manager window's\n"
            "// push buttons in the order of ButtonPicture, 16 x 16, 0xAARRGGBB, top row first.\n" +
            emit("kButtonPictures", imgs) + "\n")
    Path("app/button_pictures_data.inc").write_text(text)


if __name__ == "__main__":
    main()
