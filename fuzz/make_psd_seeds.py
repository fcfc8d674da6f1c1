#!/usr/bin/env python3
"""Writes the seed corpus of the Photoshop reader's fuzzer into
fuzz/corpus/psd/: small raw and run-length RGB and multichannel files, with
and without resources and a layer section, and damaged ones (refused headers,
files that end early, sizes over the limit). Run again after changing it; the
output is fixed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "psd")


def plane(width, height, channel):
    """A pattern that gives neighbouring pixels different values."""
    return bytes((x * 37 + y * 91 + channel * 53) & 0xFF
                 for y in range(height) for x in range(width))


def packbits(row):
    """PackBits: runs of three and more equal bytes, literals between them."""
    out = bytearray()
    i = 0
    while i < len(row):
        run = 1
        while i + run < len(row) and run < 128 and row[i + run] == row[i]:
            run += 1
        if run >= 3:
            out += bytes((257 - run, row[i]))
            i += run
            continue
        start = i
        while i < len(row) and i - start < 128:
            if i + 2 < len(row) and row[i] == row[i + 1] == row[i + 2]:
                break
            i += 1
        out += bytes((i - start - 1,)) + row[start:i]
    return bytes(out)


def psd(width, height, channels=3, mode=3, depth=8, version=1, compression=0,
        colour_data=b"", resources=b"", layers=b"", planes=None, data=None):
    """A PSD file; data, when given, replaces the coded pixel data."""
    if planes is None:
        planes = [plane(width, height, c) for c in range(channels)]
    head = b"8BPS" + struct.pack(">H6xHIIHH", version, channels, height, width, depth, mode)
    sections = b"".join(struct.pack(">I", len(s)) + s for s in (colour_data, resources, layers))
    if data is not None:
        pass
    elif compression == 0:
        data = b"".join(planes)
    else:
        rows = [packbits(p[y * width:(y + 1) * width]) for p in planes for y in range(height)]
        data = b"".join(struct.pack(">H", len(r)) for r in rows) + b"".join(rows)
    return head + sections + struct.pack(">H", compression) + data


def resource(ident, payload):
    return b"8BIM" + struct.pack(">HH", ident, 0) + struct.pack(">I", len(payload)) + payload


def patch(data, at, fmt, value):
    return data[:at] + struct.pack(fmt, value) + data[at + struct.calcsize(fmt):]


def main():
    os.makedirs(OUT, exist_ok=True)
    raw = psd(5, 3)
    rle = psd(6, 4, compression=1)
    flat = [bytes([0x40] * 12), bytes([0x80] * 12), bytes([0xC0] * 12)]
    seeds = {
        "rgb-raw.psd": raw,
        "rgb-rle.psd": rle,
        "rgb-rle-flat.psd": psd(4, 3, compression=1, planes=flat),
        "rgba-raw.psd": psd(3, 2, channels=4),
        "rgba-rle.psd": psd(4, 2, channels=4, compression=1),
        "multichannel-5.psd": psd(2, 2, channels=5, mode=7),
        "multichannel-1-rle.psd": psd(7, 2, channels=1, mode=7, compression=1),
        "resources.psd": psd(3, 2, resources=resource(0x03ED, b"\0" * 16) +
                             resource(0x0406, b"\1" * 9 + b"\0")),
        "layers.psd": psd(2, 2, compression=1, colour_data=b"\0" * 6,
                          layers=b"\0\0\0\x08" + b"\0" * 8),
        "literal-past-width.psd": psd(2, 2, channels=1, compression=1,
                                      data=b"\0\x07\0\x03\x05\1\2\3\4\5\6\xff\x09"),
        "no-op-runs.psd": psd(3, 1, channels=1, compression=1,
                              data=b"\0\x06\x80\x80\xfe\x09\x80"),
        # damaged or refused
        "cut-header.psd": raw[:20],
        "cut-sections.psd": raw[:34],
        "cut-pixels.psd": raw[:-8],
        "cut-runs.psd": rle[:-5],
        "section-past-end.psd": patch(raw, 30, ">I", 0xFFFFFFF0),
        "grey-mode.psd": patch(raw, 24, ">H", 1),
        "depth-16.psd": patch(raw, 22, ">H", 16),
        "version-2.psd": patch(raw, 4, ">H", 2),
        "no-signature.psd": b"8BPX" + raw[4:],
        "zero-width.psd": patch(raw, 18, ">I", 0),
        "side-over-limit.psd": patch(raw, 18, ">I", 30001),
        "huge.psd": patch(patch(raw, 18, ">I", 0x7FFFFFFF), 14, ">I", 0x7FFFFFFF),
        "no-channels.psd": patch(raw, 12, ">H", 0),
        # a few bytes that claim a large picture: refused before it is allocated
        "bomb-8000.psd": psd(8000, 8000, compression=1, planes=[], data=b""),
        "bomb-1024.psd": psd(1024, 1024, compression=1, planes=[], data=b"\0\x04" * 10),
    }
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
