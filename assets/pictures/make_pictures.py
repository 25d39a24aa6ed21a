#!/usr/bin/env python3
"""Draws the about box's title picture and the diagrams of the rules pages.

Run from anywhere: `python3 assets/pictures/make_pictures.py [--out DIR]` (default: this
folder). The output is deterministic, so the committed files can be checked against a fresh
run.

- about_title.jpg:     347 x 231, baseline JPEG: the board with its two circuits, a red and a
                       white piece, and the name of the game.
- rules_board.png:     the empty board, inner circuit green, outer circuit blue, rows A..F
                       and columns 1..6 labelled as the moves are written.
- rules_start.png:     the start position.
- rules_steps.png:     a red piece on C 3 and the seven empty cells around it it may step to.
- rules_capture.png:   A 3 takes C 4 along the outer circuit, round the arc of the top-left
                       corner; the white piece on B 3 cannot be taken (no arc on the way).
- rules_long_capture.png: A 2 takes F 5 along the inner circuit: down column 2, round two
                       arcs, through the crossing on E 2.
"""

import argparse
import math
import os
import re
import sys

sys.dont_write_bytecode = True  # keep the source folder clean when run by the tests

import jpeg  # noqa: E402
from raster import Canvas, Mask, arc_points, png, text_mask, text_width  # noqa: E402

RED = 1
WHITE = 2



def circuit_colours():
    """The circuits' colours as the program draws them, from assets/circuit_colours.h."""
    header = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "circuit_colours.h")
    with open(header, encoding="utf-8") as source:
        found = dict(
            (name, tuple(int(v) for v in values))
            for name, *values in re.findall(
                r"k(\w+)CircuitColour\{(\d+), (\d+), (\d+)\}", source.read()
            )
        )
    return found["Inner"], found["Outer"]


# The inner circuit green, the outer one blue, as on the board and in every diagram.
INNER_COLOUR, OUTER_COLOUR = circuit_colours()
EDGE_COLOUR = (92, 60, 36)
DIAGONAL_COLOUR = (200, 178, 140)
ROUTE_COLOUR = (236, 150, 0)
LABEL_COLOUR = (60, 40, 26)

# Each circuit as the cells it visits, and the positions after which it passes an arc.
INNER = [2, 7, 8, 9, 10, 11, 12, 5, 11, 17, 23, 29, 35, 30, 29, 28, 27, 26, 25, 32, 26, 20, 14, 8]
OUTER = [3, 13, 14, 15, 16, 17, 18, 4, 10, 16, 22, 28, 34, 24, 23, 22, 21, 20, 19, 33, 27, 21, 15, 9]


class Board:
    """Where the cells of a flat board lie: `s` pixels between neighbours, cell A 1 at (ox, oy)."""

    def __init__(self, ox, oy, s):
        self.ox, self.oy, self.s = ox, oy, s

    def point(self, cell):
        row, column = (cell - 1) // 6, (cell - 1) % 6
        return self.ox + column * self.s, self.oy + row * self.s

    def corner(self, which):
        return self.point({"tl": 1, "tr": 6, "bl": 31, "br": 36}[which])


# The three-quarter loop at each corner, as (corner, start angle, end angle): it leaves the
# square along the top or bottom row and comes back along the side column.
LOOPS = [("tl", 0, 270), ("tr", -90, 180), ("bl", 90, 360), ("br", 180, 450)]


def loop_between(board, a, b, radius_steps):
    """The arc points joining neighbouring circuit cells a and b round their corner."""
    for name, start, end in LOOPS:
        cx, cy = board.corner(name)
        points = arc_points(cx, cy, radius_steps * board.s, start, end)
        first = board.point(a)
        if abs(points[0][0] - first[0]) < 0.5 and abs(points[0][1] - first[1]) < 0.5:
            return points
        if abs(points[-1][0] - first[0]) < 0.5 and abs(points[-1][1] - first[1]) < 0.5:
            return points[::-1]
    raise ValueError("no arc joins %d and %d" % (a, b))


def draw_board(canvas, board, line_width):
    s = board.s
    left, top = board.point(1)
    right, bottom = board.point(36)
    diagonals = Mask()
    for i in range(1, 5):
        diagonals.segment(left, top + i * s, left + (5 - i) * s, bottom, 1.0)
        diagonals.segment(left + i * s, top, right, top + (5 - i) * s, 1.0)
        diagonals.segment(left, top + (5 - i) * s, left + (5 - i) * s, top, 1.0)
        diagonals.segment(left + i * s, bottom, right, top + i * s, 1.0)
    diagonals.segment(left, top, right, bottom, 1.0)
    diagonals.segment(left, bottom, right, top, 1.0)
    canvas.blend(diagonals, DIAGONAL_COLOUR)

    edge = Mask()
    edge.polyline([(left, top), (right, top), (right, bottom), (left, bottom), (left, top)], line_width * 0.5)
    canvas.blend(edge, EDGE_COLOUR)

    for colour, lines, radius in ((INNER_COLOUR, (1, 4), 1), (OUTER_COLOUR, (2, 3), 2)):
        mask = Mask()
        for i in lines:
            mask.segment(left + i * s, top, left + i * s, bottom, line_width)
            mask.segment(left, top + i * s, right, top + i * s, line_width)
        for name, start, end in LOOPS:
            cx, cy = board.corner(name)
            mask.polyline(arc_points(cx, cy, radius * s, start, end), line_width)
        canvas.blend(mask, colour)


