#!/usr/bin/env python3
"""Draws the game's two icons and writes them as 32 by 32, 16-colour .ico files.

res/lorvan.ico      group icon 101: the window's icon, a thought bubble with an L.
res/lorvan_file.ico group icon "A": what the shell shows for Lorvan.exe, the
                    same bubble on a page.

Run it again after changing a picture: python3 scripts/make_icons.py
"""
import os
import struct

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


def ico_bytes(picture):
    size = len(picture)
    xor_rows, and_rows = [], []
    for line in reversed(picture):  # bitmaps are stored bottom-up
        nibbles = [INK.get(ch, 0) for ch in line]
        xor_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
        mask = 0
        for ch in line:
            mask = (mask << 1) | (1 if ch == "." else 0)
        and_rows.append(mask.to_bytes(size // 8, "big"))
    xor_data, and_data = b"".join(xor_rows), b"".join(and_rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor_data) + len(and_data), 0, 0, 16, 0)
    image = header + palette + xor_data + and_data
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
    bubble = bubble_with_letter()
    for name, picture in (("lorvan.ico", bubble), ("lorvan_file.ico", on_a_page(bubble))):
        with open(os.path.join(res, name), "wb") as f:
            f.write(ico_bytes(picture))


if __name__ == "__main__":
    main()
