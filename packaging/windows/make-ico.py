#!/usr/bin/env python3
"""Writes a Windows icon file holding the given PNG images, each as it is (Windows Vista and
later read PNG entries; 256-pixel images must be PNG). Usage: make-ico.py OUT.ico IN.png..."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG image")
    return struct.unpack(">II", data[16:24])


def main(out, inputs):
    images = [open(path, "rb").read() for path in inputs]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory = b""
    for data in images:
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise SystemExit("an icon image is at most 256 pixels wide")
        # 0 stands for 256; planes 1, 32 bits per pixel.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + directory + b"".join(images))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2:])
