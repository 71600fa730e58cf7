#!/usr/bin/env python3
"""Draws Pelvoro's icon: a strip of film with a clock hand on its middle frame.

Writes pelvoro.ico (one 32 x 32 image, 256 colours, for the Windows program
file) and, for the Linux desktop, the same picture as pelvoro-32.png,
pelvoro-48.png and pelvoro-256.png, as pelvoro.svg, and as program_icon.cpp,
the pixels the program's window shows as its icon.
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


def scaled(pixels, size):
    """The picture at another size, each pixel taken from the one it covers."""
    return [[pixels[y * SIZE // size][x * SIZE // size] for x in range(size)] for y in range(size)]


def png_bytes(pixels):
    size = len(pixels)
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for c in row:
            raw += bytes((0, 0, 0, 0)) if c is None else bytes((*c, 255))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def svg_text(pixels):
    """The picture as squares on a 32-unit grid, a run of one colour per rectangle."""
    rects = []
    for y, row in enumerate(pixels):
        x = 0
        while x < SIZE:
            colour = row[x]
            end = x
            while end < SIZE and row[end] == colour:
                end += 1
            if colour is not None:
                rects.append('  <rect x="%d" y="%d" width="%d" height="1" fill="#%02x%02x%02x"/>'
                             % (x, y, end - x, *colour))
            x = end
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32"'
            ' shape-rendering="crispEdges">\n  <title>Pelvoro</title>\n' + "\n".join(rects) + "\n</svg>\n")


def program_icon_source(pixels):
    """The window icon of the Linux program: RGBA rows, top first."""
    size = len(pixels)
    values = []
    for row in pixels:
        for c in row:
            values.extend((0, 0, 0, 0) if c is None else (*c, 255))
    lines = []
    for i in range(0, len(values), 16):
        lines.append("    " + ", ".join("%d" % v for v in values[i:i + 16]) + ",")
    return ("// Drawn by make_icon.py: do not edit.\n"
            "#include \"program_icon.h\"\n\n"
            "namespace {\n\n"
            "const unsigned char kPixels[%d] = {\n%s\n};\n\n"
            "}  // namespace\n\n"
            "const ProgramIcon g_programIcon = {%d, %d, kPixels};\n" % (len(values), "\n".join(lines), size, size))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    pixels = draw()
    with open(os.path.join(out, "pelvoro.ico"), "wb") as f:
        f.write(ico_bytes(pixels))
    for size in (32, 48, 256):
        with open(os.path.join(out, "pelvoro-%d.png" % size), "wb") as f:
            f.write(png_bytes(scaled(pixels, size)))
    with open(os.path.join(out, "pelvoro.svg"), "w") as f:
        f.write(svg_text(pixels))
    with open(os.path.join(out, "program_icon.cpp"), "w") as f:
        f.write(program_icon_source(scaled(pixels, 48)))


if __name__ == "__main__":
    main()
