#!/usr/bin/env python3
"""Draws Circumvia's application icon: one SVG and PNGs at the desktop's icon sizes.

The picture is the board seen from above: a wooden tile, the 6 x 6 grid, the two circuits
with their corner loops (inner circuit green, outer circuit brown) and a few Red and White
pieces. Every shape is a list of closed outlines in a 256 x 256 design space; the SVG writes
them as paths and the PNGs fill the very same outlines (even-odd rule) with exact
horizontal coverage and 16 sub-rows per pixel, so both forms show one drawing.

Files go to app/ beside this script (or to --out DIR): circumvia.svg, circumvia_16.png ...
"""
import argparse
import math
import os
import sys

sys.dont_write_bytecode = True  # keep the source folders clean when run by the tests
sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from png_encoder import RGBA, encode_png  # noqa: E402

DESIGN = 256
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SUB_ROWS = 16
ARC_STEPS = 96  # segments of a full circle

# Board geometry: grid step, the board's top-left point and the loops' radii.
STEP = 24
ORIGIN = (DESIGN - 5 * STEP) / 2  # 68: the grid spans 68..188
INNER_RADIUS = STEP
OUTER_RADIUS = 2 * STEP

WOOD = (226, 186, 118, 1.0)
WOOD_EDGE = (128, 74, 36, 1.0)
GRID = (120, 84, 50, 0.55)
INNER = (38, 120, 70, 1.0)
OUTER = (150, 58, 36, 1.0)
RED = (204, 36, 36, 1.0)
WHITE = (248, 246, 240, 1.0)
PIECE_EDGE = (40, 32, 28, 1.0)


def point(column, row):
    """Design coordinates of a board point, columns and rows 1..6."""
    return ORIGIN + (column - 1) * STEP, ORIGIN + (row - 1) * STEP


def circle(cx, cy, r):
    return [(cx + r * math.cos(2 * math.pi * k / ARC_STEPS), cy + r * math.sin(2 * math.pi * k / ARC_STEPS))
            for k in range(ARC_STEPS)]


def disc(cx, cy, r):
    return [circle(cx, cy, r)]


def ring(cx, cy, r, width):
    return [circle(cx, cy, r + width / 2), circle(cx, cy, r - width / 2)]


def arc_band(cx, cy, r, width, start, end):
    """A band of the given width along a circle from angle start to end (degrees, y down)."""
    steps = max(2, round(ARC_STEPS * abs(end - start) / 360))
    angles = [math.radians(start + (end - start) * k / steps) for k in range(steps + 1)]
    outer = [(cx + (r + width / 2) * math.cos(a), cy + (r + width / 2) * math.sin(a)) for a in angles]
    inner = [(cx + (r - width / 2) * math.cos(a), cy + (r - width / 2) * math.sin(a)) for a in reversed(angles)]
    return [outer + inner]


def bar(x1, y1, x2, y2, width):
    """A straight stroke with square ends reaching half the width past both end points."""
    dx, dy = x2 - x1, y2 - y1
    length = math.hypot(dx, dy)
    ux, uy = dx / length * width / 2, dy / length * width / 2
    nx, ny = -uy, ux
    return [[(x1 - ux + nx, y1 - uy + ny), (x2 + ux + nx, y2 + uy + ny),
             (x2 + ux - nx, y2 + uy - ny), (x1 - ux - nx, y1 - uy - ny)]]


