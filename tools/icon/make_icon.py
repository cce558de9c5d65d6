#!/usr/bin/env python3
"""Draws the program's icon: two black eighth notes joined by a beam in front
of a silver compact disc. Writes app/jukett.ico (32 x 32 and 16 x 16, each
with a 256-colour palette and a transparency mask) and docs/icon.png, an
enlarged preview of both sizes.

Needs nothing beyond the Python standard library, so the icon can be redrawn
on any machine; the build itself uses the committed .ico.

    python3 tools/icon/make_icon.py [repository root]
"""

import math
import struct
import sys
import zlib
from pathlib import Path

SAMPLES = 8  # per pixel and direction, for smooth edges

# The drawing, in units of the icon's side (0..1, y downwards).
DISC_CENTRE = (0.59, 0.41)
DISC_RADIUS = 0.40
HUB_RADIUS = 0.15
HOLE_RADIUS = 0.065
HEADS = ((0.15, 0.86), (0.45, 0.80))
HEAD_RADII = (0.125, 0.085)
HEAD_TILT = math.radians(-22)
STEM_WIDTH = 0.07
BEAM_TOP = (0.34, 0.28)  # top edge of the beam at the left and right stems
BEAM_THICKNESS = 0.11

TRANSPARENT = None
BLACK = (0, 0, 0)


def head_contains(head, x, y):
    dx, dy = x - head[0], y - head[1]
    c, s = math.cos(HEAD_TILT), math.sin(HEAD_TILT)
    u, v = dx * c + dy * s, -dx * s + dy * c
    return (u / HEAD_RADII[0]) ** 2 + (v / HEAD_RADII[1]) ** 2 <= 1.0


def stem_x(head):
    # The stem rises from the right side of the tilted head.
    return head[0] + HEAD_RADII[0] * 0.80


def beam_top_at(x):
    left, right = stem_x(HEADS[0]), stem_x(HEADS[1])
    t = (x - left) / (right - left)
    return BEAM_TOP[0] + t * (BEAM_TOP[1] - BEAM_TOP[0])


def notes_contain(x, y):
    if any(head_contains(head, x, y) for head in HEADS):
        return True
    left = stem_x(HEADS[0]) - STEM_WIDTH
    right = stem_x(HEADS[1])
    for head in HEADS:
        sx = stem_x(head)
        if sx - STEM_WIDTH <= x <= sx and beam_top_at(x) <= y <= head[1]:
            return True
    top = beam_top_at(x)
    return left <= x <= right and top <= y <= top + BEAM_THICKNESS


def disc_colour(x, y):
    dx, dy = x - DISC_CENTRE[0], y - DISC_CENTRE[1]
    r = math.hypot(dx, dy) / DISC_RADIUS
    if r > 1.0 or r * DISC_RADIUS < HOLE_RADIUS:
        return TRANSPARENT
    if r > 0.94:
        grey = 128  # the rim
    elif r * DISC_RADIUS < HUB_RADIUS:
        # The clear plastic hub, a little lighter, with a ring round the hole.
        grey = 150 if r * DISC_RADIUS < HOLE_RADIUS + 0.025 else 222
    else:
        # Light falls on the silver in two opposite sectors, like on a real disc.
        angle = math.atan2(dy, dx)
        sheen = max(0.0, math.cos(2 * (angle + math.radians(45)))) ** 4
        grey = 168 + 78 * sheen - 18 * r
    grey = int(round(grey))
    # A faint cool tint keeps it silver rather than dull grey.
    return (grey, grey, min(255, grey + 10))


def sample(x, y):
    return BLACK if notes_contain(x, y) else disc_colour(x, y)


def render(size):
    """Rows of (r, g, b) or None for transparent pixels."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            opaque = []
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour = sample(x, y)
                    if colour is not TRANSPARENT:
                        opaque.append(colour)
            if len(opaque) * 2 < SAMPLES * SAMPLES:
                row.append(TRANSPARENT)
            else:
                n = len(opaque)
                row.append(tuple(round(sum(c[i] for c in opaque) / n) for i in range(3)))
        rows.append(row)
    return rows


def palette_for(images):
    """Index 0 is black, which transparent pixels carry under the mask."""
    colours = {BLACK}
    for rows in images:
        colours.update(c for row in rows for c in row if c is not TRANSPARENT)
    if len(colours) > 256:
        raise SystemExit(f"{len(colours)} colours do not fit a 256-colour palette")
    ordered = [BLACK] + sorted(colours - {BLACK})
    return ordered + [BLACK] * (256 - len(ordered))


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def icon_image(rows, palette):
    """One .ico image: header, palette, colour indices, AND mask; rows bottom up."""
    size = len(rows)
    index = {colour: i for i, colour in reversed(list(enumerate(palette)))}
    xor = b"".join(
        padded(bytes(0 if c is TRANSPARENT else index[c] for c in row)) for row in reversed(rows)
    )
    mask = b""
    for row in reversed(rows):
        bits = bytearray((size + 7) // 8)
        for x, c in enumerate(row):
            if c is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += padded(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(xor) + len(mask),
                         0, 0, 256, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + colours + xor + mask


def ico_file(images, palette):
    blobs = [icon_image(rows, palette) for rows in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 8, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def png_file(width, height, pixels):
    """pixels: rows of (r, g, b, a)."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def preview(images, scale=8, gap=16):
    """Both sizes side by side, each pixel drawn as a scale x scale block."""
    width = sum(len(rows) * scale for rows in images) + gap * (len(images) - 1)
    height = max(len(rows) for rows in images) * scale
    canvas = [[(0, 0, 0, 0)] * width for _ in range(height)]
    left = 0
    for rows in images:
        for y, row in enumerate(rows):
            for x, c in enumerate(row):
                if c is TRANSPARENT:
                    continue
                for dy in range(scale):
                    line = canvas[y * scale + dy]
                    for dx in range(scale):
                        line[left + x * scale + dx] = c + (255,)
        left += len(rows) * scale + gap
    return png_file(width, height, canvas)


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2]
    images = [render(32), render(16)]
    palette = palette_for(images)
    (root / "app" / "jukett.ico").write_bytes(ico_file(images, palette))
    (root / "docs").mkdir(exist_ok=True)
    (root / "docs" / "icon.png").write_bytes(preview(images))


if __name__ == "__main__":
    main()
