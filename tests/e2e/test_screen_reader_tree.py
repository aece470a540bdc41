"""A whole game read as a screen reader reads it: on every screen another process
(the probe) reads the window's UI Automation tree while the game is typed with
real keys. The name screen's texts and its answer, a focused Edit named by its
question; the introduction as one live text; every question's answer a focused
Edit named by its question; the thinking messages live; the results a List of
ListItems, one a line, the first focused and Down moving on. Then a game started
as on a Windows without uiautomationcore.dll gives no elements and plays on."""

import os

from harness.e2e import Game, check, run_test, shows_background, wait_until
from harness.quick_game import play_to_results
from harness.whole_game import results_text

NAME_SCREEN = ["Text: Welcome to Lorvan 2.0 - A Word Game", "Text: Hello user, what is your name?",
               "*Edit: Hello user, what is your name? | Welcome to Lorvan 2.0 - A Word Game\\n"
               "Press 'Enter' to continue.", "Text: Press 'Enter' to continue."]
INTRODUCTION = "~Text: Hello Robin,\\nMy name is PROGRAM, COMPUTER PROGRAM.\\n"
THINKING = ["~Text: ...I AM THINKING...", "~Text: ... BE PATIENT :) ..."]
TYPED = dict(days="7", people="12", love="Alex", no_chance="Sam", cares="Kim", knows_you="Lee",
             best_friend="Max", love_title="Up", life_title="Jaws", no_chance_title="Heat",
             mind_title="Big", wish="a pony")
RESULTS = ([line for line in results_text(dict(TYPED, user="Robin")).split("\n") if line]
           + ["Press 'F1' to save your results. Press 'Escape' to quit.",
              "Link: lorvan.example/products/lorvan/lorvan_latest.zip"])


def read_tree(game):
    """The tree's lines as the probe prints them (None for no tree); the time the
    probe took goes to the log."""
    code, lines = game.probe.ask("uia", game.main.hwnd, timeout=60)
    game.note("%s: %s" % (lines[-1], lines[0][:40]))
    return lines[:-1] if code == 0 else None


def wait_for_tree(game, what, condition):
    """Reads the tree until condition(tree) holds, and returns that tree."""
    return wait_until(what, lambda: (lambda tree: condition(tree) and tree)(read_tree(game)),
                      timeout=60, interval=0)


def question(tree):
    """The one Edit's name when it has the focus and is a text of its screen."""
    edits = [line[len("*Edit: "):] for line in tree if "Edit: " in line]
    focused = len(edits) == 1 and "*Edit: " + edits[0] in tree
    return edits[0] if focused and "Text: " + edits[0] in tree else None


def play_with_a_reader(game):
    game.start()
    game.wait_for_frame("first frame", shows_background)
    tree = read_tree(game)
    check(tree == NAME_SCREEN, "the name screen reads %s" % tree)
    game.type_text("Robin")
    game.press("Return")
    wait_for_tree(game, "the introduction", lambda t: len(t) == 1 and t[0].startswith(INTRODUCTION))
    game.press("Return")
    asked = []
    for answer in TYPED.values():
        tree = wait_for_tree(game, "a new question", lambda t: question(t) not in asked + [None])
        asked.append(question(tree))
        game.type_text(answer)
        game.press("Return")
    said = []

    def thinking_then_results(tree):
        said.extend(tree if len(tree) == 1 and tree[0] in THINKING and tree[0] not in said else [])
        return tree[:1] == ["List: Your results"]
    tree = wait_for_tree(game, "the results", thinking_then_results)
    check(said == THINKING, "the thinking screen read %s" % said)
    expected = ["List: Your results", "  *ListItem: " + RESULTS[0]] + ["  ListItem: " + line
                                                                       for line in RESULTS[1:]]
    check(tree == expected, "the results read:\n%s" % "\n".join(tree))
    game.press("Down")
    wait_for_tree(game, "the second line focused", lambda t: t[2] == "  *ListItem: " + RESULTS[1])
    game.quit_with_yes("a game read by a screen reader")

    # As on a Windows without the library: no elements, and the game plays as ever.
    bare = Game(game.exe, game.probe_exe, os.path.dirname(game.shots), game.name + "_bare")
    try:
        bare.start(game_env={"WINEDLLOVERRIDES": os.environ["WINEDLLOVERRIDES"]
                             + ";uiautomationcore=d"})
        bare.wait_for_frame("first frame", shows_background)
        check(read_tree(bare) in (None, []), "a game without the library gave elements")
        play_to_results(bare, "Robin")
        bare.quit_with_yes("a game without uiautomationcore")
    finally:
        bare.close()


if __name__ == "__main__":
    run_test(play_with_a_reader)
