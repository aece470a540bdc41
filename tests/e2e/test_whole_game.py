"""A whole game typed as a player would: answers with "%", "&", only spaces, the
longest each box takes (typed a little longer), two defaults taken with empty
Enters; the thinking screen's two messages, the results screen, F1 twice saving
one file that holds exactly the expected text, and Escape, Yes, exit code 0."""

from lorvan_e2e import check, run_test, shows_background
from whole_game import (DEFAULT, NAME_LIMIT, TITLE_LIMIT, WISH_LIMIT, answer_questions,
                        read_defaults, results_file_bytes, shows_results, watch_thinking)

LONGEST_NAME = "Maximiliana Theodora Worthing!"
LONGEST_TITLE = "The Good, the Bad & the 100% Unbeatables"
OTHER_LONGEST_TITLE = "Once Upon a Time in the West, Part Three"
LONGEST_WISH = "I wish for a castle, a pony & 100% sunshine every day!!"

ANSWERS = {
    "user": "Robin & Sam, 100% %s Fan Club!",
    "days": "7",
    "people": DEFAULT,
    "love": "Tom & Jerry",
    "no_chance": LONGEST_NAME,
    "cares": "   ",
    "knows_you": DEFAULT,
    "best_friend": "%s%n%x%%",
    "love_title": LONGEST_TITLE,
    "life_title": "100%",
    "no_chance_title": OTHER_LONGEST_TITLE,
    "mind_title": "&&Amp; %d",
    "wish": LONGEST_WISH,
}
# Typed beyond what the box takes: the characters past the limit are dropped.
TYPED = {
    "user": ANSWERS["user"] + "XYZ",
    "no_chance": LONGEST_NAME + "XY",
    "love_title": LONGEST_TITLE + "XY",
    "wish": LONGEST_WISH + "XY",
}
FILE_NAME = "LorvanResults_" + ANSWERS["user"] + ".txt"

for key, limit in [("user", NAME_LIMIT), ("no_chance", NAME_LIMIT),
                   ("love_title", TITLE_LIMIT), ("no_chance_title", TITLE_LIMIT),
                   ("wish", WISH_LIMIT)]:
    assert len(ANSWERS[key]) == limit, "%s is not %d characters long" % (key, limit)


def check_thinking(game):
    """The thinking screen: one message, then the other, bouncing, then the results."""
    messages, tops, duration, results = watch_thinking(game)
    for number, (size, _frame, seen_at) in enumerate(messages, 1):
        game.note("message %d: %dx%d pixels, first seen %.2f s after the first thinking frame"
                  % (number, size[0], size[1], seen_at))
    game.note("results first seen %.2f s after the first thinking frame" % duration)
    check(len(messages) == 2, "the thinking screen showed %d messages, not 2" % len(messages))
    # "... BE PATIENT :) ..." reaches below the line with its ")", "...I AM
    # THINKING..." does not: the taller message must come second.
    check(messages[0][0][1] < messages[1][0][1],
          "the messages came in the wrong order: %s" % [m[0] for m in messages])
    check(len(set(tops)) > 1, "the message did not move: its top was always %s" % tops[0])
    return results


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

    game.press("Escape")
    game.answer_box(game.wait_for_box("Quit?"), "y")
    code = game.wait_for_exit()
    check(code == 0, "exit code after Yes is %d" % code)


if __name__ == "__main__":
    run_test(play_whole_game)
