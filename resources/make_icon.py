#!/usr/bin/env python3
"""Draws Pelvoro's icon: a strip of film with a clock hand on its middle frame.

Writes pelvoro.ico (one 32 x 32 image, 256 colours, for the Windows program
file) and pelvoro.png (the same picture for the Linux desktop).
Usage: make_icon.py [OUTPUT-DIRECTORY]
"""
import math
import os
import struct
import sys
import zlib

SIZE = 32
TRANSPARENT = None

FILM = (38, 42, 52)
HOLE = (235, 235, 228)
FRAME = (92, 156, 214)
FRAME_EDGE = (60, 110, 170)
FACE = (250, 250, 245)
HAND = (214, 72, 48)
TICK = (70, 70, 80)


def draw():
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, SIZE)):
            for x in range(max(x0, 0), min(x1, SIZE)):
                pixels[y][x] = colour

    # The film strip, with sprocket holes along both edges.
    fill(1, 3, 31, 29, FILM)
    for x in range(3, 30, 5):
        fill(x, 5, x + 3, 8, HOLE)
        fill(x, 24, x + 3, 27, HOLE)
    # The frame in the middle, and a clock face on it.
    fill(4, 10, 28, 22, FRAME_EDGE)
    fill(5, 11, 27, 21, FRAME)
    cx, cy, r = 16.0, 16.0, 5.2
    for y in range(SIZE):
        for x in range(SIZE):
            if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r:
                pixels[y][x] = FACE
    for angle in range(0, 360, 90):
        a = math.radians(angle)
        pixels[int(cy - 4 * math.cos(a))][int(cx + 4 * math.sin(a))] = TICK
    for step in range(9):  # the hand, pointing to two o'clock
        t = step / 2.0
        a = math.radians(60)
        pixels[int(cy - t * math.cos(a))][int(cx + t * math.sin(a))] = HAND
    pixels[16][16] = HAND
    return pixels


def palette_of(pixels):
    colours = sorted({c for row in pixels for c in row if c is not None})
    colours.insert(0, (0, 0, 0))  # index 0 under transparent pixels
    assert len(colours) <= 256
    return colours + [(0, 0, 0)] * (256 - len(colours))


def ico_bytes(pixels):
    palette = palette_of(pixels)
    index = {c: i for i, c in enumerate(palette) if i == 0 or c != (0, 0, 0)}
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # bitmaps run bottom-up
        xor += bytes(0 if c is None else index[c] for c in row)
        bits = 0
        for x, c in enumerate(row):
            if c is None:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    image = header + colours + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def png_bytes(pixels):
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for c in row:
            raw += bytes((0, 0, 0, 0)) if c is None else bytes((*c, 255))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    ihdr = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    pixels = draw()
    with open(os.path.join(out, "pelvoro.ico"), "wb") as f:
        f.write(ico_bytes(pixels))
    with open(os.path.join(out, "pelvoro.png"), "wb") as f:
        f.write(png_bytes(pixels))


if __name__ == "__main__":
    main()
