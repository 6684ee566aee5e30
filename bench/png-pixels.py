#!/usr/bin/env python3
"""Prints, for each PNG file given, the SHA-256 of its pixels as 8-bit RGB
rows, so that two files that encode the same picture differently compare
equal. Reads the non-interlaced palette and RGB(A) files isobra-render and
Qt write; standard library only."""
import hashlib
import struct
import sys
import zlib


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def pixels(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    pos, idat, palette = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert interlace == 0 and depth in (1, 2, 4, 8), path
        elif kind == b"PLTE":
            palette = [body[i:i + 3] for i in range(0, len(body), 3)]
        elif kind == b"IDAT":
            idat += body
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    bpp = max(1, channels * depth // 8)
    stride = (width * channels * depth + 7) // 8
    raw = zlib.decompress(idat)
    out, prev = bytearray(), bytearray(stride)
    for y in range(height):
        f = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = row[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            row[i] = (row[i] + (0, a, b, (a + b) // 2, paeth(a, b, c))[f]) & 255
        prev = row
        for x in range(width):
            if colour == 3:
                bit = x * depth
                index = (row[bit // 8] >> (8 - depth - bit % 8)) & ((1 << depth) - 1)
                out += palette[index]
            elif colour in (2, 6):
                out += row[x * channels:x * channels + 3]
            else:
                out += bytes([row[x * channels]]) * 3
    return "%dx%d %s" % (width, height, hashlib.sha256(bytes(out)).hexdigest())


for name in sys.argv[1:]:
    print(pixels(name), name)
