"""On a display of two device pixels per CSS pixel the canvas keeps its 624x421
CSS pixels with a backing store of twice as many pixels each way, and the name
screen stands in it as at 624x421, twice as large; dragging the client area's
corner to another size, or filling the browser window, changes the backing store
and the layout follows."""

from harness.browser import Viewport, run_test

from harness.e2e import (check, describe_mismatches, safe_background_samples, shows_background,
                         wait_until)
from harness.question_walk import (ENOUGH_PIXELS, PROMPT_TEXT, TEXT_SHADOW, Layout, bevel_faults,
                                   count_colour)

SCALE = 2


def canvas_sizes(page):
    """The canvas's CSS size and its backing store's size."""
    return page.js("const c = document.getElementById('game');"
                   "const r = c.getBoundingClientRect();"
                   "return [r.width, r.height, c.width, c.height]")


BASE = (624, 421)  # the layout's base: the first frame's size in CSS pixels
NAME_SCREEN = 0


def layout_faults(frame):
    """Where a frame is not the name screen laid out from the base: the background
    where the base layout leaves it free, the box's bevel where the base layout
    scales it, a prompt in white over its shadow."""
    samples = safe_background_samples(frame.width, frame.height, *BASE)
    if not shows_background(frame, samples):
        return [describe_mismatches(frame, samples)]
    layout = Layout(BASE[0], BASE[1], frame.width, frame.height)
    faults = bevel_faults(frame, layout.box(NAME_SCREEN))
    white, shadow = count_colour(frame, PROMPT_TEXT), count_colour(frame, TEXT_SHADOW)
    if white < ENOUGH_PIXELS or shadow < ENOUGH_PIXELS:
        faults.append("the prompt has %d white and %d shadow pixels" % (white, shadow))
    return faults


def follows_layout(size):
    return lambda frame: (frame.width, frame.height) == size and not layout_faults(frame)


def explain_layout(frame):
    return "%dx%d: %s" % (frame.width, frame.height, "; ".join(layout_faults(frame)))


def check_resizing(page):
    sizes = canvas_sizes(page)
    check(sizes == [624, 421, 624 * SCALE, 421 * SCALE],
          "at %dx the canvas is %sx%s CSS pixels backed by %sx%s" % ((SCALE,) + tuple(sizes)))
    page.wait_for_frame("sharp", follows_layout((624 * SCALE, 421 * SCALE)),
                        explain=explain_layout)

    # Dragging the corner of the client area sets its size, as here.
    page.js("const c = document.getElementById('client');"
            "c.style.width = '800px'; c.style.height = '500px';")
    page.wait_for_frame("dragged to 800x500", follows_layout((1600, 1000)), explain=explain_layout)

    page.click_element("#fill-button")
    inner = page.js("return [innerWidth, innerHeight]")
    # The backing store takes its new size with the next frame presented.
    filled = wait_until("a frame of the new size",
                        lambda: canvas_sizes(page)[2:] != [1600, 1000] and canvas_sizes(page))
    check(inner[0] - 4 <= filled[0] <= inner[0] and filled[1] < inner[1],
          "filling the window made the canvas %sx%s in a %sx%s page" % tuple(filled[:2] + inner))
    page.wait_for_frame("filling the window", follows_layout(tuple(filled[2:])),
                        explain=explain_layout)
    page.screenshot("filling")


if __name__ == "__main__":
    run_test(check_resizing, viewport=Viewport(scale=SCALE))
