#!/usr/bin/env python3
"""Draws the Varnesk icon: a small histogram of sample means, red bars with a dark outline on a
light card, the way the program's chart draws them.

Only the standard library is used (PNG is written with zlib), so the committed icons can be
remade on any machine:

    python3 packaging/icons/make_icons.py packaging/icons          # draw them
    python3 packaging/icons/make_icons.py --check packaging/icons  # compare with the drawing

Each size is laid out on its own whole-pixel grid rather than scaled from the large one, so the
16 and 32 pixel icons keep sharp bar edges instead of a blur of half-covered pixels.
"""
import os
import struct
import sys
import zlib

SIZES = (16, 32, 48, 64, 128, 256)
# Bar heights as a share of the plot height: the skewed bell a run of sample means gives.
PROFILE = (0.22, 0.55, 0.92, 1.0, 0.70, 0.40, 0.16)

CARD = (0xF7, 0xF7, 0xF2, 0xFF)
INK = (0x26, 0x2A, 0x33, 0xFF)
BAR = (0xD6, 0x28, 0x28, 0xFF)
CLEAR = (0, 0, 0, 0)
SUPERSAMPLE = 4  # only the card's rounded corners fall between pixels


def layout(size):
    """Whole-pixel geometry of one icon size."""
    line = max(1, int(size / 32 + 0.25))
    radius = size * 0.16
    top = max(2, round(size * 0.20))
    base = size - max(2, round(size * 0.18))    # y of the baseline's top row
    # As many bars as the width allows with at least two red pixels each, never more than the
    # profile holds: at 16 px the full seven would be red slivers. Below four bars it no longer
    # reads as a histogram, so the small sizes give up margin first.
    fits = lambda bars, room: (room - line) // bars - line >= max(2, line)
    inset = max(1, round(size * 0.14))          # from the card's edge to the plot
    while inset > line and not fits(4, size - 2 * inset):
        inset -= 1
    room = size - 2 * inset
    bars = len(PROFILE)
    while bars > 3 and not fits(bars, room):
        bars -= 1
    pitch = (room - line) // bars
    width = bars * pitch + line
    left = (size - width) // 2
    profile = resample(PROFILE, bars)
    height = base - top
    rects = []
    for i, share in enumerate(profile):
        x0 = left + i * pitch
        h = max(line + 1, round(share * height))
        rects.append((x0, base - h, x0 + pitch + line, base + line))
    baseline = (max(line, inset - line), base, size - max(line, inset - line), base + line)
    return line, radius, rects, baseline


def resample(profile, count):
    if count == len(profile):
        return profile
    out = []
    for i in range(count):
        pos = i * (len(profile) - 1) / (count - 1)
        lo = int(pos)
        hi = min(lo + 1, len(profile) - 1)
        out.append(profile[lo] + (profile[hi] - profile[lo]) * (pos - lo))
    return out


def inside_rounded(x, y, x0, y0, x1, y1, r):
    if x < x0 or x >= x1 or y < y0 or y >= y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def card_pixel(size, line, radius, px, py):
    """Coverage-weighted colour of the card (outline, fill, transparent corner) at one pixel."""
    corner_x = px < radius + 1 or px + 1 > size - radius - 1
    corner_y = py < radius + 1 or py + 1 > size - radius - 1
    if not (corner_x and corner_y):  # away from the corners every edge is on whole pixels
        edge = min(px, py, size - 1 - px, size - 1 - py) < line
        return INK if edge else CARD
    acc = [0.0, 0.0, 0.0, 0.0]
    n = SUPERSAMPLE
    for sy in range(n):
        for sx in range(n):
            x = px + (sx + 0.5) / n
            y = py + (sy + 0.5) / n
            if not inside_rounded(x, y, 0, 0, size, size, radius):
                continue
            inner = inside_rounded(x, y, line, line, size - line, size - line,
                                   max(radius - line, 0))
            colour = CARD if inner else INK
            for c in range(3):
                acc[c] += colour[c]
            acc[3] += 1
    if acc[3] == 0:
        return CLEAR
    alpha = acc[3] / (n * n)
    return tuple(round(acc[c] / acc[3]) for c in range(3)) + (round(255 * alpha),)


def render(size):
    line, radius, rects, baseline = layout(size)
    img = [[card_pixel(size, line, radius, x, y) for x in range(size)] for y in range(size)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                img[y][x] = colour

    for x0, y0, x1, y1 in rects:
        fill(x0, y0, x1, y1, INK)
        fill(x0 + line, y0 + line, x1 - line, y1 - line, BAR)
    fill(*baseline, INK)
    return img


def png(img):
    size = len(img)
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in img)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    size = 256
    line, radius, rects, baseline = layout(size)
    hexc = lambda c: "#%02x%02x%02x" % c[:3]
    half = line / 2
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
        f'viewBox="0 0 {size} {size}">',
        f'  <rect x="{half}" y="{half}" width="{size - line}" height="{size - line}" '
        f'rx="{radius - half:g}" fill="{hexc(CARD)}" stroke="{hexc(INK)}" '
        f'stroke-width="{line}"/>',
    ]
    for x0, y0, x1, y1 in rects:
        parts.append(
            f'  <rect x="{x0 + half}" y="{y0 + half}" width="{x1 - x0 - line}" '
            f'height="{y1 - y0 - line}" fill="{hexc(BAR)}" stroke="{hexc(INK)}" '
            f'stroke-width="{line}"/>')
    x0, y0, x1, y1 = baseline
    parts.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" '
                 f'fill="{hexc(INK)}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def icon_files():
    """(path relative to the icons folder, content) of every icon."""
    for size in SIZES:
        yield os.path.join("hicolor", f"{size}x{size}", "apps", "varnesk.png"), png(render(size))
    yield os.path.join("hicolor", "scalable", "apps", "varnesk.svg"), svg().encode("ascii")


def png_pixels(data):
    """The filtered scanlines of a PNG we wrote: compared instead of the file bytes, which
    depend on the zlib build that compressed them."""
    pos, idat = 8, b""
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        if kind == b"IHDR":
            header = data[pos + 8:pos + 8 + length]
        elif kind == b"IDAT":
            idat += data[pos + 8:pos + 8 + length]
        pos += 12 + length
    return header, zlib.decompress(idat)


def check(icons_dir):
    """Lists the committed icons that differ from what this script draws."""
    stale = []
    for name, content in icon_files():
        try:
            with open(os.path.join(icons_dir, name), "rb") as f:
                committed = f.read()
        except OSError:
            stale.append(name)
            continue
        same = (png_pixels(committed) == png_pixels(content) if name.endswith(".png")
                else committed == content)
        if not same:
            stale.append(name)
    return stale


def main(args):
    if args[:1] == ["--check"]:
        icons_dir = args[1] if len(args) > 1 else os.path.dirname(os.path.abspath(__file__))
        stale = check(icons_dir)
        for name in stale:
            print(f"differs from make_icons.py's drawing: {name}")
        return 1 if stale else 0
    out_dir = args[0] if args else os.path.dirname(os.path.abspath(__file__))
    for name, content in icon_files():
        path = os.path.join(out_dir, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(content)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
