"""On a display of two device pixels per CSS pixel the canvas keeps its 624x421
CSS pixels with a backing store of twice as many pixels each way, and the game
lays out for it; dragging the client area's corner to another size, or filling
the browser window, changes the backing store and the layout follows."""

from lorvan_browser import run_test  # first: it finds the end-to-end helpers

from lorvan_e2e import check, describe_mismatches, safe_background_samples, shows_background

SCALE = 2


def canvas_sizes(page):
    """The canvas's CSS size and its backing store's size."""
    return page.js("const c = document.getElementById('game');"
                   "const r = c.getBoundingClientRect();"
                   "return [r.width, r.height, c.width, c.height]")


def follows_layout(base, size):
    """A frame of the given size whose background fits the formula at the samples
    that the base layout scales to it."""
    def fits(frame):
        if (frame.width, frame.height) != size:
            return False
        return shows_background(frame, safe_background_samples(frame.width, frame.height,
                                                                *base))
    return fits


def check_resizing(page):
    sizes = canvas_sizes(page)
    check(sizes == [624, 421, 624 * SCALE, 421 * SCALE],
          "at %dx the canvas is %sx%s CSS pixels backed by %sx%s" % ((SCALE,) + tuple(sizes)))
    base = (624 * SCALE, 421 * SCALE)
    page.wait_for_frame("sharp", follows_layout(base, base), explain=describe_mismatches)

    # Dragging the corner of the client area sets its size, as here.
    page.js("const c = document.getElementById('client');"
            "c.style.width = '800px'; c.style.height = '500px';")
    page.wait_for_frame("dragged to 800x500", follows_layout(base, (1600, 1000)),
                        explain=describe_mismatches)

    page.driver.find_element("id", "fill-button").click()
    inner = page.js("return [innerWidth, innerHeight]")
    filled = canvas_sizes(page)
    check(filled[0] == inner[0] - 2 and filled[1] < inner[1],
          "filling the window made the canvas %sx%s in a %sx%s page" % tuple(filled[:2] + inner))
    page.wait_for_frame("filling the window", follows_layout(base, tuple(filled[2:])),
                        explain=describe_mismatches)
    page.screenshot("filling")


if __name__ == "__main__":
    run_test(check_resizing, scale=SCALE)
