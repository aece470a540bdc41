"""The page on a phone, in Chromium's emulation (3 device pixels per CSS pixel,
touch, a phone's agent): in portrait and landscape the whole window is on the
screen, with no horizontal scroll and no zoom-out, its client area at the exe's
624:421 filling the screen's width (portrait) or height (landscape); a tap on
the game focuses the answer field, on which a whole game is typed as an
on-screen keyboard types it - committed text, compositions, Backspace and Enter,
each character taken once; Save results and Share results… are tapped in the
File menu: the file is downloaded, and with no share sheet the results and the
page's address go to the clipboard, which a page dialog says."""

import re
import time

from harness.browser import MENU_ITEMS, TYPING_PAUSE, Viewport, run_test

from harness.e2e import check, wait_until
from harness.whole_game import (ANSWERS, FILE_NAME, TYPED, answer_questions, read_defaults,
                                results_file_bytes)

SCALE = 3
# The game is played in the last.
PHONES = [Viewport(360, 800, SCALE, mobile=True), Viewport(844, 390, SCALE, mobile=True),
          Viewport(390, 844, SCALE, mobile=True)]
# Corrections on the on-screen keyboard: a wrong character, then Backspace.
PHONE_TYPED = dict(TYPED, days="9\b7", love="Tom & Jerrz\by")

# Keeps what the page copies, so the test reads it without the clipboard's
# permission prompt; the copy itself still goes through.
RECORD_CLIPBOARD = """
if (navigator.clipboard) {
  const write = navigator.clipboard.writeText.bind(navigator.clipboard);
  navigator.clipboard.writeText = (text) => { window.copiedText = text; return write(text); };
}
"""

# The viewport and the window's parts, in CSS pixels.
LAYOUT = """
const rect = (e) => { const r = e.getBoundingClientRect();
                      return [r.left, r.top, r.right, r.bottom]; };
const win = document.getElementById('window');
const parts = Array.from(win.querySelectorAll('*'))
  .filter((e) => e.getClientRects().length > 0 && !e.closest('[role=menu]'))
  .map((e) => [e.id || e.className || e.tagName, rect(e)]);
return {viewport: [visualViewport.width, visualViewport.height, visualViewport.scale, innerWidth],
        scrollWidth: document.documentElement.scrollWidth,
        window: rect(win), canvas: rect(document.getElementById('game')), parts};
"""


def check_layout(page, phone):
    layout = page.js(LAYOUT)
    width, height, zoom, inner = layout["viewport"]
    check(zoom == 1 and inner == phone.width and layout["scrollWidth"] <= width,
          "%r: zoomed %s, layout %s wide, scrolls to %s" % (phone, zoom, inner,
                                                          layout["scrollWidth"]))

    def inside(box):
        return box[0] >= 0 and box[1] >= 0 and box[2] <= width + 0.5 and box[3] <= height + 0.5
    outside = [name for name, box in [("window", layout["window"])] + layout["parts"]
               if not inside(box)]
    check(outside == [], "%r: off the screen: %s" % (phone, outside))
    left, top, right, bottom = layout["canvas"]
    check(abs((right - left) * 421 - (bottom - top) * 624) <= 624,
          "%r: the client area is %sx%s, not 624:421" % (phone, right - left, bottom - top))
    win = layout["window"]
    filled = (win[2] - win[0] >= width - 1) if phone.height > phone.width else \
        (win[3] - win[1] >= height - 1)
    check(filled, "%r: the window %s does not fill the screen's %s" % (
        phone, win, "width" if phone.height > phone.width else "height"))
    page.screenshot("phone %dx%d" % (phone.width, phone.height))


def tap(page, x, y):
    page.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
    page.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])


def tap_text(page, text, selector):
    centre = page.find_text(selector, text)
    check(centre is not None, "nothing to tap reads %r" % text)
    tap(page, *centre)


