"""A player presses Enter on every empty box: each question screen stays and puts
a default into its box, the next Enter takes it and moves on, and the results
file shows a default of the right kind for every answer (a joke name, a name, a
title, a wish, a number from 1 to 20). One offered name is edited first."""

from harness.game_texts import (FRIEND_NAMES, MOVIE_TITLES, NUMBERS, OPPOSITE_NAMES, PLAYER_NAMES,
                                WISHES)
from harness.e2e import check, run_test
from harness.question_walk import BOXES, INTRODUCTION, SCREEN_ANSWERS, Walk, text_right_edge

JOKE_NAMES = PLAYER_NAMES
TITLES = MOVIE_TITLES

DEFAULTS = {0: JOKE_NAMES, 2: NUMBERS, 3: NUMBERS, 4: OPPOSITE_NAMES, 5: OPPOSITE_NAMES,
            6: FRIEND_NAMES, 7: FRIEND_NAMES, 8: FRIEND_NAMES, 9: TITLES, 10: TITLES,
            11: TITLES, 12: TITLES, 13: WISHES}

# The screen on which the offered name is shortened by one letter and given
# another last letter before it is taken, as a player may edit a default.
EDITED_SCREEN = 7
EDIT = "!"


def take_offer(walk, screen):
    _frame, pixels = walk.take_default("screen_%d_default" % screen)
    if screen == EDITED_SCREEN:
        edge = text_right_edge(pixels)
        walk.game.press("BackSpace")
        walk.wait_for_text("screen_%d_shortened" % screen,
                           lambda _frame, pixels: text_right_edge(pixels) < edge)
        walk.type_settled(EDIT, "screen_%d_edited" % screen)


def walk_defaults(game):
    walk = Walk(game)
    walk.start()
    questions = sorted(BOXES)
    for screen, following in zip(questions, questions[1:]):
        take_offer(walk, screen)
        if screen == 0:
            walk.confirm(INTRODUCTION, "screen_1")
        walk.confirm(following, "screen_%d" % following)
    take_offer(walk, questions[-1])

    answers, file_name = walk.finish()
    check(file_name == "LorvanResults_%s.txt" % answers["userName"],
          "the results file is %s for the name %r" % (file_name, answers["userName"]))
    for screen, offers in DEFAULTS.items():
        answer = answers[SCREEN_ANSWERS[screen]]
        if screen == EDITED_SCREEN:
            offers = [offer[:-1] + EDIT for offer in offers]
        check(answer in offers, "screen %d stored %r, not one of its defaults" % (screen, answer))


if __name__ == "__main__":
    run_test(walk_defaults)
