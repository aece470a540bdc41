"""Every control of the page gives the keys back to the game: on the name screen
typed letters must reach the game's answer after each, on the results screen
Escape must reach the game from the results (the quit question)."""

from harness.browser import MENU_ITEMS, MENU_TITLES, run_test
from harness.e2e import check, wait_until
from harness.game_texts import QUIT_QUESTION
from harness.quick_game import play_to_results

OPEN_BOX = ("const box = document.querySelector('dialog[open]');"
            "return box ? box.querySelector('.caption').textContent : null")
# The focused element's id once the game has taken every key.
SETTLED = "return Module._LorvanInputPending() ? null : document.activeElement.id"


def menu(title, item=None, by="mouse"):
    """A menu opened, then an item chosen or the menu closed again."""
    def act(page):
        if by == "keys":
            page.keys([("down", "Alt"), ("press", title[0].lower()), ("up", "Alt")])
            return page.press(item[0].lower() if item else "Escape")
        second = (MENU_ITEMS, item) if item else (MENU_TITLES, title)
        for selector, text in [(MENU_TITLES, title), second]:
            centre = page.find_text(selector, text)
            check(centre is not None, "nothing to press reads %r" % text)
            (page.driver.tap if by == "touch" else page.driver.click)(*centre)
    return act


def box(opening, caption, *answer):
    """A box opened, then answered: by keys, ("click", a button) or ("close",)."""
    def act(page):
        opening(page)
        wait_until("the box %r" % caption, lambda: page.js(OPEN_BOX) == caption)
        if answer[0] == "click":
            page.click_text(answer[1], "#boxes button")
        elif answer[0] == "close":
            page.js("document.querySelector('dialog[open]').close()")
        else:
            page.press(*answer)
        wait_until("the box to close", lambda: page.js(OPEN_BOX) is None)
    return act


AWAY = "document.getElementById('fill-button').focus()"  # the keys taken from the game


def press_on(selector, by="click", away=False):
    """A click or a tap (away: with the keys taken from the game first)."""
    return lambda page: (away and page.js(AWAY), getattr(page, by + "_element")(selector))


QUIT, SAVED, FILL = QUIT_QUESTION[0], "Results Saved", press_on("#fill-button")
ESCAPE, F1 = (lambda page: page.press("Escape")), (lambda page: page.press("F1"))
# Each control and the screens it is tried on: the name screen (N), the results (R).
CONTROLS = [
    ("Fill, and back", [FILL, FILL], "NR"),
    ("File opened and closed by mouse", [menu("File")], "NR"),
    ("Help opened and closed by touch", [menu("Help", by="touch")], "NR"),
    ("View opened with Alt+V, closed with Escape", [menu("View", by="keys")], "NR"),
    ("View > Still background by mouse", [menu("View", "Still background")], "N"),
    ("View > Still background by keys", [menu("View", "Still", by="keys")], "N"),
    ("File > Save results by touch", [menu("File", "Save results", by="touch")], "N"),
    ("Help > About by keys, Enter", [box(menu("Help", "About", by="keys"), "About", "Return")],
     "NR"),
    ("Help > About, OK clicked", [box(menu("Help", "About"), "About", "click", "OK")], "N"),
    ("File > Quit, N", [box(menu("File", "Quit"), QUIT, "n")], "N"),
    ("the quit question, N", [box(ESCAPE, QUIT, "n")], "NR"),
    ("the quit question, Escape", [box(ESCAPE, QUIT, "Escape")], "N"),
    ("the quit question, Tab Tab Enter", [box(ESCAPE, QUIT, "Tab", "Tab", "Return")], "N"),
    ("the quit question, No clicked", [box(ESCAPE, QUIT, "click", "No")], "N"),
    ("the quit question closed unanswered", [box(ESCAPE, QUIT, "close")], "NR"),
    ("F1's confirmation, OK clicked", [box(F1, SAVED, "click", "OK")], "R"),
    ("File > Save results, Enter", [box(menu("File", "Save results"), SAVED, "Return")], "R"),
    ("File > Share results by touch, Enter",
     [box(menu("File", "Share results", by="touch"), "Share results", "Return")], "R"),
    ("a tap on the game", [press_on("#game", "tap", away=True)], "NR"),
    ("a click on the caption", [press_on("#caption-title", away=True)], "NR"),
    ("a click beside the window", [lambda page: (page.js(AWAY), page.driver.click(4, 4))], "NR"),
]


def letters_reach_the_game(page):
    page.type_text("xy")
    page.wait_for_answer("the letters typed", "xy")
    page.type_text("\b\b")
    page.wait_for_answer("the letters erased", "")


def run_controls(page, screen, home, keys_reach_the_game):
    for name, acts, screens in CONTROLS:
        if screen in screens:
            page.note("control: %s" % name)
            for act in acts:
                act(page)
            wait_until("the keys back at %r after %s" % (home, name),
                       lambda: page.js(SETTLED) == home)
            keys_reach_the_game(page)


def check_keys_home(page):
    run_controls(page, "N", "answer", letters_reach_the_game)
    play_to_results(page, "Robin")
    run_controls(page, "R", "results", box(ESCAPE, QUIT, "n"))


if __name__ == "__main__":
    run_test(check_keys_home)
