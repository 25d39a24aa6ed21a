"""A small anti-aliased rasteriser: an RGB canvas, strokes, discs, a stroke font and PNG output.

Shapes are drawn by coverage: each pixel takes the fraction of it that a shape covers, worked
out from its distance to the shape's outline. A shape is first gathered into a mask (the
largest coverage per pixel), then blended once, so overlapping pieces of one stroke never
darken their joints. Only basic arithmetic and square roots decide pixel values, so the output
is the same on every run.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from png_encoder import RGB, encode_png  # noqa: E402


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


class Mask:
    """Coverage per pixel, 0..1, for one shape."""

    def __init__(self):
        self.cover = {}

    def add(self, x, y, c):
        if c > 0.0:
            key = (x, y)
            if c > self.cover.get(key, 0.0):
                self.cover[key] = c

    def segment(self, x1, y1, x2, y2, width):
        """A stroke of the given width with round ends."""
        half = width / 2.0
        reach = half + 1.0
        dx, dy = x2 - x1, y2 - y1
        length2 = dx * dx + dy * dy
        for y in range(int(math.floor(min(y1, y2) - reach)), int(math.ceil(max(y1, y2) + reach)) + 1):
            py = y + 0.5
            for x in range(int(math.floor(min(x1, x2) - reach)), int(math.ceil(max(x1, x2) + reach)) + 1):
                px = x + 0.5
                t = 0.0 if length2 == 0 else clamp01(((px - x1) * dx + (py - y1) * dy) / length2)
                ex, ey = px - (x1 + t * dx), py - (y1 + t * dy)
                self.add(x, y, clamp01(half + 0.5 - math.sqrt(ex * ex + ey * ey)))

    def polyline(self, points, width):
        for (x1, y1), (x2, y2) in zip(points, points[1:]):
            self.segment(x1, y1, x2, y2, width)

    def disc(self, cx, cy, r):
        for y in range(int(math.floor(cy - r - 1)), int(math.ceil(cy + r + 1)) + 1):
            for x in range(int(math.floor(cx - r - 1)), int(math.ceil(cx + r + 1)) + 1):
                d = math.sqrt((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2)
                self.add(x, y, clamp01(r + 0.5 - d))

    def polygon(self, points):
        """A filled convex or concave polygon, edges anti-aliased by 4 x 4 samples."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
            for x in range(int(math.floor(min(xs))), int(math.ceil(max(xs))) + 1):
                hits = 0
                for sy in range(4):
                    qy = y + (sy + 0.5) / 4
                    for sx in range(4):
                        qx = x + (sx + 0.5) / 4
                        inside = False
                        for k in range(len(points)):
                            (ax, ay), (bx, by) = points[k], points[k - 1]
                            if (ay > qy) != (by > qy) and qx < (bx - ax) * (qy - ay) / (by - ay) + ax:
                                inside = not inside
                        hits += inside
                self.add(x, y, hits / 16.0)


def arc_points(cx, cy, r, start_deg, end_deg, ry=None):
    """Points along a circle (or ellipse with vertical radius ry) from start to end angle.

    Angles are counted anticlockwise from the right, as on paper; y grows downwards."""
    ry = r if ry is None else ry
    steps = max(4, int(abs(end_deg - start_deg) / 6))
    points = []
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        points.append((cx + r * math.cos(a), cy - ry * math.sin(a)))
    return points


class Canvas:
    def __init__(self, width, height, colour=(255, 255, 255)):
        self.width = width
        self.height = height
        self.px = [[float(c) for c in colour] for _ in range(width * height)]

    def shade(self, colour_at):
        """Sets every pixel to colour_at(x, y)."""
        for y in range(self.height):
            for x in range(self.width):
                self.px[y * self.width + x] = [float(c) for c in colour_at(x, y)]

    def blend(self, mask, colour, opacity=1.0, dx=0, dy=0):
        for (x, y), c in mask.cover.items():
            x, y = x + dx, y + dy
            if 0 <= x < self.width and 0 <= y < self.height:
                a = c * opacity
                p = self.px[y * self.width + x]
                for i in range(3):
                    p[i] += (colour[i] - p[i]) * a

    def blend_shaded(self, mask, colour_at):
        """Blends a mask whose colour varies over it."""
        for (x, y), c in mask.cover.items():
            if 0 <= x < self.width and 0 <= y < self.height:
                colour = colour_at(x + 0.5, y + 0.5)
                p = self.px[y * self.width + x]
                for i in range(3):
                    p[i] += (colour[i] - p[i]) * c

    def rgb_rows(self):
        """Rows of (r, g, b) bytes."""
        rows = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                p = self.px[y * self.width + x]
                row.append(tuple(min(255, max(0, int(round(v)))) for v in p))
            rows.append(row)
        return rows


def png(rows):
    """An 8-bit RGB PNG of the given rows of (r, g, b)."""
    height, width = len(rows), len(rows[0])
    scanlines = [b"\x00" + bytes(v for p in row for v in p) for row in rows]
    return encode_png(width, height, scanlines, RGB)


