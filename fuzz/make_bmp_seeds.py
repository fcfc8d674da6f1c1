#!/usr/bin/env python3
"""Writes the seed corpus of the BMP reader's fuzzer into fuzz/corpus/bmp/:
small pictures of every depth and header the reader takes, and damaged ones
that it must refuse. Run again after changing it; the output is fixed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "bmp")


def pixel_value(x, y, bits):
    """A pattern that gives neighbouring pixels different values."""
    return ((x * 2654435761) ^ (y * 40503) ^ (x + 3 * y)) & ((1 << bits) - 1)


def pack_row(values, bits):
    if bits >= 8:
        row = b"".join(v.to_bytes(bits // 8, "little") for v in values)
    else:
        row = bytearray((len(values) * bits + 7) // 8)
        for i, v in enumerate(values):
            at = i * bits
            row[at // 8] |= v << (8 - bits - at % 8)
        row = bytes(row)
    return row + b"\0" * (-len(row) % 4)


def bmp(width, height, bits, header=40, top_down=False, compression=0, masks=None,
        colors_used=0, table_entries=None, gap=b"", offset=None, image_size=None, trailing=b""):
    """A BMP file. Masks go inside headers of 52 bytes and more and after
    shorter ones; table_entries defaults to what the reader expects."""
    rows = [pack_row([pixel_value(x, y, bits) for x in range(width)], bits)
            for y in (range(height) if top_down else reversed(range(height)))]
    pixels = b"".join(rows)
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, -height if top_down else height, 1,
                           bits, compression, len(pixels) if image_size is None else image_size,
                           2835, 2835, colors_used, 0)
        info += b"\0" * (header - 40)
    after = b""
    if masks:
        packed = struct.pack("<3I", *masks)
        if header >= 52:
            info = info[:40] + packed + info[52:]
        else:
            after = packed
    if table_entries is None:
        table_entries = 0
        if bits <= 8:
            table_entries = colors_used if 0 < colors_used <= 1 << bits else 1 << bits
    entry = 3 if header == 12 else 4
    table = b"".join(bytes((i * 37 % 256, i * 91 % 256, i * 13 % 256, 0)[:entry])
                     for i in range(table_entries))
    start = 14 + len(info) + len(after) + len(table) + len(gap)
    head = b"BM" + struct.pack("<IHHI", start + len(pixels), 0, 0,
                               start if offset is None else offset)
    return head + info + after + table + gap + pixels + trailing


def patch(data, at, fmt, value):
    return data[:at] + struct.pack(fmt, value) + data[at + struct.calcsize(fmt):]


def main():
    os.makedirs(OUT, exist_ok=True)
    rgb24 = bmp(5, 3, 24)
    palette8 = bmp(6, 4, 8)
    seeds = {
        "mono-1.bmp": bmp(9, 3, 1),
        "palette-4-five-colours.bmp": bmp(5, 3, 4, colors_used=5),
        "palette-8.bmp": palette8,
        "palette-8-top-down.bmp": bmp(3, 3, 8, top_down=True, colors_used=7),
        "palette-8-count-over.bmp": bmp(2, 2, 8, colors_used=300),
        "rgb555-16.bmp": bmp(4, 2, 16),
        "rgb565-16-bitfields.bmp": bmp(3, 2, 16, compression=3, masks=(0xF800, 0x07E0, 0x001F)),
        "rgb-24.bmp": rgb24,
        "rgb-24-top-down.bmp": bmp(5, 3, 24, top_down=True),
        "rgbx-32.bmp": bmp(3, 2, 32),
        "bitfields-32.bmp": bmp(3, 2, 32, compression=3, masks=(0xFF0000, 0xFF00, 0xFF)),
        "bitfields-32-wide-masks.bmp": bmp(3, 2, 32, compression=3,
                                           masks=(0xFFC00000, 0x003FF000, 0x00000FFF)),
        "bitfields-32-header-44.bmp": bmp(2, 2, 32, header=44, compression=3,
                                          masks=(0xFF, 0xFF00, 0xFF0000)),
        "bitfields-16-header-56.bmp": bmp(3, 3, 16, header=56, compression=3,
                                          masks=(0x0F00, 0x00F0, 0x000F)),
        "bitfields-32-header-124-top-down.bmp": bmp(2, 3, 32, header=124, top_down=True,
                                                    compression=3, masks=(0xFF00, 0xFF0000, 0xFF)),
        "core-header-8.bmp": bmp(3, 3, 8, header=12),
        "core-header-24.bmp": bmp(2, 2, 24, header=12),
        "table-before-24.bmp": bmp(2, 2, 24, colors_used=2, table_entries=2),
        "gap-before-pixels.bmp": bmp(3, 2, 24, gap=b"\xAA" * 10),
        "offset-past-end.bmp": bmp(3, 2, 24, offset=0xFFFF),
        "declared-size-then-more.bmp": bmp(2, 2, 24, image_size=40,
                                           trailing=b"\x55" * 24 + rgb24),
        # damaged
        "cut-header.bmp": rgb24[:30],
        "cut-pixels.bmp": rgb24[:-1],
        "cut-palette.bmp": palette8[:54 + 500],
        "no-magic.bmp": b"XM" + rgb24[2:],
        "header-size-13.bmp": patch(rgb24, 14, "<I", 13),
        "planes-0.bmp": patch(rgb24, 26, "<H", 0),
        "bits-2.bmp": patch(rgb24, 28, "<H", 2),
        "run-length-8.bmp": bmp(2, 2, 8, compression=1),
        "bitfields-24.bmp": bmp(2, 2, 24, compression=3, masks=(0xFF0000, 0xFF00, 0xFF)),
        "zero-width.bmp": patch(rgb24, 18, "<i", 0),
        "negative-width.bmp": patch(rgb24, 18, "<i", -5),
        "side-over-limit.bmp": patch(rgb24, 18, "<i", 30001),
        "huge.bmp": patch(patch(rgb24, 18, "<i", 1 << 30), 22, "<i", 1 << 30),
        "bitfields-header-44-masks-missing.bmp":
            bmp(2, 2, 32, header=44, compression=3, masks=(0xFF, 0xFF00, 0xFF0000))[:58],
    }
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
