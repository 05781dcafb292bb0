#!/usr/bin/python3
"""Draws the data editor's tool bar strips, flags, the empty-table picture and the program's icon
as PNG files.

Run once when a picture changes: python3 tools/images/sobrel_images.py dataeditor/resources
"""
import struct
import sys
import zlib


def png(path, width, height, pixels):
    raw = b"".join(b"\x00" + bytes(c for p in pixels[y * width:(y + 1) * width] for c in p) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


CLEAR = (0, 0, 0, 0)
INK = (40, 40, 40, 255)
PAPER = (255, 255, 255, 255)
BLUE = (40, 90, 200, 255)
RED = (200, 40, 40, 255)
GREEN = (30, 150, 60, 255)
YELLOW = (240, 200, 40, 255)
GREY = (150, 150, 150, 255)


class Canvas:
    def __init__(self, w, h, fill=CLEAR):
        self.w, self.h = w, h
        self.p = [fill] * (w * h)

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.p[y * self.w + x] = c

    def rect(self, x0, y0, x1, y1, c, fill=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                if edge:
                    self.put(x, y, c)
                elif fill:
                    self.put(x, y, fill)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.put(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def blit(self, other, ox):
        for y in range(other.h):
            for x in range(other.w):
                self.put(ox + x, y, other.p[y * other.w + x])


def icon(draw):
    c = Canvas(16, 15)
    draw(c)
    return c


def page(c):
    c.rect(3, 1, 12, 13, INK, PAPER)


def table(c, accent=None):
    c.rect(1, 2, 14, 12, INK, PAPER)
    for y in (5, 8):
        c.line(1, y, 14, y, GREY)
    c.line(6, 2, 6, 12, GREY)
    if accent:
        c.rect(1, 2, 14, 4, INK, accent)


def arrow_up(c, colour):
    c.line(8, 2, 8, 12, colour)
    c.line(8, 2, 4, 6, colour)
    c.line(8, 2, 12, 6, colour)


def arrow_down(c, colour):
    c.line(8, 2, 8, 12, colour)
    c.line(8, 12, 4, 8, colour)
    c.line(8, 12, 12, 8, colour)


MAIN = [
    lambda c: page(c),
    lambda c: (c.rect(1, 4, 14, 12, INK, YELLOW), c.rect(1, 2, 6, 4, INK, YELLOW)),
    lambda c: (c.rect(2, 1, 13, 13, INK, BLUE), c.rect(4, 1, 11, 5, INK, PAPER)),
    lambda c: (c.rect(3, 1, 12, 6, INK, PAPER), c.rect(1, 6, 14, 11, INK, GREY)),
    lambda c: (page(c), c.rect(6, 6, 11, 11, BLUE)),
    lambda c: (c.line(3, 7, 12, 7, BLUE), c.line(3, 7, 7, 3, BLUE), c.line(3, 7, 7, 11, BLUE)),
    lambda c: (c.line(3, 7, 12, 7, BLUE), c.line(12, 7, 8, 3, BLUE), c.line(12, 7, 8, 11, BLUE)),
    lambda c: (c.line(4, 1, 11, 10, INK), c.line(11, 1, 4, 10, INK), c.rect(2, 10, 5, 13, INK), c.rect(10, 10, 13, 13, INK)),
    lambda c: (c.rect(1, 1, 9, 10, INK, PAPER), c.rect(6, 4, 14, 13, INK, PAPER)),
    lambda c: (c.rect(2, 2, 13, 13, INK, YELLOW), c.rect(5, 5, 13, 13, INK, PAPER)),
    lambda c: (c.rect(2, 2, 9, 9, INK, PAPER), c.line(8, 8, 13, 13, INK), c.line(9, 8, 14, 13, INK)),
    lambda c: (c.rect(3, 3, 12, 12, INK, GREY), c.rect(6, 6, 9, 9, INK, PAPER)),
    lambda c: (c.rect(6, 1, 9, 3, BLUE, BLUE), c.rect(6, 5, 9, 13, BLUE, BLUE)),
]
EDIT = [
    lambda c: (table(c), c.line(2, 10, 13, 10, GREEN)),
    lambda c: (table(c), c.line(2, 10, 13, 10, RED)),
    lambda c: (table(c), c.line(10, 3, 10, 11, GREEN)),
    lambda c: (table(c), c.line(10, 3, 10, 11, RED)),
    lambda c: arrow_up(c, BLUE),
    lambda c: arrow_down(c, BLUE),
    lambda c: (c.rect(3, 1, 12, 13, INK, GREY), c.rect(4, 2, 11, 4, INK, GREEN)),
    lambda c: (c.line(3, 2, 12, 2, INK), c.line(3, 2, 8, 7, INK), c.line(8, 7, 3, 12, INK), c.line(3, 12, 12, 12, INK)),
    lambda c: table(c, YELLOW),
]


def strip(icons, path):
    s = Canvas(16 * len(icons), 15)
    for i, draw in enumerate(icons):
        s.blit(icon(draw), 16 * i)
    png(path, s.w, s.h, s.p)


def flag(path, stripes):
    c = Canvas(24, 16)
    for y in range(16):
        for x in range(24):
            c.put(x, y, stripes(x, y))
    png(path, c.w, c.h, c.p)


def czech(x, y):
    if x < (8 - abs(y - 7.5)) * 1.5:
        return BLUE
    return PAPER if y < 8 else RED


def english(x, y):
    if abs(x - 11.5) < 2 or abs(y - 7.5) < 2:
        return RED
    if abs(x - 11.5) < 3 or abs(y - 7.5) < 3:
        return PAPER
    return BLUE


def empty_table(path):
    c = Canvas(64, 48)
    c.rect(4, 4, 59, 43, GREY, PAPER)
    c.rect(4, 4, 59, 12, GREY, (225, 225, 225, 255))
    c.rect(4, 4, 14, 43, GREY, (225, 225, 225, 255))
    png(path, c.w, c.h, c.p)


def program_icon(path):
    """A table with its heading row and a pencil over it: the icon of the editor's windows."""
    c = Canvas(32, 32)
    c.rect(2, 4, 27, 27, INK, PAPER)
    c.rect(2, 4, 27, 10, INK, BLUE)
    for y in (16, 22):
        c.line(3, y, 26, y, GREY)
    for x in (10, 18):
        c.line(x, 11, x, 26, GREY)
    for d in range(3):
        c.line(14 + d, 29, 29, 14 + d, YELLOW)
    c.line(13, 30, 15, 28, INK)
    c.line(28, 12, 31, 15, RED)
    c.line(29, 12, 31, 14, RED)
    png(path, c.w, c.h, c.p)


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    strip(MAIN, out + "/mainbar.png")
    strip(EDIT, out + "/editbar.png")
    flag(out + "/flag-cz.png", czech)
    flag(out + "/flag-en.png", english)
    empty_table(out + "/empty-table.png")
    program_icon(out + "/program.png")
