#!/usr/bin/env python3
"""Draws the toolbar and status-bar icons of Circumvia as 20 x 20 PNG files, and each again
at 40 x 40 for screens of double density.

Shapes are given in units of the 20-pixel icon, rasterised at 8 samples a pixel and
averaged down, which gives smooth edges without any imaging library. The PNGs are written
next to this script (or into --out DIR), named by their index in the main window's image
list (icon_00.png ...; the double-size ones icon_00@2x.png ..., as Qt names them).
"""
import argparse
import math
import os
import sys

sys.dont_write_bytecode = True  # keep the source folders clean when run by the tests
sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from png_encoder import RGBA, encode_png  # noqa: E402

SIZE = 20
SCALE = 8
# File name suffix of each size drawn.
SIZES = {SIZE: "", 2 * SIZE: "@2x"}


class Canvas:
    def __init__(self, pixels=SIZE):
        self.pixels = pixels
        self.n = pixels * SCALE
        self.px = [[(0, 0, 0, 0)] * self.n for _ in range(self.n)]

    def _blend(self, x, y, rgba):
        r, g, b, a = rgba
        br, bg, bb, ba = self.px[y][x]
        out_a = a + ba * (1 - a)
        if out_a == 0:
            return
        mix = lambda c, bc: (c * a + bc * ba * (1 - a)) / out_a
        self.px[y][x] = (mix(r, br), mix(g, bg), mix(b, bb), out_a)

    def fill(self, inside, rgba):
        """Fills every sample whose centre (in icon units) satisfies inside(x, y)."""
        unit = SIZE / self.n
        for j in range(self.n):
            y = (j + 0.5) * unit
            for i in range(self.n):
                if inside((i + 0.5) * unit, y):
                    self._blend(i, j, rgba)

    def polygon(self, points, rgba):
        def inside(x, y):
            hit = False
            for k in range(len(points)):
                (x1, y1), (x2, y2) = points[k], points[k - 1]
                if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
                    hit = not hit
            return hit
        self.fill(inside, rgba)

    def disc(self, cx, cy, r, rgba):
        self.fill(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, rgba)

    def ring(self, cx, cy, r, width, rgba, start=0.0, end=360.0):
        def inside(x, y):
            d = math.hypot(x - cx, y - cy)
            if abs(d - r) > width / 2:
                return False
            angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
            return start <= angle <= end if start <= end else angle >= start or angle <= end
        self.fill(inside, rgba)

    def line(self, x1, y1, x2, y2, width, rgba):
        dx, dy = x2 - x1, y2 - y1
        length = math.hypot(dx, dy)
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x1 + nx, y1 + ny), (x2 + nx, y2 + ny), (x2 - nx, y2 - ny), (x1 - nx, y1 - ny)], rgba)

    def rect(self, x1, y1, x2, y2, rgba):
        self.polygon([(x1, y1), (x2, y1), (x2, y2), (x1, y2)], rgba)

    def png(self):
        rows = []
        for y in range(self.pixels):
            row = bytearray([0])
            for x in range(self.pixels):
                acc = [0.0] * 4
                for j in range(SCALE):
                    for i in range(SCALE):
                        r, g, b, a = self.px[y * SCALE + j][x * SCALE + i]
                        acc[0] += r * a
                        acc[1] += g * a
                        acc[2] += b * a
                        acc[3] += a
                n = SCALE * SCALE
                alpha = acc[3] / n
                if acc[3] > 0:
                    row += bytes(round(min(255, acc[c] / acc[3])) for c in range(3))
                else:
                    row += bytes(3)
                row.append(round(alpha * 255))
            rows.append(bytes(row))
        return encode_png(self.pixels, self.pixels, rows, RGBA)


OUTLINE = (40, 40, 48, 1.0)
GREEN = (40, 150, 60, 1.0)
BLUE = (40, 90, 190, 1.0)
WOOD = (150, 90, 45, 1.0)
LIGHT_WOOD = (225, 190, 120, 1.0)
GLASS = (190, 225, 250, 1.0)


def computer(c):
    c.rect(2, 3, 18, 14, OUTLINE)
    c.rect(3.5, 4.5, 16.5, 12.5, (70, 130, 210, 1.0))
    c.polygon([(8, 14), (12, 14), (13, 17), (7, 17)], OUTLINE)
    c.rect(5, 17, 15, 18.5, OUTLINE)


