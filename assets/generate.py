#!/usr/bin/env python3
"""Makes the game's wood pictures and click sample from nothing but arithmetic.

Run from anywhere: `python3 assets/generate.py [--out DIR]` (default: this folder).
The output is deterministic, so the committed files can be checked against a fresh run.

- wood_dark.bmp:  96 x 96, 8-bit palette, RLE8; dark reddish-brown grain running horizontally
                  (the board slab and its border).
- wood_light.bmp: 96 x 96, 8-bit palette, RLE8; light yellow grain (the top plate, tiled 5 x 5,
                  so the picture wraps seamlessly on both axes).
- click.wav:      PCM, mono, 16-bit, 22050 Hz, 1258 samples: a sharp knock and a weaker second
                  knock 30 ms later, like a piece set down on wood.
"""

import argparse
import math
import os
import struct

SIZE = 96


class Lcg:
    """A tiny deterministic generator, so the files never depend on Python's random module."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next_unit(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0


def smooth(t):
    return t * t * (3.0 - 2.0 * t)


class PeriodicNoise:
    """Value noise on a cells_x x cells_y lattice that wraps, so the picture tiles."""

    def __init__(self, seed, cells_x, cells_y):
        rng = Lcg(seed)
        self.cells_x = cells_x
        self.cells_y = cells_y
        self.values = [[rng.next_unit() for _ in range(cells_x)] for _ in range(cells_y)]

    def at(self, x, y):
        """Noise at pixel (x, y), both in 0..SIZE; result in 0..1."""
        fx = x / SIZE * self.cells_x
        fy = y / SIZE * self.cells_y
        ix, iy = int(math.floor(fx)), int(math.floor(fy))
        tx, ty = smooth(fx - ix), smooth(fy - iy)
        x0, x1 = ix % self.cells_x, (ix + 1) % self.cells_x
        y0, y1 = iy % self.cells_y, (iy + 1) % self.cells_y
        top = self.values[y0][x0] * (1 - tx) + self.values[y0][x1] * tx
        bottom = self.values[y1][x0] * (1 - tx) + self.values[y1][x1] * tx
        return top * (1 - ty) + bottom * ty


def wood_intensity(seed, rings):
    """Grain running along X: thin dark lines across Y, drifting gently, with fine fibres."""
    bend = PeriodicNoise(seed, 2, 1)
    drift = PeriodicNoise(seed + 31, 3, 3)
    fibre = PeriodicNoise(seed + 17, 3, 96)
    streak = PeriodicNoise(seed + 5, 1, 24)
    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            phase = rings * y / SIZE + 0.55 * bend.at(x, y) + 0.25 * drift.at(x, y)
            ring = 0.5 + 0.5 * math.cos(2 * math.pi * phase)
            late_wood = ring ** 6  # narrow dark lines between wide light bands
            value = 0.75 - 0.45 * late_wood + 0.22 * (fibre.at(x, y) - 0.5) \
                + 0.25 * (streak.at(x, y) - 0.5)
            row.append(min(1.0, max(0.0, value)))
        pixels.append(row)
    return pixels


def palette(dark, light):
    """256 colours from `dark` to `light` (RGB tuples)."""
    colours = []
    for i in range(256):
        t = i / 255.0
        colours.append(tuple(int(round(d + (l - d) * t)) for d, l in zip(dark, light)))
    return colours


def rle8_row(indices):
    """One row in RLE8: runs of 3 or more as encoded runs, the rest as absolute runs."""
    out = bytearray()
    literal = []

    def flush_literal():
        while literal:
            chunk = literal[:255]
            del literal[:255]
            if len(chunk) < 3:  # absolute mode needs at least 3 pixels
                for value in chunk:
                    out.extend((1, value))
            else:
                out.extend((0, len(chunk)))
                out.extend(chunk)
                if len(chunk) % 2:
                    out.append(0)  # absolute runs end on a 16-bit boundary

    i = 0
    while i < len(indices):
        run = 1
        while i + run < len(indices) and run < 255 and indices[i + run] == indices[i]:
            run += 1
        if run >= 3:
            flush_literal()
            out.extend((run, indices[i]))
        else:
            literal.extend(indices[i:i + run])
        i += run
    flush_literal()
    return out


def bmp_rle8(pixels, colours):
    """A Windows bitmap, 8 bits per pixel, RLE8 compressed, rows stored bottom-up."""
    data = bytearray()
    rows = [[int(round(v * 255)) for v in row] for row in pixels]
    for n, row in enumerate(reversed(rows)):
        data += rle8_row(row)
        data += b"\x00\x01" if n == len(rows) - 1 else b"\x00\x00"
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    offset = 14 + 40 + len(palette_bytes)
    pixels_per_metre = 3780  # 96 dpi
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 8, 1, len(data),
                       pixels_per_metre, pixels_per_metre, 256, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette_bytes + bytes(data)


def knock(t, amplitude, rng):
    """A short knock: a noise burst and a damped wooden tone, both decaying fast."""
    if t < 0:
        return 0.0
    attack = min(1.0, t / 0.0003)
    tone = math.sin(2 * math.pi * 1650 * t) * math.exp(-t / 0.0060)
    body = math.sin(2 * math.pi * 420 * t) * math.exp(-t / 0.0110)
    burst = (2 * rng.next_unit() - 1) * math.exp(-t / 0.0015)
    return amplitude * attack * (0.45 * tone + 0.30 * body + 0.35 * burst)


def click_wav():
    rate, count = 22050, 1258
    rng = Lcg(2024)
    samples = []
    for n in range(count):
        t = n / rate
        value = knock(t, 0.9, rng) + knock(t - 0.030, 0.4, rng)
        fade = min(1.0, (count - 1 - n) / 40.0)  # end on silence, no click of its own
        samples.append(int(round(max(-1.0, min(1.0, value * fade)) * 32767)))
    data = struct.pack("<%dh" % count, *samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    chunks = (b"fmt " + struct.pack("<I", len(fmt)) + fmt
              + b"fact" + struct.pack("<II", 4, count)
              + b"data" + struct.pack("<I", len(data)) + data)
    return b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.dirname(os.path.abspath(__file__)))
    out = parser.parse_args().out
    os.makedirs(out, exist_ok=True)
    files = {
        "wood_dark.bmp": bmp_rle8(wood_intensity(7, 9),
                                  palette((40, 14, 8), (124, 56, 30))),
        "wood_light.bmp": bmp_rle8(wood_intensity(11, 7),
                                   palette((196, 160, 88), (246, 222, 160))),
        "click.wav": click_wav(),
    }
    for name, content in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(content)


if __name__ == "__main__":
    main()
