"""What can leave a player stuck: a message box closed without an answer (as
dialog.close() or a phone's back gesture closes it) must answer it and let the
game go on; a flood of typing with Ctrl held must not lose Ctrl's key-up, or
every later character is swallowed; and once the game has ended, F5 must reload
the page, as the page tells the player to. All of it in a browser that gives the
page no service worker (a private window, storage blocked: reading
navigator.serviceWorker throws), where the game must start and run as ever."""

from harness.browser import run_test

from harness.game_texts import QUIT_QUESTION
from harness.e2e import check, wait_until

# Each box, how it is opened, and whether the game still runs once it is closed
# without an answer (the quit question takes that as Cancel).
BOXES = [
    ("About", lambda page: page.choose_menu_item("Help", "About")),
    (QUIT_QUESTION[0], lambda page: page.press("Escape")),
]

# A paste far longer than the page's queue holds, as one input event.
FLOOD = 5000
PASTE = """
const field = document.getElementById('answer');
field.value += 'x'.repeat(arguments[0]);
field.dispatchEvent(new InputEvent('input', {inputType: 'insertFromPaste',
                                             data: 'x'.repeat(arguments[0]), bubbles: true}));
"""

# Run before the page's scripts: counts the page's asks for a service worker and
# refuses them.
NO_SERVICE_WORKER = """
window.serviceWorkerAsked = 0;
Object.defineProperty(navigator, "serviceWorker", {
  configurable: true,
  get() {
    window.serviceWorkerAsked += 1;
    throw new DOMException("The browser keeps no service workers here.", "SecurityError");
  },
});
"""

# Records whether the page let the browser have F5 (or the page reloaded).
WATCH_F5 = """
window.sameDocument = true;
window.f5Prevented = null;
window.addEventListener('keydown', (event) => {
  if (event.key === 'F5') { window.f5Prevented = event.defaultPrevented; }
});
"""


def check_typing_reaches_the_game(page, after):
    page.focus_game()
    page.type_text("Bo")
    page.wait_for_answer("typing after %s" % after, "Bo")
    page.type_text("\b\b")
    page.wait_for_answer("the answer erased", "")


def check_closed_boxes(page):
    for caption, open_box in BOXES:
        open_box(page)
        page.wait_for_box(caption)
        page.js("document.getElementById('message-box').close()")
        page.wait_for_no_box()
        page.wait_for_frames(3, "frames after closing %r" % caption)
        check(page.running(), "closing %r ended the game" % caption)
        check_typing_reaches_the_game(page, "closing %r" % caption)


def check_flood_keeps_key_ups(page):
    room = page.js("return Module._LorvanKeyStrokeRoom()")
    page.keys([("down", "Control")])
    page.js(PASTE, FLOOD)
    page.keys([("up", "Control")])
    wait_until("the queue to drain", lambda: page.js("return Module._LorvanKeyStrokeRoom()")
               == room, timeout=60)
    check_typing_reaches_the_game(page, "a flood with Ctrl held")


def check_f5_after_the_end(page):
    page.choose_menu_item("File", "Exit")
    wait_until("the game to end", lambda: not page.running())
    page.js(WATCH_F5)
    page.press("F5")

    def reloaded_or_let_through():
        try:
            state = page.js("return [window.sameDocument === true, window.f5Prevented]")
        except Exception:  # asked while the page was being replaced
            return None
        return not state[0] or state[1] is False
    wait_until("F5 to reload the page or reach the browser", reloaded_or_let_through)
    if not page.js("return window.sameDocument === true"):
        page.wait_for_first_frame()
        check(page.running(), "the reloaded page has no game")


def check_faults(page):
    wait_until("the page to ask for a service worker",
               lambda: page.js("return document.readyState === 'complete' && "
                               "window.serviceWorkerAsked > 0"))
    check_closed_boxes(page)
    check_flood_keeps_key_ups(page)
    check_f5_after_the_end(page)


if __name__ == "__main__":
    run_test(check_faults, before_load=NO_SERVICE_WORKER)
