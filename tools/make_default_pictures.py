#!/usr/bin/env python3
"""Draws the toolkit's default theme pictures and writes them as PNG files.

Run from the repository root: python3 tools/make_default_pictures.py
The files land in ui/theme/pictures/ and are committed; the build embeds them. Pictures whose
size the theme documents are padded to that exact byte count with a text chunk.
"""
import struct
import zlib
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "ui" / "theme" / "pictures"


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def encode_png(pixels, exact_size=None):
    """pixels: rows of (r, g, b, a) tuples."""
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)
    head = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    body = chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    if exact_size is not None:
        room = exact_size - len(head) - len(body) - 12 - len(b"Comment\0")
        if room < 0:
            raise SystemExit(f"picture is larger than {exact_size} bytes")
        head += chunk(b"tEXt", b"Comment\0" + b"." * room)
    png = head + body
    assert exact_size is None or len(png) == exact_size
    return png


def canvas(width, height):
    return [[(0, 0, 0, 0)] * width for _ in range(height)]


def plot(image, points, color):
    for x, y in points:
        if 0 <= y < len(image) and 0 <= x < len(image[0]):
            image[y][x] = color


def box_outline(size):
    return [(x, y) for x in range(size) for y in range(size)
            if x in (0, size - 1) or y in (0, size - 1)]


def checkbox():
    """Two 14 x 14 frames stacked: unticked, ticked."""
    image = canvas(14, 28)
    white = (255, 255, 255, 255)
    tick = [(3, 7), (4, 8), (5, 9), (6, 8), (7, 7), (8, 6), (9, 5), (10, 4),
            (3, 6), (4, 7), (5, 8), (6, 7), (7, 6), (8, 5), (9, 4), (10, 3)]
    for frame in (0, 1):
        plot(image, [(x, y + 14 * frame) for x, y in box_outline(14)], (75, 75, 75, 255))
    plot(image, [(x, y + 14) for x, y in tick], white)
    return image


def message_mark():
    """A round exclamation mark, 24 x 24."""
    image = canvas(24, 24)
    for y in range(24):
        for x in range(24):
            if (x - 11.5) ** 2 + (y - 11.5) ** 2 <= 11.5 ** 2:
                image[y][x] = (230, 160, 40, 255)
    plot(image, [(x, y) for x in (11, 12) for y in range(5, 15)], (255, 255, 255, 255))
    plot(image, [(x, y) for x in (11, 12) for y in (17, 18)], (255, 255, 255, 255))
    return image


def scroll_arrows():
    """8 x 8: the up arrow in the top half, the down arrow in the bottom half."""
    image = canvas(8, 8)
    gray = (200, 200, 200, 255)
    for row, half in enumerate(range(3)):
        plot(image, [(x, 1 + row) for x in range(3 - half, 5 + half)], gray)
        plot(image, [(x, 6 - row) for x in range(3 - half, 5 + half)], gray)
    return image


def glyph(rows, color=(200, 200, 200, 255)):
    """A small picture from a text drawing: '#' is ink."""
    image = canvas(len(rows[0]), len(rows))
    plot(image, [(x, y) for y, row in enumerate(rows) for x, c in enumerate(row) if c == "#"], color)
    return image


GLYPHS = {
    "arrow_down": ["........", ".######.", "..####..", "...##...", "........"],
    "arrow_right": ["..#.....", "..##....", "..###...", "..##....", "..#....."],
    "folder": ["###.....", "########", "#......#", "#......#", "########"],
    "package": ["########", "#..##..#", "########", "#......#", "########"],
    "star": ["...#....", "..###...", "#######.", ".#####..", ".##.##.."],
    "dot": [".##.", "####", "####", ".##."],
    "lock": [".##.", "#..#", "####", "####", "####"],
    "diamond": ["..#..", ".###.", "#####", ".###.", "..#.."],
    "plus": ["..#..", "..#..", "#####", "..#..", "..#.."],
    "bar": ["##", "##", "##", "##", "##", "##"],
}


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    pictures = {
        "checkbox.png": encode_png(checkbox(), 673),
        "message_popup.png": encode_png(message_mark(), 440),
        "scroll_arrows.png": encode_png(scroll_arrows(), 255),
    }
    for name, rows in GLYPHS.items():
        pictures[f"{name}.png"] = encode_png(glyph(rows))
    for name, png in pictures.items():
        (OUT / name).write_bytes(png)
        print(f"{name}: {len(png)} bytes")


if __name__ == "__main__":
    main()