class OnScreenKeyboard:
    """The page, for answer_questions, typing as a phone's keyboard does: words
    composed letter by letter and then committed, other text committed at
    once, Backspace and Enter as the keyboard's own keys. It types at the pace
    of the other tests' keys: the game takes one character a frame."""

    KEYS = {"Return": ("Enter", 13, "\r"), "BackSpace": ("Backspace", 8, "")}

    def __init__(self, page):
        self.page = page
        self.room = page.js("return Module._LorvanKeyStrokeRoom()")

    def __getattr__(self, name):
        return getattr(self.page, name)

    def press(self, *keys):
        for key in keys:
            if key == "Return":
                # A keyboard types no faster than the game takes it: the answer
                # is in before Enter is.
                wait_until("the game to take the typing", lambda: self.page.js(
                    "return Module._LorvanKeyStrokeRoom()") == self.room)
            name, code, text = self.KEYS[key]
            self.page.cdp("Input.dispatchKeyEvent", type="keyDown", key=name, code=name,
                          windowsVirtualKeyCode=code, text=text)
            self.page.cdp("Input.dispatchKeyEvent", type="keyUp", key=name, code=name,
                          windowsVirtualKeyCode=code)

    def type_text(self, text):
        self.page.note("type on the on-screen keyboard %r" % text)
        for token in re.findall(r"[A-Za-z]{2,}|[\s\S]", text):
            if token == "\b":
                self.press("BackSpace")
            elif len(token) > 1:  # a word: composed letter by letter, then committed
                for end in range(1, len(token) + 1):
                    self.page.cdp("Input.imeSetComposition", text=token[:end],
                                  selectionStart=end, selectionEnd=end)
                    time.sleep(TYPING_PAUSE)
                self.page.cdp("Input.insertText", text=token)
            else:
                self.page.cdp("Input.insertText", text=token)
                time.sleep(TYPING_PAUSE)


def play_on_the_phone(page):
    page.cdp("Browser.grantPermissions", origin=page.url.split("/index.html")[0],
             permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
    check_layout(page, PHONES[0])
    for phone in PHONES[1:]:
        page.driver.emulate_phone(phone)
        page.driver.open(page.url)
        page.wait_for_first_frame()
        check_layout(page, phone)

    canvas = page.js("const r = document.getElementById('game').getBoundingClientRect();"
                     "return [r.left + r.width / 2, r.top + r.height / 2]")
    tap(page, *canvas)
    focused = page.js("const e = document.activeElement;"
                      "return [e.id, parseFloat(getComputedStyle(e).fontSize)]")
    check(focused[0] == "answer" and focused[1] >= 16,
          "a tap focused %r with a %s px font (under 16 px, Safari zooms in)" % tuple(focused))

    answer_questions(OnScreenKeyboard(page), ANSWERS, PHONE_TYPED)
    page.wait_for_screen_text("the results", lambda t: any("Here are your results:" in x
                                                         for x in t), timeout=60)
    page.screenshot("results on the phone")

    tap_text(page, "File", '[role="menubar"] [aria-haspopup]')
    tap_text(page, "Save results", MENU_ITEMS)
    page.wait_for_box("Results Saved")
    data = page.wait_for_download(FILE_NAME)
    expected = results_file_bytes(read_defaults(data, ANSWERS))
    check(data == expected, "the results file differs:\n%r\nexpected:\n%r" % (data, expected))
    tap_text(page, "OK", "#message-box button")
    page.wait_for_no_box()

    tap_text(page, "File", '[role="menubar"] [aria-haspopup]')
    tap_text(page, "Share results", MENU_ITEMS)
    said = wait_until("a page dialog about the copy", lambda: page.js(
        "const d = document.querySelector('dialog[open]'); return d && d.textContent"))
    copied = page.js("return [window.copiedText, location.href]")
    results = expected.decode("ascii").replace("\r\n", "\n")
    check(copied[0] and results in copied[0] and copied[1].split("index.html")[0] in copied[0],
          "the clipboard got %r" % copied[0])
    check("clipboard" in said.lower(), "the page said %r" % said)
    page.screenshot("shared")


if __name__ == "__main__":
    run_test(play_on_the_phone, needs={"phone"}, viewport=PHONES[0],
             before_load=RECORD_CLIPBOARD)