def draw_piece(canvas, x, y, r, side):
    """A piece lit from the top left, with a soft shadow to the bottom right."""
    shadow = Mask()
    shadow.disc(x + r * 0.18, y + r * 0.22, r)
    canvas.blend(shadow, (0, 0, 0), 0.28)
    body = Mask()
    body.disc(x, y, r)
    base = (206, 28, 24) if side == RED else (246, 242, 230)
    dark = (112, 8, 6) if side == RED else (150, 144, 128)

    def colour_at(px, py):
        dx, dy = (px - (x - 0.35 * r)) / r, (py - (y - 0.4 * r)) / r
        light = max(0.0, 1.0 - 0.55 * math.sqrt(dx * dx + dy * dy))
        shine = max(0.0, 1.0 - 3.2 * math.sqrt(dx * dx + dy * dy)) ** 2
        return tuple(d + (b - d) * light + (255 - b) * shine * 0.7 for b, d in zip(base, dark))

    canvas.blend_shaded(body, colour_at)
    rim = Mask()
    rim.polyline(arc_points(x, y, r - 0.5, 0, 360), 1.0)
    canvas.blend(rim, (90, 10, 8) if side == RED else (96, 90, 80), 0.8)


def draw_pieces(canvas, board, cells):
    for cell, side in sorted(cells.items()):
        x, y = board.point(cell)
        draw_piece(canvas, x, y, board.s * 0.36, side)


def route_points(board, circuit, start_index, direction, steps, radius_steps):
    """The drawn route of a capture: from the circuit cell at start_index, `steps` cells on."""
    points = [board.point(circuit[start_index])]
    index = start_index
    for _ in range(steps):
        following = (index + direction) % 24
        a, b = circuit[index], circuit[following]
        arc_step = (index, following) in ((0, 1), (6, 7), (12, 13), (18, 19)) or \
            (following, index) in ((0, 1), (6, 7), (12, 13), (18, 19))
        if arc_step:
            points += loop_between(board, a, b, radius_steps)[1:]
        else:
            points.append(board.point(b))
        index = following
    return points


def draw_route(canvas, board, points, width):
    """The way a capturing piece travels, ending in an arrowhead just before its victim."""
    r = board.s * 0.36
    end_x, end_y = points[-1]
    before_x, before_y = points[-2]
    length = math.sqrt((end_x - before_x) ** 2 + (end_y - before_y) ** 2)
    ux, uy = (end_x - before_x) / length, (end_y - before_y) / length
    tip = (end_x - ux * (r + 1.5), end_y - uy * (r + 1.5))
    head = width * 2.6
    base = (tip[0] - ux * head, tip[1] - uy * head)
    line = Mask()
    line.polyline(points[:-1] + [base], width)
    canvas.blend(line, ROUTE_COLOUR, 0.85)
    arrow = Mask()
    arrow.polygon([tip, (base[0] - uy * head * 0.6, base[1] + ux * head * 0.6),
                   (base[0] + uy * head * 0.6, base[1] - ux * head * 0.6)])
    canvas.blend(arrow, ROUTE_COLOUR)


def draw_step_arrow(canvas, board, start, end):
    (x1, y1), (x2, y2) = board.point(start), board.point(end)
    length = math.sqrt((x2 - x1) ** 2 + (y2 - y1) ** 2)
    ux, uy = (x2 - x1) / length, (y2 - y1) / length
    r = board.s * 0.36
    tail = (x1 + ux * (r + 1), y1 + uy * (r + 1))
    tip = (x2 - ux * 2, y2 - uy * 2)
    head = 7.0
    base = (tip[0] - ux * head, tip[1] - uy * head)
    line = Mask()
    line.segment(tail[0], tail[1], base[0], base[1], 2.4)
    canvas.blend(line, ROUTE_COLOUR)
    arrow = Mask()
    arrow.polygon([tip, (base[0] - uy * 4.2, base[1] + ux * 4.2), (base[0] + uy * 4.2, base[1] - ux * 4.2)])
    canvas.blend(arrow, ROUTE_COLOUR)


def draw_cross(canvas, x, y, size):
    mask = Mask()
    mask.segment(x - size, y - size, x + size, y + size, 2.6)
    mask.segment(x - size, y + size, x + size, y - size, 2.6)
    canvas.blend(mask, (190, 20, 20))


