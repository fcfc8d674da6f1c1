#!/usr/bin/env python3
"""Writes the seed corpus of the picture loader's fuzzer into
fuzz/corpus/picture/: a tiny file of every registered format, a compressed BMP
that only the toolkit reads, and damaged or oversized ones that must be
refused. Each seed starts with the byte that makes the fuzzer read it under
its extension (the format's place in the registry, src/io/core/PictureFormats.cpp).
PNG, BMP, EPS and metafiles are written here; the other formats are converted
by ImageMagick's `convert` and netpbm. Run again after changing it; the output
is fixed."""
import os
import struct
import subprocess
import zlib

# The registered extensions, in the registry's order.
FORMATS = ["bmp", "ico", "wmf", "emf", "pcx", "gif", "tga", "png", "psd", "eps", "tif", "jpg",
           "cmp", "mac", "pct", "img", "webp", "heic", "heif", "avif", "jp2", "jpeg", "jpe", "tiff"]
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "picture")


def colour(x, y):
    return (x * 60 % 256, y * 80 % 256, (x * y * 40 + 90) % 256)


def chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body
            + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def png(width, height, colour_type, rows, palette=None, transparency=None):
    """rows: the unfiltered bytes of each row, 8 bits per sample."""
    body = b"\x89PNG\r\n\x1a\n"
    body += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
    if palette:
        body += chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if transparency:
        body += chunk(b"tRNS", transparency)
    body += chunk(b"IDAT", zlib.compress(b"".join(b"\0" + r for r in rows), 9))
    return body + chunk(b"IEND", b"")


def ppm(width, height):
    pixels = b"".join(bytes(colour(x, y)) for y in range(height) for x in range(width))
    return b"P6 %d %d 255\n" % (width, height) + pixels


def convert(source, *arguments):
    return subprocess.run(["convert", "ppm:-", "-strip", *arguments], input=source,
                          stdout=subprocess.PIPE, check=True).stdout


def netpbm(program, source):
    return subprocess.run([program], input=source, stdout=subprocess.PIPE, check=True).stdout


def pbm(width, height):
    rows = b"".join(bytes([sum(((x + y) % 3 == 0) << (7 - x % 8) for x in range(i, min(i + 8, width)))
                           for i in range(0, width, 8)]) for y in range(height))
    return b"P4 %d %d\n" % (width, height) + rows


def eps(width, height):
    pixels = b"".join(bytes(colour(x, y)) for y in range(height) for x in range(width))
    return (b"%%!PS-Adobe-3.0 EPSF-3.0\n%%%%BoundingBox: 0 0 %d %d\n%d %d scale\n"
            b"%d %d 8 [%d 0 0 -%d 0 %d] <%s> false 3 colorimage\nshowpage\n"
            % (width, height, width, height, width, height, width, height, height,
               pixels.hex().encode()))


def wmf(width, height):
    """A placeable metafile: a red rectangle over the whole picture."""
    records = [(0x020C, height, width), (0x02FC, 0, 0x00FF, 0, 0), (0x012D, 0),
               (0x041B, height, width, 0, 0), (0x0000,)]
    body = b"".join(struct.pack("<IH", len(r) + 2, r[0]) + struct.pack("<%dH" % (len(r) - 1), *r[1:])
                    for r in records)
    words = 9 + len(body) // 2
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, words, 1, 8, 0)
    placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, width, height, 72, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", placeable):
        checksum ^= word
    return placeable + struct.pack("<H", checksum) + header + body


def bmp_run_length_8():
    """2 x 2, 8 bits, run-length coded: a row of colour 1, then colours 2 and 3."""
    table = b"".join(bytes((i * 50 % 256, i * 90 % 256, i * 20 % 256, 0)) for i in range(4))
    data = b"\x02\x01" + b"\x00\x00" + b"\x01\x02\x01\x03" + b"\x00\x01"
    info = struct.pack("<IiiHHIIiiII", 40, 2, 2, 1, 8, 1, len(data), 0, 0, 4, 0)
    offset = 14 + len(info) + len(table)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + info + table + data


