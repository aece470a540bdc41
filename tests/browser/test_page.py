"""The page around the game and the keys the game owns: the window's title,
caption, menus and 624x421 canvas; the moving background, and View > Still
background holding it; the live region for screen readers, which typing leaves
alone, and the answer field named by the question from the start; F5's overlay without a reload; F1 without the browser's
help; About; Escape then No or Cancel keeps the game going; a tap and an
on-screen keyboard's typing; File > Quit asks; File > Exit ends the game."""

import os
import time

from harness.browser import MENU_ITEMS, run_test

from harness.game_texts import NAME_SCREEN_TEXTS, QUIT_QUESTION
from harness.e2e import (GAME_TITLE_PREFIX, check, describe_mismatches, phase_at,
                         safe_background_samples, shows_background, wait_until)
from harness.game_texts import WEBSITE_LINE
from harness.overlay import overlay_hidden, overlay_shown

# Keeps the live region's texts after each change, so a test can see what a
# screen reader was given to say, and that an idle screen gives it nothing.
WATCH_LIVE_REGION = """
const region = document.getElementById('screen-text');
window.liveRegionStates = [];
new MutationObserver(() => {
  liveRegionStates.push(Array.from(region.querySelectorAll('span'), (line) => line.textContent));
}).observe(region, {childList: true, characterData: true, subtree: true});
"""
# The menus as the page must offer them, opened one after another; "Share
# results…" is there on the results screen only.
MENUS = [["File", ["Save results", "Quit", "Exit"]], ["View", ["Still background"]],
         ["Help", ["About"]]]
MENU_TITLES_TEXT = ("return Array.from(document.querySelectorAll('[role=menubar] "
                    "[aria-haspopup]'), t => t.textContent.trim())")
VISIBLE_MENU_ITEMS = """
return Array.from(document.querySelectorAll(arguments[0]), (item) => [item, item.getBoundingClientRect()])
  .filter(([, r]) => r.width > 0 && r.height > 0)
  .map(([item]) => item.textContent.replace(/\\s+/g, ' ').trim());
"""


def check_window(page):
    title = page.js("return document.title")
    check(title.startswith(GAME_TITLE_PREFIX), "the page title is %r" % title)
    caption = page.js("return document.getElementById('caption-title').textContent")
    check(caption == title, "the caption bar says %r, the title %r" % (caption, title))
    canvas = page.js("const r = document.getElementById('game').getBoundingClientRect();"
                     "const w = document.getElementById('window').getBoundingClientRect();"
                     "return [r.width, r.height, w.left + w.width / 2, w.top + w.height / 2,"
                     " innerWidth / 2, innerHeight / 2]")
    check(canvas[:2] == [624, 421], "the canvas is %sx%s CSS pixels" % tuple(canvas[:2]))
    check(abs(canvas[2] - canvas[4]) <= 1 and abs(canvas[3] - canvas[5]) <= 1,
          "the window is not centred: %s" % canvas)
    titles = page.js(MENU_TITLES_TEXT)
    check(titles == [title for title, _ in MENUS], "the menu bar holds %s" % titles)
    for title, expected in MENUS:
        page.click_text(title, '[role="menubar"] [aria-haspopup]')
        items = page.js(VISIBLE_MENU_ITEMS, MENU_ITEMS)
        check(len(items) == len(expected) and all(i.startswith(e) for i, e in zip(items, expected)),
              "the %s menu offers %s" % (title, items))
        page.click_text(title, '[role="menubar"] [aria-haspopup]')  # closes it again
    page.focus_game()


def check_still_background(page):
    """View > Still background holds the background's phase: two screenshots a
    second apart are the same where only the background shows; unticked, it
    moves on."""
    page.choose_menu_item("View", "Still background")
    checked = page.js("return Array.from(document.querySelectorAll('[role=menuitemcheckbox]'),"
                      " i => i.getAttribute('aria-checked'))")
    check(checked == ["true"], "Still background is ticked %s" % checked)
    page.wait_for_frames(2)

    def background_area(step):
        shot = page.screenshot_element(step)
        left, top = int(shot.width * 330 / 624), int(shot.height * 402 / 421)
        return bytes(b for _, _, p in shot.region(left, top, shot.width, shot.height) for b in p)
    held = background_area("held")
    time.sleep(1)
    check(background_area("held a second later") == held,
          "the held background moved within a second")
    page.choose_menu_item("View", "Still background")
    first = page.capture("running again")
    x, y = safe_background_samples(first.width, first.height)[0]
    page.wait_for_frame("background moving again",
                        lambda f: phase_at(f, x, y) != phase_at(first, x, y),
                        explain=describe_mismatches)


def check_background(page):
    first = page.wait_for_frame("background", shows_background, explain=describe_mismatches)
    samples = safe_background_samples(first.width, first.height)
    reference = samples[0]
    moved = page.wait_for_frame(
        "background moved",
        lambda f: shows_background(f, samples) and phase_at(f, *reference) != phase_at(first, *reference),
        explain=describe_mismatches)
    for x, y in samples:
        check(moved.pixel(x, y)[1] == first.pixel(x, y)[1], "green changed at (%d, %d)" % (x, y))


# The two ways an answer comes: key by key, or a word an on-screen keyboard
# commits at once (which the game then takes a character a frame).
TYPINGS = [
    ("typed key by key", lambda page, word: page.type_text(word)),
    ("committed at once", lambda page, word: page.js(TAP_AND_TYPE, [["insertText", word]])),
]


# The first screen's question is the answer field's name, in the page as served
# and said as it loads: the live region says the rest of the screen.
FIRST_SCREEN_REGION = [NAME_SCREEN_TEXTS[0], NAME_SCREEN_TEXTS[2]]
SERVED_FIELD = '<input id="answer" class="answer-field" type="text" aria-label="%s"'