def rounded_square(x1, y1, x2, y2, r):
    outline = []
    for cx, cy, start in ((x2 - r, y1 + r, -90), (x2 - r, y2 - r, 0), (x1 + r, y2 - r, 90), (x1 + r, y1 + r, 180)):
        for k in range(ARC_STEPS // 4 + 1):
            a = math.radians(start + 90 * k / (ARC_STEPS // 4))
            outline.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return [outline]


def circuit(lines, radius, width):
    """Two rows and two columns of the grid joined at each corner by a three-quarter loop."""
    shapes = []
    low, high = point(1, 1)[0], point(6, 6)[0]
    for k in lines:
        offset = point(k, k)[0]
        shapes += bar(low, offset, high, offset, width)
        shapes += bar(offset, low, offset, high, width)
    # Each loop leaves the board along a row and comes back along a column, round the corner.
    for cx, cy, start in ((low, low, 90), (high, low, 180), (high, high, 270), (low, high, 0)):
        shapes += arc_band(cx, cy, radius, width, start, start + 270)
    return shapes


def drawing():
    """The icon as (outlines, colour) pairs, back to front."""
    layers = [
        (rounded_square(6, 6, 250, 250, 44), WOOD_EDGE),
        (rounded_square(14, 14, 242, 242, 37), WOOD),
    ]
    grid = []
    for k in range(1, 7):
        x, _ = point(k, 1)
        grid += bar(x, point(1, 1)[1], x, point(1, 6)[1], 4)
        grid += bar(point(1, 1)[0], x, point(6, 1)[0], x, 4)
    layers.append((grid, GRID))
    for outline in circuit((3, 4), OUTER_RADIUS, 9):
        layers.append(([outline], OUTER))
    for outline in circuit((2, 5), INNER_RADIUS, 9):
        layers.append(([outline], INNER))
    pieces = [(2, 1, WHITE), (4, 1, WHITE), (5, 2, WHITE), (3, 6, RED), (6, 6, RED), (2, 5, RED)]
    for column, row, colour in pieces:
        x, y = point(column, row)
        layers.append((disc(x, y, 11.5), PIECE_EDGE))
        layers.append((disc(x, y, 8.5), colour))
    return layers


# --- SVG ---------------------------------------------------------------------------------

def svg(layers):
    def number(v):
        text = "%.2f" % v
        return text.rstrip("0").rstrip(".") if "." in text else text

    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (DESIGN, DESIGN, DESIGN, DESIGN)]
    for outlines, (r, g, b, a) in layers:
        d = " ".join("M" + " L".join("%s %s" % (number(x), number(y)) for x, y in outline) + " Z"
                     for outline in outlines)
        opacity = "" if a == 1.0 else ' fill-opacity="%s"' % number(a)
        lines.append('<path fill="#%02x%02x%02x"%s fill-rule="evenodd" d="%s"/>' % (r, g, b, opacity, d))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


# --- PNG ---------------------------------------------------------------------------------

def coverage(outlines, size):
    """Fraction of each pixel inside the outlines (even-odd), row by row."""
    scale = size / DESIGN
    edges = []
    for outline in outlines:
        for k in range(len(outline)):
            (x1, y1), (x2, y2) = outline[k - 1], outline[k]
            if y1 != y2:
                edges.append((x1 * scale, y1 * scale, x2 * scale, y2 * scale))
    cover = [[0.0] * size for _ in range(size)]
    if not edges:
        return cover
    top = max(0, math.floor(min(min(e[1], e[3]) for e in edges)))
    bottom = min(size, math.ceil(max(max(e[1], e[3]) for e in edges)))
    weight = 1.0 / SUB_ROWS
    for py in range(top, bottom):
        active = [e for e in edges if min(e[1], e[3]) < py + 1 and max(e[1], e[3]) > py]
        row = cover[py]
        runs = [0.0] * (size + 1)  # difference array for whole pixels
        for s in range(SUB_ROWS):
            y = py + (s + 0.5) * weight
            xs = sorted(x1 + (y - y1) * (x2 - x1) / (y2 - y1)
                        for x1, y1, x2, y2 in active if (y1 > y) != (y2 > y))
            for a, b in zip(xs[0::2], xs[1::2]):
                a, b = max(0.0, a), min(float(size), b)
                if a >= b:
                    continue
                ia, ib = int(a), int(b)
                if ia == ib:
                    row[ia] += (b - a) * weight
                    continue
                row[ia] += (ia + 1 - a) * weight
                if ib < size:
                    row[ib] += (b - ib) * weight
                runs[ia + 1] += weight
                runs[ib] -= weight
        whole = 0.0
        for x in range(size):
            whole += runs[x]
            row[x] += whole
    return cover


def render(layers, size):
    # Premultiplied colour, composited front over back.
    pixels = [[[0.0, 0.0, 0.0, 0.0] for _ in range(size)] for _ in range(size)]
    for outlines, (r, g, b, a) in layers:
        cover = coverage(outlines, size)
        for y in range(size):
            for x in range(size):
                c = min(1.0, cover[y][x]) * a
                if c <= 0.0:
                    continue
                p = pixels[y][x]
                keep = 1.0 - c
                p[0] = r * c + p[0] * keep
                p[1] = g * c + p[1] * keep
                p[2] = b * c + p[2] * keep
                p[3] = c + p[3] * keep
    rows = []
    for y in range(size):
        row = bytearray([0])
        for r, g, b, a in pixels[y]:
            if a > 0.0:
                row += bytes(round(min(255.0, v / a)) for v in (r, g, b))
            else:
                row += bytes(3)
            row.append(round(a * 255))
        rows.append(bytes(row))
    return encode_png(size, size, rows, RGBA)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--out", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "app"))
    out = parser.parse_args().out
    os.makedirs(out, exist_ok=True)
    layers = drawing()
    with open(os.path.join(out, "circumvia.svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(svg(layers))
    for size in SIZES:
        with open(os.path.join(out, "circumvia_%d.png" % size), "wb") as f:
            f.write(render(layers, size))


if __name__ == "__main__":
    main()
