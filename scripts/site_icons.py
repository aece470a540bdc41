#!/usr/bin/env python3
"""Makes the web site's home-screen icons from the game's own 32 by 32 icon art
(scripts/make_icons.py), each pixel enlarged to a whole square of pixels so the
pixel look stays:

    icon-192.png          the bubble at 6x on a transparent ground;
    icon-512.png          maskable: on the page's ground colour, the bubble as
                          large as it can be with every inked pixel inside the
                          central circle that every mask shape keeps;
    apple-touch-icon.png  180 pixels on the ground colour (iOS shows no transparency).

    python3 scripts/site_icons.py <output folder>
"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icons import INK, PALETTE, bubble_with_letter  # noqa: E402

GROUND = (0x1D, 0x24, 0x30, 255)  # the manifest's background_color
# A maskable icon's safe zone: the circle of 40 % of the size around the centre.
SAFE_ZONE_RADIUS = 0.40


def colour(ink):
    return (0, 0, 0, 0) if ink == "." else PALETTE[INK[ink]] + (255,)


def ink_fits_safe_zone(picture, scale, size):
    """Whether every corner of every inked pixel, drawn centred at scale, lies
    within the safe zone's circle."""
    art = len(picture) * scale
    offset = (size - art) / 2
    limit = (SAFE_ZONE_RADIUS * size) ** 2
    for y, line in enumerate(picture):
        for x, ink in enumerate(line):
            if ink == ".":
                continue
            for cx in (x, x + 1):
                for cy in (y, y + 1):
                    dx = offset + cx * scale - size / 2
                    dy = offset + cy * scale - size / 2
                    if dx * dx + dy * dy > limit:
                        return False
    return True


def enlarged(picture, scale, size, ground):
    """RGBA rows of size by size: the picture at whole-pixel scale, centred on ground."""
    art = len(picture) * scale
    offset = (size - art) // 2
    rows = [[ground] * size for _ in range(size)]
    for y in range(art):
        line = picture[y // scale]
        row = rows[offset + y]
        for x in range(art):
            ink = line[x // scale]
            if ink != ".":
                row[offset + x] = colour(ink)
    return rows


def png_bytes(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icons():
    picture = bubble_with_letter()
    side = len(picture)
    maskable_scale = max(s for s in range(1, 512 // side + 1)
                         if ink_fits_safe_zone(picture, s, 512))
    return {
        "icon-192.png": enlarged(picture, 192 // side, 192, (0, 0, 0, 0)),
        "icon-512.png": enlarged(picture, maskable_scale, 512, GROUND),
        "apple-touch-icon.png": enlarged(picture, 180 // side, 180, GROUND),
    }


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: site_icons.py <output folder>")
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, rows in icons().items():
        with open(os.path.join(sys.argv[1], name), "wb") as handle:
            handle.write(png_bytes(rows))


if __name__ == "__main__":
    main()
