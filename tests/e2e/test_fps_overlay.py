"""F5 shows the frame-rate overlay, white text in the top-left corner over its
dark-blue shadow; F5 again hides it."""

from lorvan_e2e import (background_pixel, check, phase_at, run_test,
                        safe_background_samples, shows_background)

WHITE = (255, 255, 255)
OVERLAY_AREA = (2, 0, 251, 40)  # left, top, right, bottom (exclusive)
ENOUGH_TEXT = 40  # white pixels; two lines of 14-point digits give hundreds


def overlay_pixels(frame):
    """White pixels in the overlay's corner that the background does not explain."""
    reference = safe_background_samples(frame.width, frame.height)[0]
    phase = phase_at(frame, *reference)
    return sum(1 for x, y, rgb in frame.region(*OVERLAY_AREA)
               if rgb == WHITE and background_pixel(phase, x, y) != WHITE)


def check_overlay(game):
    game.start()
    hidden = game.wait_for_frame("no overlay", shows_background)
    check(overlay_pixels(hidden) == 0, "white pixels in the corner before F5")

    game.press("F5")
    shown = game.wait_for_frame("overlay shown", lambda f: overlay_pixels(f) >= ENOUGH_TEXT)
    check(shows_background(shown), "the overlay changed the background far from the corner")

    game.press("F5")
    game.wait_for_frame("overlay hidden",
                        lambda f: shows_background(f) and overlay_pixels(f) == 0)


if __name__ == "__main__":
    run_test(check_overlay)
