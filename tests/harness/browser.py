"""Browser harness: serves the built site on 127.0.0.1, opens it in one of three
engines (engines.py: Chromium, Firefox ESR, WebKitGTK) and drives the
game with real key events and clicks, the way a player does. A `Page` offers
what the end-to-end tests of the exe use from their `Game` (type_text, press with
X key names, capture, wait_for_frame, wait_for_box, answer_box, ...), so the
helpers of tests/e2e serve both; their texts, expectations and background
formula are imported from there.

The test server puts test-hooks.js before the page's own scripts: it reports
every error, unhandled rejection, console.error and policy violation back to
the server, and any of them fails the test. A case can have a script of its own
run before the page's (run_test's before_load), served the same way, so the
page's policy holds for it too.

Selenium comes from Debian's python3-selenium: run these with Debian's own
/usr/bin/python3, which can import it.

    PYTHONPATH=tests /usr/bin/python3 tests/browser/test_page.py --engine firefox \\
        --site build/web/web/site --out /tmp/shots
"""

import argparse
import base64
import functools
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import traceback

from .e2e import E2EFailure, Frame, Game, check, wait_until, write_png
from .engines import ENGINES, FEATURES, make_driver

# The scripts the test server puts before the page's own live beside the browser tests.
BROWSER_TESTS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                             "browser")

EVENT_TIMEOUT = 15.0
# Between two typed characters: the game takes one character a frame, 30 a second.
TYPING_PAUSE = 0.04
# What a test skipped in an engine that lacks what it needs exits with (ctest's SKIP).
SKIPPED = 77
# Files a browser writes while a download is still going.
PARTIAL_DOWNLOADS = (".crdownload", ".part", ".download")

TEST_HOOKS = "test-hooks.js"
BEFORE_LOAD = "test-before-load.js"
ERROR_REPORTS = "/test-errors"


class Viewport:
    """The browser window's inner size in CSS pixels, its device pixels per CSS
    pixel, and for a phone (Chromium's emulation) its touch screen and agent."""

    PHONE_AGENT = ("Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 "
                   "(KHTML, like Gecko) Chrome/124.0 Mobile Safari/537.36")

    def __init__(self, width=1000, height=760, scale=1, mobile=False):
        self.width = width
        self.height = height
        self.scale = scale
        self.mobile = mobile
        self.user_agent = self.PHONE_AGENT if mobile else None

    def __repr__(self):
        return "%dx%d@%sx%s" % (self.width, self.height, self.scale,
                                " phone" if self.mobile else "")


class TestServer(http.server.ThreadingHTTPServer):
    """The site on 127.0.0.1 at a free port, in a thread, with the test hooks
    put before the page's scripts and the hooks' reports kept in `reports`."""

    def __init__(self, site, before_load):
        self.site = site
        self.before_load = (before_load or "").encode()
        self.reports = []
        self.stopped = False
        super().__init__(("127.0.0.1", 0), functools.partial(TestRequestHandler, directory=site))
        threading.Thread(target=self.serve_forever, daemon=True).start()

    def stop(self):
        if not self.stopped:
            self.stopped = True
            self.shutdown()
            self.server_close()


class TestRequestHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def end_headers(self):
        # Every test starts from the files just built, never from the cache.
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def _send(self, body, content_type):
        self.send_response(200)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        path = self.path.split("?")[0]
        if path in ("/", "/index.html"):
            with open(os.path.join(self.server.site, "index.html"), "rb") as handle:
                page = handle.read()
            hooks = ('<script src="%s"></script><script src="%s"></script>'
                     % (TEST_HOOKS, BEFORE_LOAD)).encode()
            # Before the first script, after the policy and the other head tags.
            at = page.find(b"<script")
            at = at if at >= 0 else page.find(b"</head>")
            self._send(page[:at] + hooks + page[at:], "text/html; charset=utf-8")
        elif path == "/" + TEST_HOOKS:
            with open(os.path.join(BROWSER_TESTS, TEST_HOOKS), "rb") as handle:
                self._send(handle.read(), "text/javascript")
        elif path == "/" + BEFORE_LOAD:
            self._send(self.server.before_load, "text/javascript")
        else:
            super().do_GET()

    def do_POST(self):
        length = int(self.headers.get("Content-Length", 0))
        body = self.rfile.read(length).decode("utf-8", errors="replace")
        if self.path == ERROR_REPORTS:
            self.server.reports.append(body)
        self.send_response(204)
        self.end_headers()


class Box:
    """The page's message box as a test sees it: caption and text."""

    def __init__(self, caption, text):
        self.caption = caption
        self.text = text

    def __repr__(self):
        return "Box(%r, %r)" % (self.caption, self.text)


