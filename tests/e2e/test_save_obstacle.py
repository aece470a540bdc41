"""A short game of defaults for a player named "Who?": the results go to
LorvanResults_Who_.txt, since "?" may not stand in a file name, while the file's
header keeps "Who?". While a folder of that name stands in the way F1 gives
"Unable to save results." and the game goes on; once it is gone F1 saves."""

import os

from harness.e2e import check, run_test, shows_background
from harness.whole_game import (DEFAULT, QUESTION_ORDER, answer_questions, read_defaults,
                                results_file_bytes, shows_results, watch_thinking)

ANSWERS = dict({key: DEFAULT for key in QUESTION_ORDER}, user="Who?")
FILE_NAME = "LorvanResults_Who_.txt"


def save_blocked(game):
    game.press("F1")
    box = game.wait_for_box("Error")
    game.capture_screen("save_blocked")
    check(box.text == "Unable to save results.", "the error reads %r" % box.text)
    game.answer_box(box, "Return")
    game.wait_for_no_box()
    check(game.running(), "the game ended after the failed save")
    before = game.capture("after_failed_save")
    game.wait_for_frame("results drawn on", lambda f: shows_results(f) and f.rgb != before.rgb)


def save_done(game):
    game.press("F1")
    box = game.wait_for_box("Results Saved")
    game.capture_screen("saved")
    expected_path = "Z:" + game.file_path(FILE_NAME).replace("/", "\\")
    check(box.text == "Results saved to:\n\n" + expected_path,
          "the confirmation reads %r" % box.text)
    game.answer_box(box, "Return")


def play_blocked_save(game):
    # As root, permission bits alone do not stop a write: a folder does.
    obstacle = game.file_path(FILE_NAME)
    os.mkdir(obstacle)

    game.start()
    game.wait_for_frame("first frame", shows_background)
    answer_questions(game, ANSWERS)
    watch_thinking(game)

    save_blocked(game)
    check(os.path.isdir(obstacle) and not os.listdir(obstacle),
          "the failed save changed the folder in its way")

    os.rmdir(obstacle)
    save_done(game)
    data = game.wait_for_file(FILE_NAME)
    check(data.startswith(b"Lorvan.exe (version 2.0) results for user: Who?\r\n"),
          "the header does not keep the name as typed: %r" % data[:60])
    answers = read_defaults(data, ANSWERS)
    game.note("defaults taken: %s" % answers)
    expected = results_file_bytes(answers)
    check(data == expected, "the results file differs:\n%r\nexpected:\n%r" % (data, expected))
    check(game.files() == sorted(["Lorvan.exe", FILE_NAME]),
          "the game's folder holds %s" % game.files())


if __name__ == "__main__":
    run_test(play_blocked_save)
