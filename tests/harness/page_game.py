"""The whole game in the page as the browser tests play it, typed as the exe's
end-to-end test types it, with the page's own checks on the way: corrections,
the live region, downloads, the menus and axe-core audits."""

from .accessibility import check_accessibility
from .e2e import check, wait_until
from .game_texts import NAME_SCREEN_TEXTS, QUIT_QUESTION, THINKING_MESSAGES
from .whole_game import (ANSWERS, FILE_NAME, TYPED, answer_questions, check_thinking,
                         read_defaults, results_file_bytes, shows_results)

# Corrections: a wrong character taken back with Backspace ("\b") before the right one.
CORRECTED = dict(TYPED, days="9\b7", love="Tom & Jerrz\by", wish=TYPED["wish"][:20] + "\b\b"
                 + ANSWERS["wish"][18:20] + TYPED["wish"][20:])


def save_and_confirm(page, from_menu=False):
    if from_menu:
        page.choose_menu_item("File", "Save results")  # what a touch screen has for F1
    else:
        page.press("F1")
    box = page.wait_for_box("Results Saved")
    check(box.text == "Results saved to:\n\n" + FILE_NAME, "the confirmation reads %r" % box.text)
    data = page.wait_for_download(page.saved_name(FILE_NAME))
    page.keep_for_docs("web-04-results-saved")
    page.answer_box(box, "Return")
    page.wait_for_no_box()
    expected = results_file_bytes(read_defaults(data, ANSWERS))
    check(data == expected, "the results file differs:\n%r\nexpected:\n%r" % (data, expected))
    check(page.downloaded() == [], "more was saved: %s" % page.downloaded())


class AuditingIntroduction:
    """The page, for answer_questions: the first Enter, after the name, leads
    to the introduction, which is audited before the game goes on."""

    def __init__(self, page):
        self.page = page
        self.audited = False

    def __getattr__(self, name):
        return getattr(self.page, name)

    def press(self, *keys):
        self.page.press(*keys)
        if not self.audited:
            self.audited = True
            self.page.wait_for_screen_text("the introduction",
                                           lambda t: t and NAME_SCREEN_TEXTS[0] not in t)
            check_accessibility(self.page, "the introduction")


FOCUSED = "const e = document.activeElement; return e ? e.id || e.textContent : null"


def audit_first_screen_and_quit_question(page):
    """The audits, and the box's keys: Tab goes round its buttons and never out,
    and once answered the box gives the keys back to the answer field."""
    check_accessibility(page, "the first screen")
    page.press("Escape")
    box = page.wait_for_box(QUIT_QUESTION[0])
    check_accessibility(page, "the quit question")
    tabbed = []
    for _ in range(4):
        page.press("Tab")
        tabbed.append(page.js(FOCUSED))
    check(tabbed == ["No", "Cancel", "Yes", "No"], "Tab in the quit question went %s" % tabbed)
    page.answer_box(box, "n")
    page.wait_for_no_box()
    check(page.js(FOCUSED) == "answer", "after the box the focus is on %r" % page.js(FOCUSED))


def check_results_list(page, texts):
    """The results stay on the page as a list of their lines under a heading,
    in a region that has the focus."""
    lines = [line for text in texts for line in text.split("\n") if line.strip()]
    listed = page.js("return Array.from(document.querySelectorAll('#results-lines li'),"
                     " (item) => item.textContent)")
    check(listed == lines, "the results list holds %s, not %s" % (listed, lines))
    check(page.js(FOCUSED) == "results", "the focus is on %r, not the results"
          % page.js(FOCUSED))


def play_whole_game(page):
    audit_first_screen_and_quit_question(page)
    answer_questions(AuditingIntroduction(page), ANSWERS, CORRECTED)
    # The keys are sent faster than a loaded machine's game may take them: the
    # thinking screen is watched once the game says it has got there.
    page.wait_for_screen_text("the thinking screen", lambda t: THINKING_MESSAGES[0] in t,
                              timeout=30)
    results = check_thinking(page)
    check(shows_results(results), "no results screen")
    texts = page.wait_for_screen_text("the results", lambda t: any("Here are your results:" in x
                                                                 for x in t))
    greeting = "Hey %s, I hope you had GOOD LUCK !!! :)" % ANSWERS["user"]
    check(any(greeting in text for text in texts), "the live region holds %s" % texts)
    check_results_list(page, texts)

    page.keep_for_docs("web-03-results")
    check_accessibility(page, "the results")

    # Typed letters, Backspace and Enter change nothing on the results screen.
    page.type_text("zz")
    page.press("BackSpace", "Return")
    page.wait_for_frame("results after typing", shows_results)
    check(page.downloaded() == [], "a file was saved before F1: %s" % page.downloaded())

    save_and_confirm(page)
    save_and_confirm(page, from_menu=True)

    page.press("Escape")
    box = page.wait_for_box(QUIT_QUESTION[0])
    page.answer_box(box, "y")
    wait_until("the game to end", lambda: not page.running())
    page.screenshot("ended")