# Reads the canvas as red, green, blue bytes (base64), as the player sees it.
CAPTURE_SCRIPT = """
const canvas = document.getElementById('game');
const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
const rgb = new Uint8Array(canvas.width * canvas.height * 3);
for (let i = 0, j = 0; i < data.length; i += 4, j += 3) {
  rgb[j] = data[i]; rgb[j + 1] = data[i + 1]; rgb[j + 2] = data[i + 2];
}
let text = '';
for (let i = 0; i < rgb.length; i += 0x8000) {
  text += String.fromCharCode.apply(null, rgb.subarray(i, i + 0x8000));
}
return [canvas.width, canvas.height, btoa(text)];
"""

# The centre of the first visible element matching a selector whose text starts
# with the given one (spaces run together), scrolled into view; null if none.
FIND_BY_TEXT = """
const [selector, text] = arguments;
for (const element of document.querySelectorAll(selector)) {
  const own = element.textContent.replace(/\\s+/g, ' ').trim();
  const rect = element.getBoundingClientRect();
  if (own.startsWith(text) && rect.width > 0 && rect.height > 0 &&
      getComputedStyle(element).visibility !== 'hidden') {
    element.scrollIntoView({block: 'nearest', inline: 'nearest'});
    const r = element.getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  }
}
return null;
"""

MENU_TITLES = '[role="menubar"] [aria-haspopup], .menu-title'
# The items of the menus, not the menu bar's titles (menu items too, in ARIA's terms).
MENU_ITEMS = ('[role="menuitem"]:not([aria-haspopup]), [role="menuitemcheckbox"], '
              '[role="menuitemradio"]')


