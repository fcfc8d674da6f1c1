#!/usr/bin/env python3
"""Writes the seed corpus of the morph file fuzzer into fuzz/corpus/morph/:
sound morph files with pictures of every kind the reader takes, and damaged
ones that it must refuse. Run again after changing it; the output is fixed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "morph")


def bmp(width, height, bits, pixel=lambda x, y: (x * 7 % 256, y * 5 % 256, (x ^ y) % 256),
        top_down=False, palette=None, compression=0, masks=None, extra=b"\0" * 16,
        colors_used=None, core=False):
    row_bytes = (width * bits + 31) // 32 * 4
    rows = []
    for r in range(height):
        y = r if top_down else height - 1 - r
        row = bytearray(row_bytes)
        for x in range(width):
            b, g, rd = pixel(x, y)
            if bits == 32:
                row[4 * x:4 * x + 4] = bytes((b, g, rd, 0x5A))
            elif bits == 24:
                row[3 * x:3 * x + 3] = bytes((b, g, rd))
            elif bits == 16:
                v = (rd >> 3) << 10 | (g >> 3) << 5 | b >> 3
                row[2 * x:2 * x + 2] = struct.pack("<H", v)
            elif bits == 8:
                row[x] = (x + y) % 256
            elif bits == 4:
                row[x // 2] |= ((x + y) % 16) << (0 if x % 2 else 4)
            elif bits == 1:
                row[x // 8] |= ((x + y) % 2) << (7 - x % 8)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    table = b""
    if bits <= 8:
        count = 1 << bits
        entry = 3 if core else 4
        table = b"".join(bytes((i * 37 % 256, i * 91 % 256, i * 13 % 256) + ((0,) if not core else ()))
                         for i in range(count))
    if masks:
        table = struct.pack("<3I", *masks)
    if core:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        used = colors_used if colors_used is not None else 0
        info = struct.pack("<IiiHHII", 40, width, -height if top_down else height, 1, bits,
                           compression, len(pixels)) + extra[:8] + struct.pack("<I", used) + extra[12:16]
    offset = 14 + len(info) + len(table)
    head = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return head + info + table + pixels


def line(*coords):
    return struct.pack("<12d", *coords)


def morph(lines, one, two):
    return struct.pack("<i", len(lines)) + b"".join(lines) + one + two


def main():
    os.makedirs(OUT, exist_ok=True)
    face1 = bmp(145, 145, 32, extra=bytes(range(16)))
    face2 = bmp(145, 145, 32, pixel=lambda x, y: (200, x, y))
    usable = line(20, 30, 110, 100, 35, 25, 120, 90, 0, 0, 0, 0)
    flat = line(10, 50, 130, 50, 10, 40, 130, 60, 0, 0, 0, 0)
    reversed_line = line(10, 10, 50, 50, 50, 50, 10, 10, 0, 0, 0, 0)
    nan = float("nan")
    absurd = line(nan, 1, 2, nan, 1e300, -1e300, 3, 4, 0, 0, 0, 0)
    tiny1 = bmp(1, 1, 24)
    tiny2 = bmp(2, 3, 32)
    seeds = {
        "empty-145.mph": morph([], face1, face2),
        "lines-145.mph": morph([usable, flat, reversed_line], face1, face2),
        "tiny-24.mph": morph([usable], tiny1, tiny2),
        "palette-8.mph": morph([usable, flat], bmp(5, 4, 8), bmp(3, 2, 4)),
        "mono-1.mph": morph([], bmp(9, 3, 1), bmp(4, 4, 16)),
        "core-header.mph": morph([usable], bmp(3, 3, 8, core=True), bmp(2, 2, 24, top_down=True)),
        "bitfields.mph": morph([usable], bmp(3, 2, 32, compression=3,
                                             masks=(0xFF0000, 0xFF00, 0xFF)), tiny1),
        "colours-used-32.mph": morph([], bmp(4, 4, 32, colors_used=3), tiny1),
        "absurd-lines.mph": morph([absurd, usable, absurd], tiny2, tiny1),
        "wide.mph": morph([usable], bmp(40, 6, 24), bmp(6, 40, 24)),
        # damaged
        "short-count.mph": b"\x01\x00",
        "negative-count.mph": struct.pack("<i", -1) + tiny1 + tiny1,
        "count-over.mph": struct.pack("<i", 1001) + usable * 3,
        "records-cut.mph": struct.pack("<i", 2) + usable + usable[:40],
        "no-bm.mph": morph([], b"XM" + tiny1[2:], tiny1),
        "planes-2.mph": morph([], tiny1[:26] + b"\x02\x00" + tiny1[28:], tiny1),
        "second-cut.mph": morph([usable], tiny2, tiny1)[:-2],
        "second-missing.mph": morph([usable], tiny2, b""),
    }
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
