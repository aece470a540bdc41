#!/usr/bin/env python3
"""Makes the web site's home-screen icons from the game's own 32 by 32 icon art
(scripts/make_icons.py), each pixel enlarged to a whole square of pixels so the
pixel look stays:

    icon-192.png          the bubble at 6x on a transparent ground;
    icon-512.png          maskable: on the page's ground colour, the bubble as
                          large as it can be with every inked pixel inside the
                          central circle that every mask shape keeps;
    apple-touch-icon.png  180 pixels on the ground colour (iOS shows no transparency).

    python3 scripts/site_icons.py <output folder>   (Debian's python3, with python3-pil)
"""
import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icons import bubble_with_letter, paletted  # noqa: E402

GROUND = (0x1D, 0x24, 0x30, 255)  # the manifest's background_color
# A maskable icon's safe zone: the circle of 40 % of the size around the centre.
SAFE_ZONE_RADIUS = 0.40


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
    """A size by size RGBA image: the picture at whole-pixel scale, centred on ground."""
    image, mask = paletted(picture)
    art = image.convert("RGBA")
    art.putalpha(mask.point(lambda transparent: 0 if transparent else 255).convert("L"))
    side = len(picture) * scale
    art = art.resize((side, side), Image.Resampling.NEAREST)
    icon = Image.new("RGBA", (size, size), ground)
    offset = (size - side) // 2
    # Inked pixels are opaque: pasting through the art's alpha copies them exactly.
    icon.paste(art, (offset, offset), art)
    return icon


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
    for name, icon in icons().items():
        icon.save(os.path.join(sys.argv[1], name), optimize=True)


if __name__ == "__main__":
    main()
