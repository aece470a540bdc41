"""At Windows' 125, 150 and 200 % display scaling (120, 144 and 192 dpi, each in a
Wine prefix of its own) Lorvan.exe is sharp and whole: its window is 640 by 480 at
96 dpi scaled by dpi / 96; on the first screen with a typed name every text lies
where it lies at 96 dpi, enlarged by dpi / 96, and the name stays inside its box;
and the results screen fits the window.

    PYTHONPATH=tests python3 tests/e2e/test_display_scale.py --dpi 144 --exe ... --probe ... --out ...
"""

import argparse
import os
import sys

from harness.e2e import (Game, background_pixel, check, phase_at, run_test,
                         safe_background_samples, shows_background, start_private_session)
from harness.quick_game import TEXT_QUESTIONS_AFTER_NUMBERS, answer, shows_results

NAME = "Ann & Bo"
CYAN = (0, 255, 255)
WHITE = (255, 255, 255)
# Layout units (the client area at 96 dpi, 624 by 421 on Windows): the name's box
# and the part of the screen above the prompt, where the title stands.
BOX = (30, 205, 30 + 550, 205 + 33)
TITLE_BOTTOM = 90
# Glyphs are rasterised anew at every size: their ink may move by a few pixels.
SLACK_PIXELS = 4
SLACK_SHARE = 0.04


def background_samples(frame, scale):
    """Where no screen draws, in a layout of this scale: its base is the client
    area in 96-dpi units."""
    return safe_background_samples(frame.width, frame.height, round(frame.width / scale),
                                   round(frame.height / scale))


def ink_box(frame, colour, scale, area=None):
    """The bounding box (left, top, right, bottom, exclusive) of the pixels of a
    text colour in an area that the background does not explain, or None."""
    phase = phase_at(frame, *background_samples(frame, scale)[0])
    area = area or (0, 0, frame.width, frame.height)
    found = [(x, y) for x, y, rgb in frame.region(*area)
             if rgb == colour and background_pixel(phase, x, y) != colour]
    if not found:
        return None
    xs = [x for x, _ in found]
    ys = [y for _, y in found]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def texts_of(frame, scale):
    """The title, the prompt lines and the typed name, each as its ink's box."""
    title_area = (0, 0, frame.width, int(TITLE_BOTTOM * scale))
    box_area = tuple(int(v * scale) for v in BOX)
    return {"title": ink_box(frame, CYAN, scale, title_area),
            "prompt": ink_box(frame, WHITE, scale),
            "name": ink_box(frame, CYAN, scale, box_area)}


def first_screen_with_name(game, factor):
    """Starts the game on a display at factor times 96 dpi, types the name and
    returns the settled frame, the window and the layout's scale: the client area
    over its size in 96-dpi units, which the first frame took as the base."""
    info = game.start(timeout=90)  # a new prefix's first start is slow
    width = info.client[2]
    scale = width / round(width / factor)
    def background(frame):
        return shows_background(frame, background_samples(frame, scale))

    game.wait_for_frame("first frame", background)
    game.type_text(NAME)
    seen = []
    for attempt in range(40):
        frame = game.capture("name typed %d" % attempt)
        seen.append(texts_of(frame, scale) if background(frame) else None)
        # Three frames alike: the game has taken every character typed.
        if seen[-1] and seen[-1]["name"] and seen[-3:] == [seen[-1]] * 3:
            return frame, game.window(), seen[-1], scale
    check(False, "the typed name never settled on the first screen")
    return None


def expect_scaled(what, at96, scaled, factor):
    """The ink's size is the 96-dpi one times factor, and so is its centre, up to
    what a glyph drawn at a new size may gain or lose (half of it each side)."""
    check(at96 is not None and scaled is not None, "%s is missing: %s, %s" % (what, at96, scaled))
    for axis in (0, 1):
        size = (at96[axis + 2] - at96[axis]) * factor
        centre = (at96[axis + 2] + at96[axis]) / 2 * factor
        allowed = SLACK_PIXELS + SLACK_SHARE * size
        check(abs((scaled[axis + 2] - scaled[axis]) - size) <= allowed
              and abs((scaled[axis + 2] + scaled[axis]) / 2 - centre) <= allowed,
              "%s at %s is not the 96-dpi %s times %.2f" % (what, scaled, at96, factor))


def check_display_scale(game, dpi, build_dir):
    # The game at 96 dpi, in the tier's own session, gives the positions to scale.
    _frame, _info, at96, _scale = first_screen_with_name(game, 1.0)
    game.quit_with_yes("the 96-dpi first screen")
    game.close()

    # The same game on a display at dpi.
    start_private_session(build_dir, dpi, screen="2560x1600x24")
    scaled_game = Game(game.exe, game.probe_exe, os.path.dirname(game.shots),
                       "%s_scaled" % game.name)
    try:
        factor = dpi / 96.0
        _frame, info, drawn, scale = first_screen_with_name(scaled_game, factor)
        expected_outer = (round(640 * factor), round(480 * factor))
        check(info.outer[2:] == expected_outer,
              "the window is %dx%d at %d dpi, not %dx%d" % (info.outer[2:] + (dpi,) + expected_outer))
        ox, oy, ow, oh = info.outer
        cx, cy, cw, ch = info.client
        check(ox <= cx and oy <= cy and cx + cw <= ox + ow and cy + ch <= oy + oh,
              "the client area %s is not inside the window %s" % (info.client, info.outer))

        for what in ("title", "prompt", "name"):
            expect_scaled(what, at96[what], drawn[what], factor)
        box = tuple(int(v * scale) for v in BOX)
        name = drawn["name"]
        check(box[0] < name[0] and name[2] < box[2] and box[1] < name[1] and name[3] < box[3],
              "the name %s is not inside its box %s" % (name, box))

        # On to the results, which must fit the window whole.
        scaled_game.press("Return")  # the name
        scaled_game.press("Return")  # the introduction
        for _ in range(2 + TEXT_QUESTIONS_AFTER_NUMBERS):
            answer(scaled_game, None)
        results = scaled_game.wait_for_frame("results", shows_results, timeout=40)
        text = ink_box(results, CYAN, scale)
        check(text is not None and text[3] < results.height and text[2] <= results.width,
              "the results reach past the window: %s in %dx%d" % (text, results.width,
                                                                  results.height))
        scaled_game.quit_with_yes("the scaled game")
    finally:
        scaled_game.close()


def main():
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--dpi", type=int, required=True)
    parser.add_argument("--exe", required=True)
    known, _rest = parser.parse_known_args()
    build_dir = os.path.dirname(os.path.abspath(known.exe))
    argv = sys.argv[1:]
    index = argv.index("--dpi")
    del argv[index:index + 2]
    run_test(lambda game: check_display_scale(game, known.dpi, build_dir), argv)


if __name__ == "__main__":
    main()
