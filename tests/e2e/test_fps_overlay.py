"""F5 shows the frame-rate overlay, white text in the top-left corner over its
dark-blue shadow; F5 again hides it."""

from harness.e2e import check, run_test, shows_background
from harness.overlay import overlay_hidden, overlay_shown

def check_overlay(game):
    game.start()
    first = game.wait_for_frame("first frame", shows_background)
    check(overlay_hidden(first), "overlay pixels in the corner before F5")

    game.press("F5")
    game.wait_for_frame("overlay shown", overlay_shown)
    game.press("F5")
    game.wait_for_frame("overlay hidden", overlay_hidden)


if __name__ == "__main__":
    run_test(check_overlay)
