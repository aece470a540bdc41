"""A player types an answer on each of the fourteen question screens, correcting
some with Backspace and typing past the limits: every screen shows its prompt and
its box at its own place, the box follows the typing, Enter moves on, and the
results file shows each answer as it was left in the box. The captures of the
typed screens are kept as the documentation's pictures."""

from lorvan_e2e import check, run_test
from question_walk import INTRODUCTION, SCREEN_ANSWERS, Walk, text_right_edge

TITLE_OF_40 = "Honey, I Shrunk the Kids and the Dog Too"
WISH_OF_55 = "I wish for a pony, a castle and a dragon to guard them."

# Per question screen: what the player does, in order ("type" a text, "erase" n
# characters with Backspace), the answer that must be stored, and the name the
# capture of the finished answer keeps among the documentation's pictures.
PLAYS = [
    (0, [("type", "Anabel"), ("erase", 4), ("type", "nabel")], "Annabel", "01-name"),
    # Letters and a third digit never enter a number box.
    (2, [("type", "q7"), ("erase", 1), ("type", "159")], "15", "03-number"),
    (3, [("type", "a083")], "08", None),
    (4, [("type", "Jamie Foz"), ("erase", 1), ("type", "x")], "Jamie Fox", "04-name-screen"),
    # The 31st character is dropped.
    (5, [("type", "Maximiliana Wolfeschlegelsteins")], "Maximiliana Wolfeschlegelstein", None),
    (6, [("type", "Grandma Rose")], "Grandma Rose", "05-friend-name-screen"),
    (7, [("type", "Uncle Bobb"), ("erase", 2), ("type", "b")], "Uncle Bob", None),
    (8, [("type", "Sam")], "Sam", None),
    (9, [("type", "The Wizard of Oz")], "The Wizard of Oz", "06-title-screen"),
    (10, [("type", "Jaws")], "Jaws", None),
    # The 41st character of a title is dropped.
    (11, [("type", TITLE_OF_40 + "!")], TITLE_OF_40, None),
    (12, [("type", "Star Warz"), ("erase", 1), ("type", "s")], "Star Wars", None),
    # The 56th character of the wish is dropped.
    (13, [("type", WISH_OF_55 + "!")], WISH_OF_55, "07-wish-screen"),
]


def play_screen(walk, screen, actions, doc_name):
    frame = None
    for number, (action, argument) in enumerate(actions, 1):
        step = "screen_%d_%s_%d" % (screen, action, number)
        if action == "type":
            frame, pixels = walk.type_settled(argument, step)
        else:
            edge = text_right_edge(pixels)
            walk.game.press(*["BackSpace"] * argument)
            frame, pixels = walk.wait_for_text(
                step, lambda p, edge=edge: text_right_edge(p) < edge)
    if doc_name:
        walk.keep_for_docs(frame, doc_name)


def walk_typing(game):
    walk = Walk(game)
    walk.start()
    for index, (screen, actions, _answer, doc_name) in enumerate(PLAYS):
        play_screen(walk, screen, actions, doc_name)
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
    for screen, _actions, expected, _doc in PLAYS:
        field = SCREEN_ANSWERS[screen]
        check(answers[field] == expected, "screen %d stored %s = %r, expected %r"
              % (screen, field, answers[field], expected))


if __name__ == "__main__":
    run_test(walk_typing)