def bmp_24(width, height):
    row_bytes = (width * 3 + 3) // 4 * 4
    pixels = b"".join(
        b"".join(bytes(reversed(colour(x, y))) for x in range(width)).ljust(row_bytes, b"\0")
        for y in reversed(range(height)))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    return b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54) + info + pixels


def main():
    os.makedirs(OUT, exist_ok=True)
    rgb = png(3, 2, 2, [b"".join(bytes(colour(x, y)) for x in range(3)) for y in range(2)])
    gif = convert(ppm(4, 3), "gif:-")
    jpeg = convert(ppm(8, 8), "-quality", "80", "jpeg:-")
    tga = convert(ppm(4, 3), "tga:-")
    psd = convert(ppm(4, 3), "psd:-")
    mac = netpbm("pbmtomacp", pbm(16, 8))
    gem = netpbm("pbmtogem", pbm(16, 8))
    seeds = {
        "rgb.png": rgb,
        "rgba.png": png(2, 2, 6, [bytes((255, 0, 0, 128, 0, 255, 0, 0)),
                                  bytes((0, 0, 255, 255, 9, 9, 9, 1))]),
        "palette.png": png(3, 1, 3, [bytes((0, 1, 2))],
                           palette=[(255, 0, 0), (0, 255, 0), (0, 0, 255)],
                           transparency=b"\x00\x80"),
        "grey.png": png(2, 2, 0, [b"\x00\xff", b"\x80\x40"]),
        "tiny.gif": gif,
        "tiny.jpg": jpeg,
        "progressive-grey.jpg": convert(ppm(8, 8), "-colorspace", "Gray", "-interlace", "Plane",
                                        "jpeg:-"),
        "rgb-24.bmp": bmp_24(3, 2),
        "run-length-8.bmp": bmp_run_length_8(),
        "tiny.ico": convert(ppm(4, 3), "ico:-"),
        "tiny.wmf": wmf(4, 3),
        "tiny.pcx": convert(ppm(4, 3), "pcx:-"),
        "tiny.tga": tga,
        "grey-alpha.tga": bytes((0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 16, 0x08,
                                 10, 1, 20, 2, 30, 3, 40, 4)),
        "grey-alpha-runs.tga": bytes((0, 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 16, 0x28,
                                      0x81, 7, 200, 0x03, 1, 2, 3, 4, 5, 6, 7, 8)),
        "tiny.psd": psd,
        "tiny.eps": eps(3, 2),
        "tiny.tif": convert(ppm(4, 3), "tiff:-"),
        "tiny.mac": mac,
        "tiny.pct": convert(ppm(4, 3), "pict:-"),
        "tiny.img": gem,
        "tiny.cmp": b"LEAD",
        "tiny.emf": b"\x01\x00\x00\x00",
        "tiny.webp": convert(ppm(4, 3), "webp:-"),
        "tiny.heic": convert(ppm(4, 4), "heic:-"),
        "tiny.avif": convert(ppm(4, 4), "avif:-"),
        "tiny.jp2": convert(ppm(4, 3), "jp2:-"),
        "tiny.jpeg": jpeg,
        "tiny.tiff": convert(ppm(4, 3), "tiff:-"),
        # damaged, oversized or unknown
        "cut.png": rgb[:-20],
        "bad-crc.png": rgb[:29] + bytes((rgb[29] ^ 1,)) + rgb[30:],  # of the header
        "wide-over-limit.png": png(30001, 1, 0, [bytes(30001)]),
        "cut.gif": gif[:len(gif) // 2],
        "cut.jpg": jpeg[:len(jpeg) // 2],
        "cut.bmp": bmp_24(3, 2)[:40],
        "cut.tga": tga[:len(tga) // 2],
        "cut.psd": psd[:len(psd) // 2],
        "cut.mac": mac[:len(mac) // 2],
        "cut.img": gem[:len(gem) // 2],
        "no-box.eps": b"%!PS-Adobe-3.0 EPSF-3.0\nshowpage\n",
        "undefined.eps": b"%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 2 2\nnosuchword\n",
        "text.tga": b"not a picture at all\n",
    }
    for name, data in seeds.items():
        selector = FORMATS.index(name.rsplit(".", 1)[1])
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(bytes((selector,)) + data)


if __name__ == "__main__":
    main()
