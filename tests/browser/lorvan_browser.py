"""Browser harness: serves the built site on 127.0.0.1, opens it in headless
Chromium through Selenium and drives the game with real key events, the way a
player does. A `Page` offers what the end-to-end tests of the exe use from their
`Game` (type_text, press with X key names, capture, wait_for_frame,
wait_for_box, answer_box, ...), so the helpers of tests/e2e serve both; their
texts, expectations and background formula are imported from there.

Selenium comes from Debian's python3-selenium: run these with Debian's own
/usr/bin/python3, which can import it.

    /usr/bin/python3 tests/browser/test_page.py --site build/web/web/site --out /tmp/shots
"""

import argparse
import base64
import functools
import http.server
import os
import shutil
import sys
import tempfile
import threading
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "e2e"))

from lorvan_e2e import E2EFailure, Frame, Game, wait_until, write_png  # noqa: E402

from selenium import webdriver  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
EVENT_TIMEOUT = 15.0
# Between two typed characters: the game takes one character a frame, 30 a second.
TYPING_PAUSE = 0.04

# The X key names the end-to-end tests use, as Selenium's keys.
KEYS = {"Return": Keys.ENTER, "BackSpace": Keys.BACKSPACE, "Escape": Keys.ESCAPE,
        "F1": Keys.F1, "F5": Keys.F5, "F6": Keys.F6, "Tab": Keys.TAB}


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def end_headers(self):
        # Every test starts from the files just built, never from the cache.
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


