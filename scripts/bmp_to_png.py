"""Turns the 24-bit bitmaps hostsim saves into PNG files, with the standard
library only.

    python3 scripts/bmp_to_png.py FROM_FOLDER TO_FOLDER
"""
import os
import struct
import sys
import zlib


def read_bitmap(path):
    """(width, height, rows of RGB bytes, top row first)."""
    with open(path, "rb") as handle:
        data = handle.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) & ~3
    rows = []
    for row in range(abs(height)):
        start = offset + row * stride
        bgr = data[start:start + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    if height > 0:  # stored bottom row first
        rows.reverse()
    return width, abs(height), rows


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def write_png(path, width, height, rows):
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    pixels = zlib.compress(b"".join(b"\x00" + row for row in rows), 9)
    with open(path, "wb") as handle:
        handle.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", pixels) + chunk(b"IEND", b""))


def main():
    source, target = sys.argv[1], sys.argv[2]
    if not os.path.isdir(source):
        print("no pictures were taken")
        return 1
    for name in sorted(os.listdir(source)):
        if name.lower().endswith(".bmp"):
            width, height, rows = read_bitmap(os.path.join(source, name))
            write_png(os.path.join(target, name[:-4] + ".png"), width, height, rows)
    return 0


if __name__ == "__main__":
    sys.exit(main())
