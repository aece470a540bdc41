"""Help > About shows a box captioned "About" whose last line is the product
page; closing it lets the game draw on."""

from harness.e2e import check, run_test, shows_background
from harness.game_texts import WEBSITE_LINE


def check_about_box(game):
    game.start()
    game.wait_for_frame("first frame", shows_background)
    game.choose_menu_item("alt+h", "a")
    box = game.wait_for_box("About")
    game.capture_screen("about_box")
    check(box.text.endswith(WEBSITE_LINE), "the About text is %r" % box.text)
    check(box.text.split("\n")[-1] == WEBSITE_LINE, "the last line is not the website")

    game.answer_box(box, "Return")
    game.wait_for_no_box()
    before = game.capture("after_about")
    game.wait_for_frame("drawing on", lambda f: shows_background(f) and f.rgb != before.rgb)


if __name__ == "__main__":
    run_test(check_about_box)
