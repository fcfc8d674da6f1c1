#!/usr/bin/env python3
"""Writes the seed corpus of the GEM IMG reader's fuzzer into fuzz/corpus/img/:
small monochrome, colour and XIMG pictures using every kind of record, and
damaged ones (refused headers, runs past a scan line, data that ends early).
Run again after changing it; the output is fixed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "img")


def colour(x, y, planes):
    """A pattern with long stretches and busy parts."""
    if y % 4 == 1:
        return colour(x, y - 1, planes)  # a repeated line
    value = (x // 9 + y) if x < 20 else (x * 7 + y * 3)
    return value & ((1 << planes) - 1)


def pack_row(row, pattern):
    """One plane's row: solid runs of 00 and FF, pattern runs, bit strings."""
    out = bytearray()
    i = 0
    literal = bytearray()

    def flush():
        if literal:
            out.extend(b"\x80" + bytes((len(literal),)) + literal)
            literal.clear()

    while i < len(row):
        run = 1
        while i + run < len(row) and run < 127 and row[i + run] == row[i]:
            run += 1
        if row[i] in (0, 0xFF) and run >= 2:
            flush()
            out.append((0x80 if row[i] else 0) | run)
            i += run
        elif pattern == 1 and run >= 3:
            flush()
            out.extend(bytes((0, run, row[i])))
            i += run
        else:
            literal.append(row[i])
            i += 1
            if len(literal) == 255:
                flush()
    flush()
    return bytes(out)


def img(width, height, planes, pattern=1, version=1, extra=b"", lines=None):
    """A GEM IMG file; extra header words follow the eight standard ones."""
    row_bytes = (width + 7) // 8
    if lines is None:
        lines = []
        for y in range(height):
            line = []
            for p in range(planes):
                row = bytearray(row_bytes)
                for x in range(width):
                    if colour(x, y, planes) >> p & 1:
                        row[x // 8] |= 0x80 >> (x % 8)
                line.append(bytes(row))
            lines.append(line)
    data = bytearray()
    y = 0
    while y < len(lines):
        same = 1
        while y + same < len(lines) and same < 255 and lines[y + same] == lines[y]:
            same += 1
        if same > 1:
            data += bytes((0, 0, 0xFF, same))
        for row in lines[y]:
            data += pack_row(row, pattern)
        y += same
    header_words = 8 + len(extra) // 2
    head = struct.pack(">8H", version, header_words, planes, pattern, 85, 85, width, height)
    return head + extra + bytes(data)


def ximg(planes, model=0, cut=0):
    entries = []
    for i in range(1 << planes):
        entries += [(i * 337) % 1001, (i * 577) % 1001, (i * 131) % 1001]
    words = entries[:len(entries) - cut]
    return b"XIMG" + struct.pack(">H", model) + struct.pack(">%dH" % len(words), *words)


def patch(data, at, fmt, value):
    return data[:at] + struct.pack(fmt, value) + data[at + struct.calcsize(fmt):]


def main():
    os.makedirs(OUT, exist_ok=True)
    mono = img(45, 9, 1)
    colour4 = img(33, 6, 4)
    header = struct.pack(">8H", 1, 8, 1, 1, 85, 85, 16, 2)
    seeds = {
        "mono.img": mono,
        "mono-pattern-2.img": img(40, 5, 1, pattern=2),
        "mono-one-byte.img": img(3, 2, 1),
        "planes-2.img": img(20, 4, 2),
        "planes-3.img": img(17, 3, 3),
        "planes-4.img": colour4,
        "planes-8.img": img(12, 5, 8),
        "ximg-1.img": img(10, 3, 1, version=2, extra=ximg(1)),
        "ximg-4.img": img(24, 5, 4, extra=ximg(4)),
        "ximg-8.img": img(9, 2, 8, extra=ximg(8)),
        "long-header.img": img(16, 2, 1, extra=b"\0\1" * 5),
        "runs-across-planes.img": struct.pack(">8H", 1, 8, 2, 1, 85, 85, 16, 1) + b"\x84",
        "replicated-past-end.img": header + b"\0\0\xff\x09\x82",
        "replication-0.img": header + b"\0\0\xff\0\x82\x02",
        # damaged or refused
        "cut-header.img": mono[:12],
        "cut-data.img": mono[:-3],
        "cut-replication.img": header + b"\x82\0\0\xff",
        "cut-palette.img": img(4, 1, 2, extra=ximg(2, cut=1)),
        "model-2.img": img(4, 1, 2, extra=ximg(2, model=2)),
        "version-3.img": patch(mono, 0, ">H", 3),
        "header-7.img": patch(mono, 2, ">H", 7),
        "header-past-end.img": patch(mono, 2, ">H", 0x4000),
        "planes-0.img": patch(mono, 4, ">H", 0),
        "planes-24.img": patch(colour4, 4, ">H", 24),
        "pattern-0.img": patch(img(40, 5, 1), 6, ">H", 0),
        "run-past-line.img": header + b"\x83\x82",
        "literal-past-line.img": header + b"\x80\x03\1\2\3\x82",
        "replication-mid-line.img": header + b"\x81\0\0\xff\x02\x81\x82",
        "unknown-record.img": header + b"\0\0\xfe\x02\x82\x82",
        "zero-width.img": patch(mono, 12, ">H", 0),
        "side-over-limit.img": patch(mono, 12, ">H", 30001),
        "huge.img": patch(patch(mono, 12, ">H", 0xFFFF), 14, ">H", 0xFFFF),
        # a few bytes that claim a large picture: refused from the data alone
        "bomb-header-only.img": struct.pack(">8H", 1, 8, 1, 1, 85, 85, 8000, 8000),
        "bomb-1024.img": struct.pack(">8H", 1, 8, 1, 1, 85, 85, 1024, 1024) + b"\0\0\xff\xff\x7f",
    }
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
