#!/usr/bin/env python3
"""Icon files whose images are PNG streams rather than bitmaps: the same
pixels, a fraction of the bytes in the executable (Windows reads PNG icon
images since Vista, Wine too). Imported by draw_alarm_images.py; run alone,
rewrites the .ico files it is given in place, bitmap images as PNG."""
import struct
import sys
import zlib


def png_bytes(rows):
    """A PNG of rows top-down of (b, g, r, a), straight alpha."""
    size_y, size_x = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for b, g, r, a in row for v in (r, g, b, a)) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size_x, size_y, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def bitmap_rows(data):
    """The rows top-down of a 32-bit icon bitmap (its alpha kept as drawn)."""
    width, height2, bits = struct.unpack_from("<iiHH", data, 4)[0], struct.unpack_from("<i", data, 8)[0], struct.unpack_from("<H", data, 14)[0]
    if bits != 32:
        raise ValueError("only 32-bit images are rewritten")
    height = height2 // 2
    pixels = data[40 : 40 + width * height * 4]
    rows = [[tuple(pixels[(y * width + x) * 4 : (y * width + x) * 4 + 4]) for x in range(width)] for y in range(height)]
    return list(reversed(rows))


def write_icon(path, images):
    """images: (width, height, data) with data a PNG stream or a bitmap."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, data in images:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(data for _, _, data in images))


def rewrite(path):
    data = open(path, "rb").read()
    count = struct.unpack_from("<H", data, 4)[0]
    images = []
    for i in range(count):
        width, height, _, _, _, _, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        image = data[offset : offset + length]
        if not image.startswith(b"\x89PNG"):
            image = png_bytes(bitmap_rows(image))
        images.append((width or 256, height or 256, image))
    write_icon(path, images)


if __name__ == "__main__":
    for name in sys.argv[1:]:
        rewrite(name)
