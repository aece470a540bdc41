"""Minimising and restoring the window, and resizing it, keep the game drawing:
the background fills the whole new client area, and the game still quits
cleanly afterwards."""

from harness.e2e import (background_mismatches, check, run_test, safe_background_samples,
                         shows_background, wait_until)

# Outer sizes, larger and smaller than the first one, then back.
SIZES = [(800, 600), (400, 300), (640, 480)]


def check_minimize_restore(game):
    before = game.capture("before_minimize")
    game.minimize()
    wait_until("the window to be minimised", lambda: game.window().iconic)
    check(game.running(), "the game ended when minimised")
    game.restore()
    wait_until("the window to be restored", lambda: not game.window().iconic)
    game.wait_for_frame("restored", lambda f: shows_background(f) and f.rgb != before.rgb)


def check_resize(game, base_width, base_height):
    for width, height in SIZES:
        game.resize(width, height)
        info = wait_until("outer size %dx%d" % (width, height),
                          lambda: (lambda w: w if w.outer[2:] == (width, height) else None)(
                              game.window()))
        client_width, client_height = info.client[2:]

        def fills_client(frame):
            if (frame.width, frame.height) != (client_width, client_height):
                return False
            samples = safe_background_samples(frame.width, frame.height, base_width, base_height)
            return not background_mismatches(frame, samples)
        game.wait_for_frame("resized_%dx%d" % (width, height), fills_client)


def check_window_changes(game):
    info = game.start()
    game.wait_for_frame("first frame", shows_background)
    base_width, base_height = info.client[2:]

    check_minimize_restore(game)
    check_resize(game, base_width, base_height)

    game.quit_with_yes("the window changes")


if __name__ == "__main__":
    run_test(check_window_changes)
