#!/usr/bin/python3
"""Draws the installer's pictures: banner, page background, logo, check box and result mark.

Run with Debian's python3 and python3-pil (fonts from fonts-dejavu-core):
    /usr/bin/python3 tools/make_installer_pictures.py
The files land in installer/resources/pictures/ and are committed; the build embeds them and
never runs this script. Every run writes the same bytes. Each file is padded to the byte count
the installer's look gives for it (a PNG text chunk, a JPEG comment segment), except the check
box: no drawing of it worth showing packs into 133 bytes, so it keeps its own size.
"""
import io
import math
import struct
import sys
import zlib
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

sys.path.insert(0, str(Path(__file__).resolve().parent))
from make_default_pictures import chunk  # noqa: E402  (the toolkit pictures' PNG chunk writer)

OUT = Path(__file__).resolve().parent.parent / "installer" / "resources" / "pictures"
FONTS = Path("/usr/share/fonts/truetype/dejavu")

ACCENT = (6, 141, 221)
WHITE = (255, 255, 255)
FAILED = (196, 78, 68)
SUPERSAMPLE = 4


# --- Files ------------------------------------------------------------------------------------

def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def row_filters(row, previous):
    """The five PNG filterings of one row of 4-byte pixels, by filter type."""
    left = bytes(4) + row[:-4]
    upper_left = bytes(4) + previous[:-4]
    return [
        row,
        bytes((x - a) & 255 for x, a in zip(row, left)),
        bytes((x - b) & 255 for x, b in zip(row, previous)),
        bytes((x - (a + b) // 2) & 255 for x, a, b in zip(row, left, previous)),
        bytes((x - paeth(a, b, c)) & 255 for x, a, b, c in zip(row, left, previous, upper_left)),
    ]


def smallest_image_data(picture):
    """Deflated scan lines under whichever filtering packs smallest: one filter type for every
    row, or per row the type with the smallest sum of byte magnitudes."""
    width, height = picture.size
    raw, stride = picture.tobytes(), width * 4
    rows = [raw[y * stride:(y + 1) * stride] for y in range(height)]
    filtered = [row_filters(row, rows[y - 1] if y else bytes(stride)) for y, row in enumerate(rows)]

    def magnitude(data):
        return sum(v if v < 128 else 256 - v for v in data)

    choices = [[kind] * height for kind in range(5)]
    choices.append([min(range(5), key=lambda k: magnitude(options[k])) for options in filtered])
    packed = [zlib.compress(b"".join(bytes([k]) + filtered[y][k] for y, k in enumerate(kinds)), 9)
              for kinds in choices]
    return min(packed, key=len)


def png_file(picture, exact_size=None):
    """8-bit RGBA PNG, padded with a text chunk to exactly exact_size bytes when one is given."""
    width, height = picture.size
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    head = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
    body = chunk(b"IDAT", smallest_image_data(picture)) + chunk(b"IEND", b"")
    if exact_size is None:
        return head + body
    room = exact_size - len(head) - len(body) - 12 - len(b"Comment\0")
    if room < 0:
        raise SystemExit(f"{width} x {height} picture needs {len(head) + len(body) + 20} bytes, "
                         f"more than {exact_size}")
    return head + chunk(b"tEXt", b"Comment\0" + b"." * room) + body


def jpeg_file(picture, exact_size):
    """Baseline JPEG at the best quality that fits, padded with comments to exact_size bytes."""
    for quality in range(95, 40, -1):
        buffer = io.BytesIO()
        picture.convert("RGB").save(buffer, "JPEG", quality=quality, subsampling=0)
        data = buffer.getvalue()
        if exact_size - len(data) >= 4:  # the smallest comment segment
            break
    else:
        raise SystemExit(f"picture does not fit in {exact_size} bytes")
    room, comments = exact_size - len(data), b""
    while room:
        take = min(room, 65537)  # a segment: marker, length, at most 65,533 bytes of text
        if 0 < room - take < 4:
            take -= 4
        comments += b"\xff\xfe" + struct.pack(">H", take - 2) + b"." * (take - 4)
        room -= take
    return data[:2] + comments + data[2:]


# --- Drawing ----------------------------------------------------------------------------------

def font(name, size):
    return ImageFont.truetype(str(FONTS / name), size)


def clear(size):
    return Image.new("RGBA", size, (0, 0, 0, 0))


def coverage(size, shape):
    """How much of each pixel a shape covers: shape(draw, s) draws in white at s times the size,
    and the area average brings it down."""
    width, height = size
    big = Image.new("L", (width * SUPERSAMPLE, height * SUPERSAMPLE), 0)
    shape(ImageDraw.Draw(big), SUPERSAMPLE)
    return big.resize(size, Image.BOX)


def ink(picture, mask, color):
    """Lays one colour over the picture where the mask covers it."""
    paint = Image.new("RGBA", picture.size, color + (255,))
    paint.putalpha(mask)
    picture.alpha_composite(paint)


def vertical_gradient(size, top, bottom):
    width, height = size
    picture = Image.new("RGBA", size)
    draw = ImageDraw.Draw(picture)
    for y in range(height):
        t = y / max(height - 1, 1)
        color = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        draw.line([(0, y), (width, y)], fill=color)
    return picture


def horizontal_fade(size, start, end_level):
    """A mask that is full up to `start` of the width, then falls to `end_level` at the edge."""
    width, _ = size
    row = [255 if x < start * width else
           round(255 * (1 - (1 - end_level) * (x - start * width) / ((1 - start) * width)))
           for x in range(width)]
    return Image.frombytes("L", (width, 1), bytes(row)).resize(size)


def spaced_text(draw, origin, text, face, fill, spacing):
    """Text with extra room between the letters, as a wordmark is set."""
    x, y = origin
    for letter in text:
        draw.text((x, y), letter, font=face, fill=fill)
        x += face.getlength(letter) + spacing


def wave(width, base, amplitude, phase):
    """Points of one gently bending line across the width, its swing growing to the right."""
    points = []
    for step in range(0, width + 1, 8):
        t = step / width
        swing = math.sin(t * math.pi * 1.6 + phase) * (0.35 + 0.65 * t)
        points.append((step, base + amplitude * swing))
    return points


def tick(draw, box, width):
    """A tick mark inside the box (left, top, right, bottom)."""
    left, top, right, bottom = box
    w, h = right - left, bottom - top
    draw.line([(left, top + h * 0.55), (left + w * 0.38, bottom), (right, top)],
              fill=255, width=round(width), joint="curve")


# --- The pictures -----------------------------------------------------------------------------

def banner():
    """900 x 1000, shown at half size left of the pages: the name over calm lines of blue light."""
    width, height = 1800, 2000  # drawn at twice the size, then averaged down
    picture = vertical_gradient((width, height), (28, 28, 29), (14, 14, 15))

    glow = clear((width, height))
    ImageDraw.Draw(glow).ellipse([-500, 1050, 1500, 2350], fill=ACCENT + (55,))
    picture.alpha_composite(glow.filter(ImageFilter.GaussianBlur(260)))

    lines = clear((width, height))
    draw = ImageDraw.Draw(lines)
    for n in range(34):
        alpha = round(22 + 150 * math.sin(math.pi * (n + 0.5) / 34) ** 3)
        tint = tuple(round(c + (255 - c) * 0.25 * (n % 5 == 0)) for c in ACCENT)
        draw.line(wave(width, 1480 + n * 9, 180 + n * 7, 0.4 + n * 0.045),
                  fill=tint + (alpha,), width=3, joint="curve")
    faded = Image.composite(lines.getchannel("A"), Image.new("L", lines.size, 0),
                            horizontal_fade(lines.size, 0.55, 0.25))
    lines.putalpha(faded)
    picture.alpha_composite(lines.filter(ImageFilter.GaussianBlur(14)))
    picture.alpha_composite(lines)

    draw = ImageDraw.Draw(picture)
    spaced_text(draw, (150, 560), "Velkor", font("DejaVuSans-Bold.ttf", 230), WHITE, 6)
    draw.rectangle([160, 900, 280, 910], fill=ACCENT)
    spaced_text(draw, (160, 960), "PLUG-IN FOR ADOBE AFTER EFFECTS", font("DejaVuSans.ttf", 46),
                (150, 150, 150), 7)
    spaced_text(draw, (160, 1860), "QUINTREL", font("DejaVuSans-Bold.ttf", 40), (96, 96, 96), 18)
    return picture.convert("RGB").resize((900, 1000), Image.LANCZOS)


def background():
    """576 x 494 behind the pages: a calm dark gradient, lit faintly low left where the banner's
    light meets it."""
    size = (576, 494)
    picture = vertical_gradient(size, (28, 28, 28), (20, 20, 20))
    glow = clear(size)
    ImageDraw.Draw(glow).ellipse([-260, 380, 200, 700], fill=ACCENT + (34,))
    picture.alpha_composite(glow.filter(ImageFilter.GaussianBlur(90)))
    return picture


def logo():
    """236 x 72, drawn at half size in the header band: the mark, a V on blue, and the name."""
    size = (236, 72)
    picture = clear(size)
    ink(picture, coverage(size, lambda d, s: d.rounded_rectangle(
        [2 * s, 8 * s, 58 * s, 64 * s], radius=12 * s, fill=255)), ACCENT)
    ink(picture, coverage(size, lambda d, s: d.polygon(
        [(15 * s, 22 * s), (24 * s, 22 * s), (30 * s, 40 * s), (36 * s, 22 * s), (45 * s, 22 * s),
         (34.5 * s, 51 * s), (25.5 * s, 51 * s)], fill=255)), WHITE)

    def name(d, s):
        face = font("DejaVuSans-Bold.ttf", 42 * s)
        top = (72 * s - sum(face.getbbox("Velkor")[1::2])) / 2
        spaced_text(d, (72 * s, top), "Velkor", face, 255, s)

    ink(picture, coverage(size, name), WHITE)
    return picture


def checkbox():
    """14 x 28, two 14 x 14 frames: an empty dark box on top, a blue box with a tick below."""
    picture = clear((14, 28))
    ink(picture, coverage((14, 28), lambda d, s: d.rounded_rectangle(
        [0, 0, 14 * s - 1, 14 * s - 1], radius=3 * s, fill=255)), (110, 110, 110))
    ink(picture, coverage((14, 28), lambda d, s: d.rounded_rectangle(
        [s, s, 13 * s - 1, 13 * s - 1], radius=2 * s, fill=255)), (30, 30, 30))
    ink(picture, coverage((14, 28), lambda d, s: d.rounded_rectangle(
        [0, 14 * s, 14 * s - 1, 28 * s - 1], radius=3 * s, fill=255)), ACCENT)
    ink(picture, coverage((14, 28), lambda d, s: tick(
        d, (3.4 * s, 18.2 * s, 10.8 * s, 23.6 * s), 1.8 * s)), WHITE)
    return picture


def installed_check():
    """38 x 72 at twice the size, two 38 x 36 frames: not installed (a muted red ring with a
    cross) on top, installed (a blue disc with a tick) below."""
    size = (38, 72)
    picture = clear(size)
    ink(picture, coverage(size, lambda d, s: d.ellipse(
        [4 * s, 3 * s, 34 * s, 33 * s], outline=255, width=round(2.5 * s))), FAILED)

    def cross(d, s):
        for line in ([(13 * s, 12 * s), (25 * s, 24 * s)], [(25 * s, 12 * s), (13 * s, 24 * s)]):
            d.line(line, fill=255, width=round(2.5 * s))

    ink(picture, coverage(size, cross), FAILED)
    ink(picture, coverage(size, lambda d, s: d.ellipse([4 * s, 39 * s, 34 * s, 69 * s], fill=255)),
        ACCENT)
    ink(picture, coverage(size, lambda d, s: tick(d, (11.5 * s, 48 * s, 26.5 * s, 59 * s), 3 * s)),
        WHITE)
    return picture


PICTURES = {
    "banner.jpg": (banner, jpeg_file, 121_418),
    "background.png": (background, png_file, 6_002),
    "logo.png": (logo, png_file, 4_599),
    "checkbox.png": (checkbox, png_file, None),
    "installed_check.png": (installed_check, png_file, 1_194),
}


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for name, (draw, encode, byte_count) in PICTURES.items():
        data = encode(draw(), byte_count)
        (OUT / name).write_bytes(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