class Page:
    """One page load of the game in its own browser, with a download folder of
    its own. Screenshots go to <out>/<test name>/NN_step.png."""

    def __init__(self, site, out_dir, name, engine="chromium", viewport=None, before_load=None):
        self.name = name
        self.engine = engine
        self.viewport = viewport or Viewport()
        self.shots = os.path.join(os.path.abspath(out_dir), name)
        shutil.rmtree(self.shots, ignore_errors=True)
        os.makedirs(self.shots)
        self.downloads = tempfile.mkdtemp(prefix="lorvan-browser-%s-" % name)
        self.server = TestServer(site, before_load)
        self.url = "http://127.0.0.1:%d/index.html" % self.server.server_address[1]
        self.driver = make_driver(engine)
        self.step = 0
        self.began = time.monotonic()

    # -- lifetime ----------------------------------------------------------

    def start(self):
        """Opens the page and waits for its first frame; a click on the game
        gives the browser window and the answer field the keys."""
        self.note("%s %r" % (self.engine, self.viewport))
        self.driver.start(self.viewport, self.downloads)
        self.note("open %s" % self.url)
        self.driver.open(self.url)
        self.wait_for_first_frame()
        self.focus_game()

    def wait_for_first_frame(self, timeout=30):
        wait_until("the first frame",
                   lambda: self.js("return typeof LorvanPage === 'object' && "
                                   "LorvanPage.framesPresented") > 0, timeout)

    def close(self):
        try:
            self.driver.quit()
        finally:
            self.server.stop()
            shutil.rmtree(self.downloads, ignore_errors=True)

    def js(self, script, *args):
        """Runs a function body in the page (`arguments`, `return`; a returned
        promise is awaited) and returns its value."""
        return self.driver.run(script, *args)

    def cdp(self, method, **params):
        """A DevTools protocol command (Chromium only: run_test(needs={"cdp"}))."""
        return self.driver.cdp(method, **params)

    def note(self, what):
        print("[%6.2f s] %s" % (time.monotonic() - self.began, what), flush=True)

    def errors(self):
        """What the test hooks reported: errors, rejections, console errors and
        policy violations, each a JSON text."""
        return list(self.server.reports)

    def running(self):
        """The game runs until it says on the page that it has ended."""
        return not self.js("return document.getElementById('ended').hidden === false")

    def frames_presented(self):
        return self.js("return LorvanPage.framesPresented")

    def wait_for_frames(self, count, what="frames drawn"):
        """Waits until count more frames have been presented."""
        start = self.frames_presented()
        wait_until(what, lambda: self.frames_presented() >= start + count)

    # -- keys and the pointer -------------------------------------------------

    def focus_game(self):
        """A click on the game, which gives the answer field the keys."""
        self.click_element("#game")

    def keys(self, steps):
        """Real key events: ("press" | "down" | "up", key) or ("pause", seconds)."""
        self.driver.keys(steps)

    def press(self, *keys):
        """Presses keys one after another, by their X names ("Return", "F5") or
        as characters."""
        self.note("press %s" % " ".join(keys))
        self.keys([step for key in keys for step in (("press", key), ("pause", TYPING_PAUSE))])

    def type_text(self, text, delay_ms=None):
        """Types text character by character; "\\b" is a Backspace."""
        self.note("type %r" % text)
        pause = TYPING_PAUSE if delay_ms is None else delay_ms / 1000.0
        self.keys([step for character in text
                   for step in (("press", "BackSpace" if character == "\b" else character),
                                ("pause", pause))])

    def centre_of(self, selector):
        """The middle of the first element matching selector, in CSS pixels."""
        return self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2]", selector)

    def click_element(self, selector):
        """A real click in the middle of the first element matching selector."""
        self.driver.click(*self.centre_of(selector))

    def tap_element(self, selector):
        """A finger's tap in the middle of the first element matching selector."""
        self.driver.tap(*self.centre_of(selector))

    def find_text(self, selector, text):
        """The centre of the first visible element of selector whose text starts
        with text, in CSS pixels of the viewport, or None."""
        return self.js(FIND_BY_TEXT, selector, text)

    def click_text(self, text, selector="button, " + MENU_ITEMS):
        centre = self.find_text(selector, text)
        if centre is None:
            raise E2EFailure("nothing to click reads %r" % text)
        self.driver.click(*centre)

    def choose_menu_item(self, menu, item):
        """Clicks a menu of the menu bar, then one of its items, by their texts."""
        self.note("menu %s > %s" % (menu, item))
        self.click_text(menu, MENU_TITLES)
        if self.find_text(MENU_ITEMS, item) is None:
            raise E2EFailure("no menu item %s > %s" % (menu, item))
        self.click_text(item, MENU_ITEMS)

    # -- pictures ------------------------------------------------------------

    def _next_path(self, step):
        self.step += 1
        return os.path.join(self.shots, "%02d_%s.png" % (self.step, step.replace(" ", "_")))

    def capture(self, step, path=None):
        """The canvas's pixels as a Frame, written to <NN>_<step>.png (or path)."""
        width, height, data = self.js(CAPTURE_SCRIPT)
        frame = Frame(path or self._next_path(step), width, height, base64.b64decode(data))
        write_png(frame)
        return frame

    def screenshot(self, step):
        """The viewport, message boxes and all, for people to see."""
        path = self._next_path(step)
        with open(path, "wb") as handle:
            handle.write(self.driver.screenshot())
        return path

    def screenshot_element(self, step, selector="#game"):
        """An element as the browser shows it on the screen, cropped from a
        screenshot of the viewport (WebKit's own element screenshots leave the
        canvas's bottom rows black), in device pixels."""
        path = self.screenshot(step)
        rect, inner = self.js(
            "const r = document.querySelector(arguments[0]).getBoundingClientRect();"
            "return [[r.left, r.top, r.width, r.height], innerWidth]", selector)
        width = int(subprocess.run(["convert", path, "-format", "%w", "info:"], check=True,
                                   stdout=subprocess.PIPE, text=True).stdout)
        ratio = width / inner
        left, top, w, h = (round(value * ratio) for value in rect)
        rgb = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (w, h, left, top),
                              "+repage", "-depth", "8", "rgb:-"], check=True,
                             stdout=subprocess.PIPE).stdout
        frame = Frame(path, w, len(rgb) // (3 * w), rgb)
        write_png(frame)
        return frame

    def keep_for_docs(self, name):
        """A screenshot of the page for the documentation, as <shots>/docs/<name>.png
        (scripts/refresh-doc-screens.sh copies these into docs/screens/)."""
        folder = os.path.join(self.shots, "docs")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, name + ".png"), "wb") as handle:
            handle.write(self.driver.screenshot())

    def _fail_if_ended(self, what):
        if not self.running():
            raise E2EFailure("the game ended while waiting for %s" % what)

    # Captures the canvas until condition(frame) holds, exactly as the exe's tests
    # capture the window.
    wait_for_frame = Game.wait_for_frame

    # -- the page around the canvas -------------------------------------------

    def screen_text(self):
        """The texts of the live region, one a paragraph."""
        return self.js("return Array.from(document.querySelectorAll('#screen-text span'),"
                       " p => p.textContent)")

    def wait_for_screen_text(self, what, condition, timeout=EVENT_TIMEOUT):
        return wait_until(what, lambda: condition(self.screen_text()) and self.screen_text(),
                          timeout)

    def answer(self):
        """The answer field: its name (the question asked) and its value."""
        return self.js("const f = document.getElementById('answer');"
                       "return [f.getAttribute('aria-label'), f.value]")

    def wait_for_answer(self, what, value, timeout=EVENT_TIMEOUT):
        """Waits until the answer field holds value as the game's answer, every
        key taken."""
        return wait_until(what, lambda: self.answer()[1] == value and not self.js(
            "return Module._LorvanInputPending()"), timeout)

    def box(self):
        """The open message box, or None."""
        state = self.js("const d = document.getElementById('message-box');"
                        "return [d.open, document.getElementById('message-box-caption')"
                        ".textContent, document.getElementById('message-box-text').textContent]")
        return Box(state[1], state[2]) if state[0] else None

    def box_buttons(self):
        return self.js("return Array.from(document.querySelectorAll('#message-box button'),"
                       " b => b.textContent)")

    def wait_for_box(self, caption=None, timeout=EVENT_TIMEOUT):
        def shown():
            box = self.box()
            return box if box and (caption is None or box.caption == caption) else None
        box = wait_until("a message box %r" % caption, shown, timeout)
        self.note("box %r" % box)
        return box

    def answer_box(self, box, *keys):
        self.note("answer %r with %s" % (box.caption, " ".join(keys)))
        self.press(*keys)

    def wait_for_no_box(self, timeout=EVENT_TIMEOUT):
        wait_until("the message box to close", lambda: self.box() is None, timeout)

    def saved_name(self, name):
        """The name this browser gives a download the page offers as name."""
        return self.driver.saved_name(name)

    def wait_for_download(self, name, timeout=EVENT_TIMEOUT):
        """Waits until the browser has saved a file of that name in the test's
        download folder and returns its bytes; the file goes to the screenshots."""
        path = os.path.join(self.downloads, name)

        def complete():
            partial = any(f.endswith(PARTIAL_DOWNLOADS) for f in os.listdir(self.downloads))
            return os.path.exists(path) and not partial
        wait_until("the download %s (folder holds %s)" % (name, os.listdir(self.downloads)),
                   complete, timeout)
        with open(path, "rb") as handle:
            data = handle.read()
        # Moved out of the folder, so the next save of the same name lands under
        # that name again (WebKit's MiniBrowser does not save over a file).
        self.step += 1
        shutil.move(path, os.path.join(self.shots, "%02d_%s" % (self.step, name)))
        return data

    def downloaded(self):
        return sorted(f for f in os.listdir(self.downloads) if not f.endswith(PARTIAL_DOWNLOADS))