def wood(x, y, width, height):
    """Light board wood: a gentle gradient with faint grain along x."""
    t = y / height
    grain = 0.5 + 0.5 * math.sin(y * 0.9 + 2.2 * math.sin(x * 0.031 + y * 0.07))
    return (244 - 10 * t - 5 * grain, 232 - 14 * t - 6 * grain, 204 - 20 * t - 6 * grain)


DIAGRAM = 260
DIAGRAM_STEP = 26


def diagram(cells, decorate=None):
    """A rules diagram: the board, its labels, the given pieces and any extra drawing."""
    canvas = Canvas(DIAGRAM, DIAGRAM)
    canvas.shade(lambda x, y: wood(x, y, DIAGRAM, DIAGRAM))
    board = Board(20 + 2 * DIAGRAM_STEP, 6 + 2 * DIAGRAM_STEP, DIAGRAM_STEP)
    draw_board(canvas, board, 3.0)
    # Rows are written A..F from the top, columns 1..6 from the left, as in "E 1->D 1".
    size = 10.0
    for i, name in enumerate("ABCDEF"):
        x, y = board.point(6 * i + 1)
        w = text_width(name, size)
        canvas.blend(text_mask(name, 10 - w / 2, y - size / 2, size, 1.6), LABEL_COLOUR)
    for i, name in enumerate("123456"):
        x, y = board.point(31 + i)
        w = text_width(name, size)
        canvas.blend(text_mask(name, x - w / 2, DIAGRAM - 15, size, 1.6), LABEL_COLOUR)
    if decorate:
        decorate(canvas, board)
    draw_pieces(canvas, board, cells)
    return png(canvas.rgb_rows())


def start_position():
    cells = {cell: WHITE for cell in range(1, 13)}
    cells.update({cell: RED for cell in range(25, 37)})
    return cells


def steps_decoration(canvas, board):
    for target in (8, 14, 20, 21, 22, 16, 9):
        draw_step_arrow(canvas, board, 15, target)
    x, y = board.point(10)
    draw_cross(canvas, (x + board.point(15)[0]) / 2, (y + board.point(15)[1]) / 2, 4)


def capture_decoration(canvas, board):
    # A 3 is outer position 1; forward it goes round the arc to C 1 and on along row C.
    draw_route(canvas, board, route_points(board, OUTER, 0, +1, 4, 2), 4.0)
    # Beside the gap between A 3 and B 3: that way has no arc, so it takes nothing.
    ax, ay = board.point(3)
    bx, by = board.point(9)
    draw_cross(canvas, ax + board.s * 0.55, (ay + by) / 2, 4)


def long_capture_decoration(canvas, board):
    # A 2 is inner position 1; backward it runs down column 2, round F 1 to E 1, along row
    # E and round F 6 to F 5.
    draw_route(canvas, board, route_points(board, INNER, 0, -1, 12, 1), 4.0)


def title_picture():
    width, height = 347, 231
    canvas = Canvas(width, height)

    def background(x, y):
        t = y / height
        dx, dy = (x - 120) / width, (y - 90) / height
        glow = max(0.0, 1.0 - 1.6 * math.sqrt(dx * dx + dy * dy))
        return (236 - 22 * t + 14 * glow, 224 - 30 * t + 14 * glow, 196 - 40 * t + 12 * glow)

    canvas.shade(background)
    board = Board(50, 46, 17)
    draw_board(canvas, board, 2.6)
    draw_route(canvas, board, route_points(board, OUTER, 0, +1, 4, 2), 3.2)
    draw_pieces(canvas, board, {3: RED, 16: WHITE, 9: WHITE, 29: RED, 34: RED, 5: WHITE})
    draw_piece(canvas, 236, 112, 33, WHITE)
    draw_piece(canvas, 290, 128, 33, RED)

    size, stroke = 46.0, 7.0
    left = (width - text_width("Circumvia", size)) / 2 - 4
    title = text_mask("Circumvia", left, 173, size, stroke, slant=0.14)
    canvas.blend(title, (150, 110, 50), 0.45, dx=2, dy=2)
    canvas.blend(title, (92, 24, 14))
    return jpeg.encode(canvas.rgb_rows(), quality=92)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.dirname(os.path.abspath(__file__)))
    out = parser.parse_args().out
    os.makedirs(out, exist_ok=True)
    files = {
        "about_title.jpg": title_picture(),
        "rules_board.png": diagram({}),
        "rules_start.png": diagram(start_position()),
        "rules_steps.png": diagram({15: RED, 10: WHITE}, steps_decoration),
        "rules_capture.png": diagram({3: RED, 9: WHITE, 16: WHITE}, capture_decoration),
        "rules_long_capture.png": diagram({2: RED, 35: WHITE}, long_capture_decoration),
    }
    for name, content in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(content)


if __name__ == "__main__":
    main()
