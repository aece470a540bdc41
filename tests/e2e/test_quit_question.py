"""Escape asks "Are you sure you wish to quit?"; No and Cancel keep the game
going, Yes ends it with exit code 0."""

from harness.e2e import check, run_test, shows_background

QUESTION = "Are you sure you wish to quit?"

# (what the player does, keys pressed in the box)
ANSWERS_THAT_KEEP_PLAYING = [
    ("no", ["n"]),
    ("cancel_button", ["Tab", "Tab", "space"]),
]


def ask_to_quit(game, label):
    game.press("Escape")
    box = game.wait_for_box("Quit?")
    check(box.text == QUESTION, "the quit question reads %r" % box.text)
    game.capture_screen("question_before_%s" % label)
    return box


def check_quit_question(game):
    game.start()
    game.wait_for_frame("first frame", shows_background)

    for label, keys in ANSWERS_THAT_KEEP_PLAYING:
        game.answer_box(ask_to_quit(game, label), *keys)
        game.wait_for_no_box()
        check(game.running(), "the game ended after answering with %s" % label)
        before = game.capture("after_%s" % label)
        game.wait_for_frame("drawing on after %s" % label,
                            lambda f, b=before: shows_background(f) and f.rgb != b.rgb)
        check(not game.boxes(), "the question came back after %s" % label)

    game.answer_box(ask_to_quit(game, "yes"), "y")
    code = game.wait_for_exit()
    check(code == 0, "exit code after Yes is %d" % code)


if __name__ == "__main__":
    run_test(check_quit_question)
