#!/usr/bin/env python3
"""Draws the game's two icons and writes them as 32 by 32, 16-colour .ico files.

res/lorvan.ico      group icon 101: the window's icon, a thought bubble with an L.
res/lorvan_file.ico group icon "A": what the shell shows for Lorvan.exe, the
                    same bubble on a page.

Run it again after changing a picture: python3 scripts/make_icons.py
(Debian's python3, with python3-pil)
"""
import os
import struct

from PIL import Image

# The 16 colours of the classic palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# One character per pixel: "." is transparent, the others index the palette.
INK = {"k": 0, "b": 4, "B": 12, "c": 14, "y": 11, "w": 15, "g": 7, "G": 8, "r": 9}


def bubble_with_letter():
    size = 32
    rows = [["."] * size for _ in range(size)]
    cx, cy, rx, ry = 15.5, 13.0, 14.5, 11.5
    for y in range(size):
        for x in range(size):
            d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
            if d <= 0.80:
                rows[y][x] = "B"
            elif d <= 1.0:
                rows[y][x] = "b"
    # Two small thought dots below the bubble.
    for (dx, dy, r) in ((8, 27, 2.2), (4, 30, 1.4)):
        for y in range(size):
            for x in range(size):
                if (x - dx) ** 2 + (y - dy) ** 2 <= r * r:
                    rows[y][x] = "b"
    # A yellow L with a dark outline, and a cyan spark at its corner.
    for y in range(6, 21):
        for x in range(10, 14):
            rows[y][x] = "y"
    for y in range(17, 21):
        for x in range(10, 22):
            rows[y][x] = "y"
    for (x, y) in ((23, 7), (22, 8), (23, 8), (24, 8), (23, 9), (20, 11), (26, 11)):
        rows[y][x] = "c"
    return ["".join(r) for r in rows]


def on_a_page(picture):
    size = 32
    rows = [["."] * size for _ in range(size)]
    for y in range(1, 31):
        for x in range(4, 28):
            edge = x in (4, 27) or y in (1, 30)
            rows[y][x] = "G" if edge else "w"
    small = picture
    # Draw the bubble scaled to half size in the page's middle.
    for y in range(16):
        for x in range(16):
            ink = small[y * 2][x * 2]
            if ink != ".":
                rows[y + 8][x + 8] = ink
    for y in (4, 26):
        for x in range(8, 24):
            rows[y][x] = "g"
    return ["".join(r) for r in rows]


def paletted(picture):
    """The picture as a 16-colour Pillow image, and its mask (1 where transparent)."""
    size = len(picture)
    image = Image.new("P", (size, size))
    image.putpalette([c for rgb in PALETTE for c in rgb])
    image.putdata([INK.get(ch, 0) for line in picture for ch in line])
    mask = Image.new("1", (size, size))
    mask.putdata([1 if ch == "." else 0 for line in picture for ch in line])
    return image, mask


def ico_bytes(picture):
    """One 32 by 32, 4-bit image in an icon file. Pillow packs the pixels; its own
    icon writer makes only 8- and 32-bit images, and the window's icon is 16-colour."""
    size = len(picture)
    image, mask = paletted(picture)
    # Bitmaps are stored bottom-up; 4-bit rows of 32 pixels and 1-bit mask rows
    # of 32 pixels already end on the 4-byte boundary each row needs.
    xor_data = image.transpose(Image.Transpose.FLIP_TOP_BOTTOM).tobytes("raw", "P;4")
    and_data = mask.transpose(Image.Transpose.FLIP_TOP_BOTTOM).tobytes("raw", "1")
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor_data) + len(and_data), 0, 0, 16, 0)
    image_bytes = header + palette + xor_data + and_data
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image_bytes), 6 + 16)
    return directory + entry + image_bytes


def main():
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
    bubble = bubble_with_letter()
    for name, picture in (("lorvan.ico", bubble), ("lorvan_file.ico", on_a_page(bubble))):
        with open(os.path.join(res, name), "wb") as f:
            f.write(ico_bytes(picture))


if __name__ == "__main__":
    main()