def human(c):
    c.disc(10, 6.5, 3.8, (230, 180, 140, 1.0))
    c.ring(10, 6.5, 3.8, 1.0, OUTLINE)
    c.fill(lambda x, y: y >= 11.5 and y <= 18.5 and ((x - 10) / 7.5) ** 2 + ((y - 18.5) / 7) ** 2 <= 1,
           (60, 110, 190, 1.0))


def arrow(c, direction):
    s = -direction  # direction -1 points left, +1 right
    pts = [(10 - 7 * s, 10), (10, 3), (10, 7), (10 + 7 * s, 7), (10 + 7 * s, 13), (10, 13), (10, 17)]
    c.polygon(pts, OUTLINE)
    inner = [(10 - 5.3 * s, 10), (10 - 0.9 * s, 5.6), (10 - 0.9 * s, 8.1), (10 + 5.9 * s, 8.1),
             (10 + 5.9 * s, 11.9), (10 - 0.9 * s, 11.9), (10 - 0.9 * s, 14.4)]
    c.polygon(inner, GREEN)


def rotate(c):
    c.ring(10, 10, 6, 2.4, BLUE, start=300, end=200)
    # Arrow head at the end of the arc (angle 200 degrees), pointing along the turn.
    a = math.radians(200)
    x, y = 10 + 6 * math.cos(a), 10 + 6 * math.sin(a)
    c.polygon([(x - 3.2, y), (x + 3.2, y), (x, y + 3.6)], BLUE)


def magnifier(c, plus):
    c.line(12.5, 12.5, 18, 18, 3, WOOD)
    c.disc(8, 8, 6, OUTLINE)
    c.disc(8, 8, 4.8, GLASS)
    c.rect(5, 7.2, 11, 8.8, OUTLINE)
    if plus:
        c.rect(7.2, 5, 8.8, 11, OUTLINE)


def view3d(c):
    c.polygon([(5, 5), (15, 5), (19, 15), (1, 15)], OUTLINE)
    c.polygon([(5.8, 6), (14.2, 6), (17.6, 14), (2.4, 14)], LIGHT_WOOD)
    c.polygon([(1, 15), (19, 15), (19, 17), (1, 17)], WOOD)
    c.disc(7, 11.5, 1.4, (220, 30, 30, 1.0))
    c.disc(12.5, 8.5, 1.3, (250, 250, 250, 1.0))


def view2d(c):
    c.rect(2, 2, 18, 18, OUTLINE)
    c.rect(3, 3, 17, 17, LIGHT_WOOD)
    for k in (6.5, 10, 13.5):
        c.rect(k - 0.4, 3, k + 0.4, 17, WOOD)
        c.rect(3, k - 0.4, 17, k + 0.4, WOOD)
    c.disc(6.5, 13.5, 1.5, (220, 30, 30, 1.0))
    c.disc(13.5, 6.5, 1.5, (250, 250, 250, 1.0))


def refresh(c):
    c.ring(10, 10, 6, 2.2, GREEN, start=20, end=160)
    c.ring(10, 10, 6, 2.2, GREEN, start=200, end=340)
    for angle, turn in ((160, 1), (340, -1)):
        a = math.radians(angle)
        x, y = 10 + 6 * math.cos(a), 10 + 6 * math.sin(a)
        c.polygon([(x - 3, y - 0.5 * turn), (x + 3, y - 0.5 * turn), (x, y - 3.5 * turn)], GREEN)


ICONS = {
    0: computer,
    1: human,
    2: lambda c: arrow(c, -1),
    4: rotate,
    5: lambda c: arrow(c, +1),
    6: lambda c: magnifier(c, False),
    7: lambda c: magnifier(c, True),
    8: view3d,
    9: view2d,
    10: refresh,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--out", default=os.path.dirname(os.path.abspath(__file__)))
    here = parser.parse_args().out
    os.makedirs(here, exist_ok=True)
    for index, draw in ICONS.items():
        for pixels, suffix in SIZES.items():
            canvas = Canvas(pixels)
            draw(canvas)
            with open(os.path.join(here, "icon_%02d%s.png" % (index, suffix)), "wb") as out:
                out.write(canvas.png())


if __name__ == "__main__":
    main()
