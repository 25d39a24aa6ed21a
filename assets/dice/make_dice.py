#!/usr/bin/env python3
"""Draws the six faces of the set-up dialog's die as 64 x 64 PNG files (die_1.png ...).

Each face is an ivory rounded square with a soft bevel and dark pips. Outside the rounded
square the picture is transparent, so the die sits on whatever background its control has.
Shapes are sampled 4 x 4 per pixel and averaged, which smooths the edges without any
imaging library. Output goes next to this script, or into --out DIR.
"""
import argparse
import math
import os
import sys

sys.dont_write_bytecode = True  # keep the source folders clean when run by the tests
sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from png_encoder import RGBA, encode_png  # noqa: E402

SIZE = 64
SCALE = 4
MARGIN = 2.0      # the body's edge, from the picture's edge
CORNER = 11.0     # radius of the rounded corners
BEVEL = 5.0       # width of the shaded rim inside the edge
PIP_RADIUS = 5.2
PIP_OFFSET = 15.5  # distance of the side pips from the centre, on each axis

BODY = (246, 240, 222)
SHADE = (196, 184, 158)
OUTLINE = (70, 62, 52)
PIP = (36, 30, 34)

# Pip places as multiples of PIP_OFFSET from the centre.
PIPS = {
    1: [(0, 0)],
    2: [(-1, -1), (1, 1)],
    3: [(-1, -1), (0, 0), (1, 1)],
    4: [(-1, -1), (1, -1), (-1, 1), (1, 1)],
    5: [(-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1)],
    6: [(-1, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (1, 1)],
}


def edge_distance(x, y):
    """Signed distance from the rounded square's outline (negative inside)."""
    half = SIZE / 2 - MARGIN - CORNER
    dx = max(abs(x - SIZE / 2) - half, 0.0)
    dy = max(abs(y - SIZE / 2) - half, 0.0)
    outside = math.hypot(dx, dy) - CORNER
    if dx == 0.0 and dy == 0.0:
        return max(abs(x - SIZE / 2), abs(y - SIZE / 2)) - (SIZE / 2 - MARGIN)
    return outside


def mix(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


def sample(face, x, y):
    """Colour and coverage (r, g, b, a) of one sample point."""
    d = edge_distance(x, y)
    if d > 0:
        return (0.0, 0.0, 0.0, 0.0)
    if d > -1.2:
        return OUTLINE + (1.0,)
    # The rim darkens towards the lower right, as if lit from the upper left.
    rim = max(0.0, 1.0 + d / BEVEL)
    light = ((x - SIZE / 2) + (y - SIZE / 2)) / SIZE + 0.5
    colour = mix(BODY, SHADE, rim * light + 0.15 * (y / SIZE))
    for px, py in PIPS[face]:
        cx, cy = SIZE / 2 + px * PIP_OFFSET, SIZE / 2 + py * PIP_OFFSET
        r = math.hypot(x - cx, y - cy)
        if r <= PIP_RADIUS:
            # A touch of highlight on the lower right of each pip shows it is a hollow.
            hollow = max(0.0, ((x - cx) + (y - cy)) / (2 * PIP_RADIUS))
            return mix(PIP, SHADE, 0.35 * hollow) + (1.0,)
    return colour + (1.0,)


def face_png(face):
    rows = []
    n = SCALE * SCALE
    for j in range(SIZE):
        row = bytearray([0])  # filter type: none
        for i in range(SIZE):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sj in range(SCALE):
                for si in range(SCALE):
                    r, g, b, a = sample(face, i + (si + 0.5) / SCALE, j + (sj + 0.5) / SCALE)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            if acc[3] > 0:
                row += bytes(round(min(255.0, acc[c] / acc[3])) for c in range(3))
            else:
                row += bytes(3)
            row.append(round(acc[3] / n * 255))
        rows.append(bytes(row))
    return encode_png(SIZE, SIZE, rows, RGBA)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.dirname(os.path.abspath(__file__)))
    out = parser.parse_args().out
    os.makedirs(out, exist_ok=True)
    for face in range(1, 7):
        with open(os.path.join(out, "die_%d.png" % face), "wb") as f:
            f.write(face_png(face))


if __name__ == "__main__":
    main()
