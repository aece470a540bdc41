"""The page around the game and the keys the game owns: the window's title,
caption, menus and 624x421 canvas; the moving background; the live region for
screen readers; F5's overlay without a reload; F1 without the browser's help;
About; Escape then No or Cancel keeps the game going; a tap and an on-screen
keyboard's typing; File > Quit asks; File > Exit ends the game."""

import time

from lorvan_browser import run_test  # first: it finds the end-to-end helpers

from game_texts import NAME_SCREEN_TEXTS, QUIT_QUESTION
from lorvan_e2e import (GAME_TITLE_PREFIX, check, describe_mismatches, phase_at,
                        safe_background_samples, shows_background, wait_until)
from test_about_box import WEBSITE_LINE
from test_fps_overlay import overlay_hidden, overlay_shown

# Counts the live region's changes, so a test can see it is not rewritten every frame.
WATCH_LIVE_REGION = """
window.liveRegionChanges = 0;
new MutationObserver((records) => { window.liveRegionChanges += records.length; })
  .observe(document.getElementById('screen-text'),
           {childList: true, characterData: true, subtree: true});
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
    menus = page.js("return Array.from(document.querySelectorAll('.menu'), m => "
                    "[m.querySelector('.menu-title').textContent, Array.from("
                    "m.querySelectorAll('[role=menuitem]'), i => i.firstElementChild.textContent)])")
    check(menus == [["File", ["Save results", "Quit", "Exit"]], ["Help", ["About"]]],
          "the menus are %s" % menus)


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


def check_live_region(page):
    page.wait_for_screen_text("the name screen's texts", lambda t: t == NAME_SCREEN_TEXTS)
    page.js(WATCH_LIVE_REGION)
    page.wait_for_frames(10)
    check(page.js("return liveRegionChanges") == 0, "the live region changed on an idle screen")
    page.type_text("Ann")
    texts = page.wait_for_screen_text("the answer being typed", lambda t: "Ann" in t)
    check(texts == NAME_SCREEN_TEXTS + ["Ann"], "the live region holds %s" % texts)
    page.type_text("\b\b\b")
    page.wait_for_screen_text("the answer erased", lambda t: t == NAME_SCREEN_TEXTS)


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
    check(len(page.driver.window_handles) == 1, "a help window opened")
    texts = page.screen_text()
    check(texts == NAME_SCREEN_TEXTS, "F5/F1 left %s in the live region" % texts)


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
        page.wait_for_screen_text("typing after the box", lambda t: t[-1:] == ["Bo"])
        page.type_text("\b\b")


# What a tap and an on-screen keyboard give the page: a touch on the canvas, then
# text as input events on the focused field, with no key codes.
TAP_AND_TYPE = """
const canvas = document.getElementById('game');
canvas.dispatchEvent(new PointerEvent('pointerdown', {pointerType: 'touch', bubbles: true}));
const field = document.activeElement;
for (const [inputType, data] of arguments[0]) {
  field.dispatchEvent(new InputEvent('input', {inputType, data, bubbles: true}));
}
return field.id;
"""


def check_touch(page):
    """A tap focuses the field that brings up the on-screen keyboard, its typing
    reaches the game, and the menu's Quit asks the quit question."""
    focused = page.js(TAP_AND_TYPE, [["insertText", "Zo"], ["deleteContentBackward", None],
                                     ["insertText", "e"]])
    check(focused == "touch-keys", "a tap focused %r" % focused)
    page.wait_for_screen_text("typing on the on-screen keyboard", lambda t: t[-1:] == ["Ze"])
    page.js(TAP_AND_TYPE, [["deleteContentBackward", None], ["deleteContentBackward", None]])
    page.wait_for_screen_text("the answer erased", lambda t: t == NAME_SCREEN_TEXTS)
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
    check_live_region(page)
    check_browser_keys(page)
    check_about(page)
    check_quit_question_kept(page)
    check_touch(page)
    check_exit(page)


if __name__ == "__main__":
    run_test(check_page)
