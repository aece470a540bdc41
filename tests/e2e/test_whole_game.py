"""A whole game typed as a player would: answers with "%", "&", only spaces, the
longest each box takes (typed a little longer), two defaults taken with empty
Enters; the thinking screen's two messages, the results screen, F1 twice saving
one file that holds exactly the expected text, and Escape, Yes, exit code 0."""

from harness.e2e import check, run_test, shows_background
from harness.whole_game import (ANSWERS, FILE_NAME, TYPED, answer_questions, check_thinking,
                                read_defaults, results_file_bytes, shows_results)


def save_and_confirm(game, expected_path):
    game.press("F1")
    box = game.wait_for_box("Results Saved")
    game.capture_screen("saved")
    check(box.text == "Results saved to:\n\n" + expected_path,
          "the confirmation reads %r" % box.text)
    game.answer_box(box, "Return")
    game.wait_for_no_box()


def check_file(game):
    data = game.wait_for_file(FILE_NAME)
    answers = read_defaults(data, ANSWERS)
    expected = results_file_bytes(answers)
    check(data == expected, "the results file differs:\n%r\nexpected:\n%r" % (data, expected))
    check(game.files() == sorted(["Lorvan.exe", FILE_NAME]),
          "the game's folder holds %s" % game.files())


def play_whole_game(game):
    game.start()
    game.wait_for_frame("first frame", shows_background)
    answer_questions(game, ANSWERS, TYPED)
    check_thinking(game)

    # Typed letters, Backspace and Enter change nothing on the results screen.
    game.type_text("zz")
    game.press("BackSpace", "Return")
    game.wait_for_frame("results after typing", shows_results)

    windows_path = "Z:" + game.file_path(FILE_NAME).replace("/", "\\")
    save_and_confirm(game, windows_path)
    check_file(game)

    # The second save writes the whole file again: what stood there is gone.
    with open(game.file_path(FILE_NAME), "wb") as stale:
        stale.write(b"stale text, longer than the results\r\n" * 100)
    save_and_confirm(game, windows_path)
    check_file(game)

    game.quit_with_yes("Yes")


if __name__ == "__main__":
    run_test(play_whole_game)
