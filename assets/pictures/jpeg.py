"""A small baseline JPEG encoder: JFIF, YCbCr without subsampling, the example quantisation
and Huffman tables of the JPEG standard scaled to a quality.

All arithmetic is on integers (the cosine table is rounded once to 13 bits), so the same
pixels always give the same bytes.
"""

import math
import struct

ZIGZAG = [
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
]

LUMA_QUANT = [
    16, 11, 10, 16, 24, 40, 51, 61,
    12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56,
    14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77,
    24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99,
]

CHROMA_QUANT = [
    17, 18, 24, 47, 99, 99, 99, 99,
    18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99,
    47, 66, 99, 99, 99, 99, 99, 99,
] + [99] * 32

# (code-length counts 1..16, symbols) of the four example tables.
DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f0"
    "2433627282090a161718191a25262728292a3435363738393a434445464748494a"
    "535455565758595a636465666768696a737475767778797a838485868788898a"
    "92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6"
    "c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9fa"))
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    "000102031104052131061241510761711322328108144291a1b1c109233352f0"
    "156272d10a162434e125f11718191a262728292a35363738393a434445464748"
    "494a535455565758595a636465666768696a737475767778797a828384858687"
    "88898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3"
    "c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9fa"))

COSINE_BITS = 13
COSINE = [[int(round((1 << COSINE_BITS) * (math.sqrt(0.125) if u == 0 else 0.5)
                     * math.cos((2 * x + 1) * u * math.pi / 16)))
           for x in range(8)] for u in range(8)]


def scaled_table(table, quality):
    scale = 5000 // quality if quality < 50 else 200 - 2 * quality
    return [min(255, max(1, (q * scale + 50) // 100)) for q in table]


def huffman_codes(spec):
    counts, symbols = spec
    assert sum(counts) == len(symbols)
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def divide_rounded(a, b):
    return (a + b // 2) // b if a >= 0 else -((-a + b // 2) // b)


def forward_dct(block):
    """The 8 x 8 DCT of level-shifted samples, scaled by 2^(2 * COSINE_BITS)."""
    rows = [[sum(COSINE[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(COSINE[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def write(self, value, length):
        self.acc = (self.acc << length) | (value & ((1 << length) - 1))
        self.count += length
        while self.count >= 8:
            self.count -= 8
            byte = (self.acc >> self.count) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)  # a data 0xFF is followed by 0 so it reads as no marker
        self.acc &= (1 << self.count) - 1

    def flush(self):
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)


def magnitude(value):
    size = abs(value).bit_length()
    return size, value if value >= 0 else value + (1 << size) - 1


def encode_block(writer, coefficients, previous_dc, dc_codes, ac_codes):
    dc = coefficients[0]
    size, bits = magnitude(dc - previous_dc)
    writer.write(*dc_codes[size])
    if size:
        writer.write(bits, size)
    run = 0
    for k in range(1, 64):
        value = coefficients[k]
        if value == 0:
            run += 1
            continue
        while run > 15:
            writer.write(*ac_codes[0xF0])
            run -= 16
        size, bits = magnitude(value)
        writer.write(*ac_codes[(run << 4) | size])
        writer.write(bits, size)
        run = 0
    if run:
        writer.write(*ac_codes[0x00])
    return dc


def ycbcr(r, g, b):
    y = (19595 * r + 38470 * g + 7471 * b + 32768) >> 16
    cb = ((-11059 * r - 21709 * g + 32768 * b + 32768) >> 16) + 128
    cr = ((32768 * r - 27439 * g - 5329 * b + 32768) >> 16) + 128
    return y, cb, cr


def encode(rows, quality=90):
    """A baseline JFIF file of the given rows of (r, g, b)."""
    height, width = len(rows), len(rows[0])
    tables = [scaled_table(LUMA_QUANT, quality), scaled_table(CHROMA_QUANT, quality)]
    planes = [[], [], []]
    for y in range(height):
        for x in range(width):
            for plane, value in zip(planes, ycbcr(*rows[y][x])):
                plane.append(value)

    out = bytearray(b"\xff\xd8")

    def segment(marker, body):
        out.extend(struct.pack(">BBH", 0xFF, marker, len(body) + 2))
        out.extend(body)

    segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    for index, table in enumerate(tables):
        segment(0xDB, bytes([index]) + bytes(table[ZIGZAG[k]] for k in range(64)))
    segment(0xC0, struct.pack(">BHHB", 8, height, width, 3)
            + bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    for tclass, index, spec in ((0, 0, DC_LUMA), (1, 0, AC_LUMA), (0, 1, DC_CHROMA), (1, 1, AC_CHROMA)):
        segment(0xC4, bytes([(tclass << 4) | index]) + bytes(spec[0]) + bytes(spec[1]))
    segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))

    codes = [(huffman_codes(DC_LUMA), huffman_codes(AC_LUMA)),
             (huffman_codes(DC_CHROMA), huffman_codes(AC_CHROMA))]
    writer = BitWriter()
    previous = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                # Blocks past the picture's edge repeat its last row and column.
                block = [planes[c][min(by + j, height - 1) * width + min(bx + i, width - 1)] - 128
                         for j in range(8) for i in range(8)]
                table = tables[0 if c == 0 else 1]
                scaled = forward_dct(block)
                natural = [divide_rounded(scaled[k], table[k] << (2 * COSINE_BITS)) for k in range(64)]
                coefficients = [natural[ZIGZAG[k]] for k in range(64)]
                dc_codes, ac_codes = codes[0 if c == 0 else 1]
                previous[c] = encode_block(writer, coefficients, previous[c], dc_codes, ac_codes)
    writer.flush()
    out.extend(writer.out)
    out.extend(b"\xff\xd9")
    return bytes(out)
