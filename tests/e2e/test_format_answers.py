"""Answers that look like printf formats are only text: "%s%n%x%%" typed as the
player's name, every name, every title and the wish (the numbers take digits
only) reaches the results as typed. The game keeps running on the results
screen, and the saved file holds the string literally in every place an answer
goes, under a file name that holds it too."""

from harness.game_texts import RESULTS_TEMPLATE
from harness.e2e import check, run_test, shows_background
from harness.quick_game import TEXT_QUESTIONS_AFTER_NUMBERS, play_to_results, save_and_confirm

FORMAT_LIKE = "%s%n%x%%"
# Every "%" is typed with Shift, which needs the slower typing.
SHIFTED_KEY_DELAY_MS = 150
NUMBER = "7"  # both numbers, so the test need not know which goes where



def expected_start():
    """The file up to the download heading, every answer the format-like text."""
    answers = (NUMBER, NUMBER) + (FORMAT_LIKE,) * 13
    return ("Lorvan.exe (version 2.0) results for user: " + FORMAT_LIKE + "\n\n\n"
            + RESULTS_TEMPLATE % answers + "\n\n\nDownload Lorvan the word game at:\n")


def check_format_like_answers(game):
    game.start()
    game.wait_for_frame("first frame", shows_background)
    play_to_results(game, FORMAT_LIKE, numbers=(NUMBER, NUMBER),
                    texts=[FORMAT_LIKE] * TEXT_QUESTIONS_AFTER_NUMBERS,
                    delay_ms=SHIFTED_KEY_DELAY_MS)
    box = save_and_confirm(game)
    check(box.caption == "Results Saved", "F1 answered %r: %r" % (box.caption, box.text))

    name = "LorvanResults_%s.txt" % FORMAT_LIKE
    text = game.wait_for_file(name).decode("latin-1").replace("\r\n", "\n")
    check(text.startswith(expected_start()),
          "the saved results do not hold the answers as typed:\n%s" % text)
    # Two for the player's name, seven for the names, four titles, the wish.
    check(text.count(FORMAT_LIKE) == 14,
          "the saved results hold %r %d times, not 14" % (FORMAT_LIKE, text.count(FORMAT_LIKE)))

    check(game.running(), "the game ended on the results screen")
    game.wait_for_frame("results after the save", shows_background)
    game.quit_with_yes("the format-like answers")


if __name__ == "__main__":
    run_test(check_format_like_answers)
