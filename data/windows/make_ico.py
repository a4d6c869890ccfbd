#!/usr/bin/python3
"""Writes a multi-size Windows icon from the program's PNG icons: an ICO file
may hold PNG images as they are, one directory entry each.

usage: make_ico.py OUT.ico IN-16.png IN-24.png ...
"""
import struct
import sys


def png_size(data):
    # The IHDR chunk follows the 8-byte signature: width and height, big-endian.
    return struct.unpack(">II", data[16:24])


def main(out, *pngs):
    images = [open(path, "rb").read() for path in pngs]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for data in images:
        width, height = png_size(data)
        # 256 is written as 0; planes 1, 32 bits a pixel.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                               offset + len(blobs))
        blobs += data
    with open(out, "wb") as ico:
        ico.write(header + entries + blobs)


if __name__ == "__main__":
    main(*sys.argv[1:])