# The stroke font: each glyph is (advance, strokes); a stroke is a list of points in units of
# the capital height (y = 0 at the top of capitals, 1 on the baseline). Lower-case letters
# rise to X_TOP. A stroke of one point is a dot.
X_TOP = 0.42


def _glyphs():
    xt = X_TOP
    h = 1.0 - xt
    g = {}
    g["C"] = (0.86, [arc_points(0.44, 0.5, 0.42, 48, 312, ry=0.5)])
    g["i"] = (0.3, [[(0.1, xt), (0.1, 1.0)], [(0.1, xt - 0.2)]])
    g["r"] = (0.48, [[(0.08, xt), (0.08, 1.0)],
                     arc_points(0.36, xt + 0.27, 0.28, 180, 80, ry=0.25)])
    g["c"] = (0.62, [arc_points(0.3, xt + h / 2, 0.3, 50, 310, ry=h / 2)])
    g["u"] = (0.66, [[(0.04, xt), (0.04, 1.0 - 0.26)] + arc_points(0.29, 1.0 - 0.26, 0.25, 180, 360, ry=0.26)[1:],
                     [(0.54, xt), (0.54, 1.0)]])
    g["m"] = (1.0, [[(0.04, 1.0), (0.04, xt)],
                    [(0.04, xt + 0.24)] + arc_points(0.255, xt + 0.22, 0.215, 170, 0, ry=0.2) + [(0.47, 1.0)],
                    [(0.47, xt + 0.24)] + arc_points(0.685, xt + 0.22, 0.215, 170, 0, ry=0.2) + [(0.9, 1.0)]])
    g["v"] = (0.6, [[(0.0, xt), (0.27, 1.0), (0.54, xt)]])
    g["a"] = (0.66, [arc_points(0.27, 1.0 - h / 2, 0.26, 0, 360, ry=h / 2),
                     [(0.54, xt), (0.54, 1.0)]])
    g["A"] = (0.72, [[(0.0, 1.0), (0.33, 0.0), (0.66, 1.0)], [(0.12, 0.64), (0.54, 0.64)]])
    g["B"] = (0.64, [[(0.38, 0.48), (0.0, 0.48), (0.0, 0.0), (0.34, 0.0)] + arc_points(0.34, 0.24, 0.24, 90, -90)[1:],
                     [(0.0, 0.48), (0.0, 1.0), (0.36, 1.0)] + arc_points(0.36, 0.74, 0.26, -90, 90)[1:]])
    g["D"] = (0.7, [[(0.0, 0.0), (0.0, 1.0), (0.22, 1.0)] + arc_points(0.22, 0.5, 0.4, -90, 90, ry=0.5)[1:]
                    + [(0.0, 0.0)]])
    g["E"] = (0.58, [[(0.54, 0.0), (0.0, 0.0), (0.0, 1.0), (0.54, 1.0)], [(0.0, 0.5), (0.44, 0.5)]])
    g["F"] = (0.56, [[(0.54, 0.0), (0.0, 0.0), (0.0, 1.0)], [(0.0, 0.5), (0.44, 0.5)]])
    g["1"] = (0.5, [[(0.08, 0.2), (0.3, 0.0), (0.3, 1.0)]])
    g["2"] = (0.6, [arc_points(0.28, 0.28, 0.27, 160, -35) + [(0.0, 1.0), (0.58, 1.0)]])
    g["3"] = (0.6, [arc_points(0.28, 0.25, 0.25, 155, -90) + arc_points(0.28, 0.74, 0.26, 90, -155)[1:]])
    g["4"] = (0.62, [[(0.44, 1.0), (0.44, 0.0), (0.0, 0.7), (0.6, 0.7)]])
    g["5"] = (0.6, [[(0.54, 0.0), (0.08, 0.0), (0.05, 0.46)] + arc_points(0.28, 0.7, 0.29, 125, -150)])
    g["6"] = (0.6, [[(0.46, 0.0), (0.06, 0.6)], arc_points(0.29, 0.71, 0.27, 0, 360)])
    return g


GLYPHS = _glyphs()


def text_width(text, size, tracking=0.12):
    return sum((GLYPHS[ch][0] + tracking) * size for ch in text) - tracking * size


def text_mask(text, left, top, size, width, tracking=0.12, slant=0.0):
    """The mask of `text` with capitals `size` pixels high, its top-left at (left, top)."""
    mask = Mask()
    x = left
    for ch in text:
        advance, strokes = GLYPHS[ch]
        for stroke in strokes:
            points = [(x + (px + slant * (1.0 - py)) * size, top + py * size) for px, py in stroke]
            if len(points) == 1:
                mask.disc(points[0][0], points[0][1], width * 0.62)
            else:
                mask.polyline(points, width)
        x += (advance + tracking) * size
    return mask