def serve(site):
    """Serves the site on 127.0.0.1 at a free port, in a thread; returns the server."""
    handler = functools.partial(QuietHandler, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


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


class Page:
    """One page load of the game in its own headless Chromium, with a download
    folder of its own. Screenshots go to <out>/<test name>/NN_step.png."""

    def __init__(self, site, out_dir, name, scale=1):
        self.name = name
        self.shots = os.path.join(os.path.abspath(out_dir), name)
        shutil.rmtree(self.shots, ignore_errors=True)
        os.makedirs(self.shots)
        self.downloads = tempfile.mkdtemp(prefix="lorvan-browser-%s-" % name)
        self.server = serve(site)
        self.url = "http://127.0.0.1:%d/index.html" % self.server.server_address[1]
        self.scale = scale
        self.driver = None
        self.step = 0
        self.began = time.monotonic()

    # -- lifetime ----------------------------------------------------------

    def start(self, width=1000, height=760):
        """Opens the page and waits for its first frame; the canvas has the keys."""
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ["--headless=new", "--no-sandbox", "--disable-gpu",
                         "--disable-dev-shm-usage", "--window-size=%d,%d" % (width, height),
                         "--force-device-scale-factor=%s" % self.scale]:
            options.add_argument(argument)
        options.add_experimental_option("prefs", {
            "download.default_directory": self.downloads,
            "download.prompt_for_download": False,
            # Each F1 saves again: the second download must not wait for a question.
            "profile.default_content_setting_values.automatic_downloads": 1,
        })
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.note("open %s" % self.url)
        self.driver.get(self.url)
        wait_until("the first frame", lambda: self.js("return LorvanPage.framesPresented") > 0)
        self.focus_game()

    def close(self):
        if self.driver is not None:
            try:
                for entry in self.driver.get_log("browser"):
                    print("browser:", entry.get("level"), entry.get("message"))
            except Exception:  # the log is a help, never the result
                pass
            self.driver.quit()
            self.driver = None
        self.server.shutdown()
        shutil.rmtree(self.downloads, ignore_errors=True)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def note(self, what):
        print("[%6.2f s] %s" % (time.monotonic() - self.began, what), flush=True)

    def running(self):
        """The game runs until it says on the page that it has ended."""
        return not self.js("return document.getElementById('ended').hidden === false")

    def frames_presented(self):
        return self.js("return LorvanPage.framesPresented")

    def wait_for_frames(self, count, what="frames drawn"):
        """Waits until count more frames have been presented."""
        start = self.frames_presented()
        wait_until(what, lambda: self.frames_presented() >= start + count)

    # -- keys ----------------------------------------------------------------

    def focus_game(self):
        self.driver.find_element("id", "game").click()

    def press(self, *keys):
        """Presses keys one after another, by their X names ("Return", "F5") or
        as characters."""
        self.note("press %s" % " ".join(keys))
        actions = ActionChains(self.driver)
        for key in keys:
            actions.send_keys(KEYS.get(key, key)).pause(TYPING_PAUSE)
        actions.perform()

    def type_text(self, text, delay_ms=None):
        """Types text character by character; "\\b" is a Backspace."""
        self.note("type %r" % text)
        pause = TYPING_PAUSE if delay_ms is None else delay_ms / 1000.0
        actions = ActionChains(self.driver)
        for character in text:
            actions.send_keys(Keys.BACKSPACE if character == "\b" else character).pause(pause)
        actions.perform()

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
        """The whole page, message boxes and all, for people to see."""
        path = self._next_path(step)
        self.driver.save_screenshot(path)
        return path

    def keep_for_docs(self, name):
        """A screenshot of the page for the documentation, as <shots>/docs/<name>.png
        (scripts/refresh-doc-screens.sh copies these into docs/screens/)."""
        folder = os.path.join(self.shots, "docs")
        os.makedirs(folder, exist_ok=True)
        self.driver.save_screenshot(os.path.join(folder, name + ".png"))

    def _fail_if_ended(self, what):
        if not self.running():
            raise E2EFailure("the game ended while waiting for %s" % what)

    # Captures the canvas until condition(frame) holds, exactly as the exe's tests
    # capture the window.
    wait_for_frame = Game.wait_for_frame

    # -- the page around the canvas -------------------------------------------

    def screen_text(self):
        """The texts of the live region, one a paragraph."""
        return self.js("return Array.from(document.getElementById('screen-text').children,"
                       " p => p.textContent)")

    def wait_for_screen_text(self, what, condition, timeout=EVENT_TIMEOUT):
        return wait_until(what, lambda: condition(self.screen_text()) and self.screen_text(),
                          timeout)

    def box(self):
        """The open message box, or None."""
        state = self.js("const d = document.getElementById('message-box');"
                        "return [d.open, document.getElementById('message-box-caption')"
                        ".textContent, document.getElementById('message-box-text').textContent]")
        return Box(state[1], state[2]) if state[0] else None

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

    def choose_menu_item(self, menu, item):
        """Clicks a menu of the menu bar, then one of its items, by their texts."""
        self.note("menu %s > %s" % (menu, item))
        for title in self.driver.find_elements("css selector", ".menu-title"):
            if title.text == menu:
                title.click()
        for entry in self.driver.find_elements("css selector", '[role="menuitem"]'):
            if entry.is_displayed() and entry.text.startswith(item):
                entry.click()
                return
        raise E2EFailure("no menu item %s > %s" % (menu, item))

    def wait_for_download(self, name, timeout=EVENT_TIMEOUT):
        """Waits until the browser has saved a file of that name in the test's
        download folder and returns its bytes; a copy is kept with the screenshots."""
        path = os.path.join(self.downloads, name)

        def complete():
            partial = any(f.endswith(".crdownload") for f in os.listdir(self.downloads))
            return os.path.exists(path) and not partial
        wait_until("the download %s (folder holds %s)" % (name, os.listdir(self.downloads)),
                   complete, timeout)
        with open(path, "rb") as handle:
            data = handle.read()
        shutil.copy2(path, os.path.join(self.shots, name))
        return data

    def downloaded(self):
        return sorted(os.listdir(self.downloads))


def parse_arguments(argv=None):
    parser = argparse.ArgumentParser(description="One browser test of Lorvan's page.")
    parser.add_argument("--site", required=True, help="the built site (index.html and all)")
    parser.add_argument("--out", required=True, help="folder for screenshots")
    parser.add_argument("--name", help="test name (default: the program's name)")
    return parser.parse_args(argv)


def run_test(test, argv=None, scale=1):
    """Runs test(page) once and exits 0 when it passed, 1 when it failed."""
    args = parse_arguments(argv)
    name = args.name or os.path.splitext(os.path.basename(sys.argv[0]))[0]
    page = Page(os.path.abspath(args.site), args.out, name, scale)
    code = 1
    try:
        page.start()
        test(page)
        code = 0
        print("PASS %s (screenshots in %s)" % (name, page.shots))
    except E2EFailure as failure:
        print("FAIL %s: %s (screenshots in %s)" % (name, failure, page.shots))
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
