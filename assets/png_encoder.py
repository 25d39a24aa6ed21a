"""Writes PNG files with the standard library only, for the asset generators.

Each scanline is handed in already prefixed by its filter byte (0: none).
"""
import struct
import zlib

RGB = 2   # PNG colour type: 8-bit red, green, blue
RGBA = 6  # 8-bit red, green, blue and straight (not premultiplied) alpha


def encode_png(width, height, scanlines, colour_type):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(b"".join(scanlines), 9)) + chunk(b"IEND", b""))