def check_live_region(page):
    """The screen's texts are there to be read, once: an idle screen and typing
    leave the live region as it is, and the answer being typed is in the answer
    field alone, which is named by the question from the start and follows every
    change."""
    with open(os.path.join(page.server.site, "index.html"), encoding="utf-8") as served:
        check(SERVED_FIELD % NAME_SCREEN_TEXTS[1] in served.read(), "the page as served does "
              "not name the answer field by the first question")
    page.wait_for_screen_text("the name screen's texts", lambda t: t == FIRST_SCREEN_REGION)
    page.js(WATCH_LIVE_REGION)
    page.wait_for_frames(10)
    check(page.js("return liveRegionStates") == [], "the live region changed on an idle screen")
    word = "Alexandra"
    for how, typing in TYPINGS:
        typing(page, word)
        page.wait_for_answer("the answer %s" % how, word)
        check(page.answer()[0] == NAME_SCREEN_TEXTS[1], "the answer field is named %r"
              % page.answer()[0])
        page.focus_game()
        page.type_text("\b" * len(word))
        page.wait_for_answer("the answer erased", "")
    check(page.js("return liveRegionStates") == [], "typing changed the live region: %s"
          % page.js("return liveRegionStates"))


def check_browser_keys(page):
    """F5 and F1 are the game's: the page is never reloaded and F5 shows the overlay."""
    page.js("window.sameDocument = true")
    check(overlay_hidden(page.capture("before F5")), "overlay pixels in the corner before F5")
    page.press("F5")
    page.wait_for_frame("overlay shown", overlay_shown)
    page.press("F5")
    page.wait_for_frame("overlay hidden", overlay_hidden)
    page.press("F1")
    page.wait_for_frames(5)
    check(page.js("return window.sameDocument === true"), "the page was reloaded")
    check(page.driver.pages() == 1, "a help window opened")
    texts = page.screen_text()
    check(texts == FIRST_SCREEN_REGION, "F5/F1 left %s in the live region" % texts)


def check_boxes_stop_the_game(page, box):
    """While a box is open no frame is drawn; the game goes on after it."""
    frames = page.frames_presented()
    time.sleep(0.3)
    check(page.frames_presented() == frames, "frames were drawn behind the %r box" % box.caption)


def check_about(page):
    page.choose_menu_item("Help", "About")
    box = page.wait_for_box("About")
    page.screenshot("about_box")
    check(box.text.split("\n")[-1] == WEBSITE_LINE, "the About text is %r" % box.text)
    check(page.js("return document.querySelectorAll('#message-box-buttons button').length") == 1,
          "the About box has more than an OK button")
    check_boxes_stop_the_game(page, box)
    page.answer_box(box, "Return")
    page.wait_for_no_box()
    page.wait_for_frames(3, "frames after About")


def check_quit_question_kept(page):
    for answer in ["n", "Escape"]:
        page.press("Escape")
        box = page.wait_for_box(QUIT_QUESTION[0])
        check(box.text == QUIT_QUESTION[1], "the quit question reads %r" % box.text)
        labels = page.js("return Array.from(document.querySelectorAll("
                         "'#message-box-buttons button'), b => b.textContent)")
        check(labels == ["Yes", "No", "Cancel"], "the quit question offers %s" % labels)
        if answer == "n":
            page.keep_for_docs("web-02-quit-question")
        page.answer_box(box, answer)
        page.wait_for_no_box()
        page.wait_for_frames(3, "frames after answering %s" % answer)
        check(page.running(), "the game ended after %s" % answer)
        # Keys typed after the box reach the game again.
        page.type_text("Bo")
        page.wait_for_answer("typing after the box", "Bo")
        page.type_text("\b\b")


# What a tap and an on-screen keyboard give the page: a touch on the canvas, then
# text that the browser's editing puts in the focused field, with no key codes.
TAP_AND_TYPE = """
const canvas = document.getElementById('game');
canvas.dispatchEvent(new PointerEvent('pointerdown', {pointerType: 'touch', bubbles: true}));
const field = document.activeElement;
for (const [command, text] of arguments[0]) {
  document.execCommand(command, false, text);
}
return field.id;
"""


def check_touch(page):
    """A tap focuses the field that brings up the on-screen keyboard, its typing
    reaches the game, and the menu's Quit asks the quit question."""
    focused = page.js(TAP_AND_TYPE, [["insertText", "Zo"], ["delete", None], ["insertText", "e"]])
    check(focused == "answer", "a tap focused %r" % focused)
    page.wait_for_answer("typing on the on-screen keyboard", "Ze")
    page.js(TAP_AND_TYPE, [["delete", None], ["delete", None]])
    page.wait_for_answer("the answer erased", "")
    page.choose_menu_item("File", "Quit")
    page.answer_box(page.wait_for_box(QUIT_QUESTION[0]), "n")
    page.wait_for_no_box()
    page.focus_game()


def check_exit(page):
    page.choose_menu_item("File", "Exit")
    page.wait_for_no_box()
    wait_until("the game to end", lambda: not page.running())
    check(page.box() is None, "File > Exit asked a question")
    texts = page.screen_text()
    check(any("Reload" in text for text in texts), "the page does not say how to play again: %s"
          % texts)
    frames = page.frames_presented()
    time.sleep(0.3)
    check(page.frames_presented() == frames, "frames are still drawn after the end")
    page.screenshot("ended")


def check_page(page):
    check_window(page)
    page.keep_for_docs("web-01-page")
    check_background(page)
    check_still_background(page)
    check_live_region(page)
    check_browser_keys(page)
    check_about(page)
    check_quit_question_kept(page)
    check_touch(page)
    check_exit(page)


if __name__ == "__main__":
    run_test(check_page)
