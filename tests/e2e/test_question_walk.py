"""A player types an answer on each of the fourteen question screens, correcting
some with Backspace and typing past the limits: every screen shows its prompt and
its box at its own place, the box follows the typing, Enter moves on, and the
results file shows each answer as it was left in the box. The captures of the
typed screens are kept as the documentation's pictures."""

from harness.e2e import check, run_test
from harness.question_walk import INTRODUCTION, SCREEN_ANSWERS, Walk, text_right_edge

TITLE_OF_40 = "Honey, I Shrunk the Kids and the Dog Too"
WISH_OF_55 = "I wish for a pony, a castle and a dragon to guard them."

# Per question screen: what the player does, in order ("type" a text, "erase" n
# characters with Backspace, "keep" the box as it stands then among the
# documentation's pictures, under a name), and the answer that must be stored.
PLAYS = [
    (0, [("type", "Anabel"), ("erase", 4), ("type", "nabel"), ("keep", "01-name")], "Annabel"),
    # Letters and a third digit never enter a number box.
    (2, [("type", "q7"), ("erase", 1), ("type", "159"), ("keep", "03-number")], "15"),
    (3, [("type", "a083")], "08"),
    (4, [("type", "Jamie Foz"), ("erase", 1), ("type", "x"), ("keep", "04-name-screen")],
     "Jamie Fox"),
    # The 31st character is dropped.
    (5, [("type", "Maximiliana Wolfeschlegelsteins")], "Maximiliana Wolfeschlegelstein"),
    (6, [("type", "Grandma Rose"), ("keep", "05-friend-name-screen")], "Grandma Rose"),
    (7, [("type", "Uncle Bobb"), ("erase", 2), ("type", "b")], "Uncle Bob"),
    (8, [("type", "Sam")], "Sam"),
    (9, [("type", "The Wizard of Oz"), ("keep", "06-title-screen")], "The Wizard of Oz"),
    (10, [("type", "Jaws")], "Jaws"),
    # The 41st character of a title is dropped.
    (11, [("type", TITLE_OF_40 + "!")], TITLE_OF_40),
    (12, [("type", "Star Warz"), ("erase", 1), ("type", "s")], "Star Wars"),
    # The 56th character of the wish is dropped. A wish that long runs past the
    # box, so the picture is taken while it still fits.
    (13, [("type", WISH_OF_55[:17]), ("keep", "07-wish-screen"), ("type", WISH_OF_55[17:] + "!")],
     WISH_OF_55),
]


def play_screen(walk, screen, actions):
    frame = pixels = None
    for number, (action, argument) in enumerate(actions, 1):
        step = "screen_%d_%s_%d" % (screen, action, number)
        if action == "type":
            frame, pixels = walk.type_settled(argument, step)
        elif action == "erase":
            edge = text_right_edge(pixels)
            walk.game.press(*["BackSpace"] * argument)
            frame, pixels = walk.wait_for_text(
                step, lambda _frame, shown, edge=edge: text_right_edge(shown) < edge)
        else:
            walk.keep_for_docs(frame, argument)


def walk_typing(game):
    walk = Walk(game)
    walk.start()
    for index, (screen, actions, _answer) in enumerate(PLAYS):
        play_screen(walk, screen, actions)
        if screen == 13:
            break
        following = INTRODUCTION if screen == 0 else PLAYS[index + 1][0]
        frame = walk.confirm(following, "screen_%d" % following)
        if following == INTRODUCTION:
            walk.keep_for_docs(frame, "02-introduction")
            # Only Enter leaves the introduction; the letters leave no trace on the
            # next screen, whose box comes up empty.
            game.type_text("ok")
            walk.confirm(PLAYS[1][0], "screen_2")

    answers, file_name = walk.finish()
    check(file_name == "LorvanResults_Annabel.txt", "the results file is %s" % file_name)
    for screen, _actions, expected in PLAYS:
        field = SCREEN_ANSWERS[screen]
        check(answers[field] == expected, "screen %d stored %s = %r, expected %r"
              % (screen, field, answers[field], expected))


if __name__ == "__main__":
    run_test(walk_typing)