def parse_arguments(argv=None):
    parser = argparse.ArgumentParser(description="One browser test of Lorvan's page.")
    parser.add_argument("--site", required=True, help="the built site (index.html and all)")
    parser.add_argument("--out", required=True, help="folder for screenshots")
    parser.add_argument("--engine", choices=ENGINES, default="chromium")
    parser.add_argument("--name", help="test name (default: the program's name and engine)")
    return parser.parse_args(argv)


def run_test(test, argv=None, needs=(), viewport=None, before_load=None):
    """Runs test(page) once in the engine of --engine and exits 0 when it passed,
    1 when it failed, SKIPPED where the engine lacks something in needs (see
    engines.FEATURES). Any error or policy violation the page reported
    fails the test."""
    args = parse_arguments(argv)
    name = args.name or "%s_%s" % (os.path.splitext(os.path.basename(sys.argv[0]))[0],
                                   args.engine)
    missing = set(needs) - FEATURES[args.engine]
    if missing:
        print("SKIP %s: %s lacks %s" % (name, args.engine, ", ".join(sorted(missing))))
        sys.exit(SKIPPED)
    page = Page(os.path.abspath(args.site), args.out, name, args.engine, viewport, before_load)
    code = 1
    try:
        page.start()
        test(page)
        time.sleep(0.2)  # the hooks' last reports are on their way
        errors = page.errors()
        check(not errors, "the page reported:\n  %s" % "\n  ".join(errors))
        code = 0
        print("PASS %s (screenshots in %s)" % (name, page.shots))
    except E2EFailure as failure:
        print("FAIL %s: %s (screenshots in %s)" % (name, failure, page.shots))
        for report in page.errors():
            print("page reported:", report)
    except Exception:  # a harness fault: show where
        traceback.print_exc()
        print("ERROR %s (screenshots in %s)" % (name, page.shots))
    finally:
        try:
            page.screenshot("last")
        except Exception:
            pass
        page.close()
    sys.exit(code)

