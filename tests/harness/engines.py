"""One small driver per browser engine, so that every browser test is written
once and runs in each. A driver opens a page, runs a script in it (a function
body with `arguments`, as Selenium runs scripts), sends real key events and
clicks, takes a screenshot of the viewport, and quits:

    chromium  Debian's chromium through Selenium and chromedriver, headless; its
              DevTools protocol (cdp) also gives phone emulation and the
              on-screen keyboard's input methods.
    firefox   Debian's firefox-esr through puppeteer-core over WebDriver BiDi,
              run by firefox_bridge.mjs (Debian has no geckodriver).
    webkit    WebKitGTK's MiniBrowser through WebKitWebDriver and Selenium, on an
              Xvfb display of its own (MiniBrowser has no headless mode).

Keys are given as steps: ("press" | "down" | "up", key) with a character or one
of the X key names in KEY_NAMES, or ("pause", seconds).
"""

import base64
import json
import os
import shutil
import signal
import subprocess
import tempfile

# The bridge to Firefox lives beside the browser tests, under their ESLint rules.
BROWSER_TESTS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                             "browser")

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
FIREFOX = "/usr/bin/firefox-esr"
NODE = "node"
WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver"
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"

# What a case may need beyond the common interface, by engine.
FEATURES = {
    "chromium": {"cdp", "phone"},
    "firefox": set(),
    "webkit": set(),
}
ENGINES = sorted(FEATURES)

KEY_NAMES = ["Return", "BackSpace", "Escape", "Tab", "Control", "Alt", "F1", "F5", "F6"]


def start_xvfb(width, height):
    """An X display of its own on a free number: (the Xvfb process, ":N")."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0",
         "%dx%dx24" % (width, height)],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        xvfb.kill()
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number


def _end_process(process):
    """Ends a process this harness started, and its group if it leads one."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class SeleniumDriver:
    """What the Chromium and WebKit drivers share: both speak W3C WebDriver."""

    driver = None

    @staticmethod
    def saved_name(name):
        """The name the browser gives a download offered under that name."""
        return name

    def _selenium_keys(self):
        from selenium.webdriver.common.keys import Keys
        return {"Return": Keys.ENTER, "BackSpace": Keys.BACKSPACE, "Escape": Keys.ESCAPE,
                "Tab": Keys.TAB, "Control": Keys.CONTROL, "Alt": Keys.ALT, "F1": Keys.F1,
                "F5": Keys.F5, "F6": Keys.F6}

    def open(self, url):
        self.driver.get(url)

    def run(self, script, *args):
        return self.driver.execute_script(script, *args)

    def keys(self, steps):
        from selenium.webdriver.common.action_chains import ActionChains
        names = self._selenium_keys()
        actions = ActionChains(self.driver)
        for action, key in steps:
            if action == "pause":
                actions.pause(key)
                continue
            key = names.get(key, key)
            if action == "down":
                actions.key_down(key)
            elif action == "up":
                actions.key_up(key)
            else:
                actions.send_keys(key)
        actions.perform()

    def click(self, x, y, pointer="mouse"):
        """A click, or a finger's tap (pointer "touch")."""
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        from selenium.webdriver.common.actions.pointer_input import PointerInput
        builder = ActionBuilder(self.driver, mouse=PointerInput(pointer, pointer))
        builder.pointer_action.move_to_location(int(x), int(y))
        builder.pointer_action.click()
        builder.perform()

    def tap(self, x, y):
        self.click(x, y, "touch")

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def pages(self):
        return len(self.driver.window_handles)

    def quit(self):
        if self.driver is not None:
            try:
                self.driver.quit()
            finally:
                self.driver = None


class ChromiumDriver(SeleniumDriver):
    name = "chromium"

    def start(self, viewport, downloads):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ["--headless=new", "--no-sandbox", "--disable-gpu",
                         "--disable-dev-shm-usage",
                         "--window-size=%d,%d" % (viewport.width, viewport.height),
                         "--force-device-scale-factor=%s" % viewport.scale]:
            options.add_argument(argument)
        options.add_experimental_option("prefs", {
            "download.default_directory": downloads,
            "download.prompt_for_download": False,
            # Each save lands at once: the second download must not wait for a question.
            "profile.default_content_setting_values.automatic_downloads": 1,
        })
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        if viewport.mobile:
            self.emulate_phone(viewport)

    def emulate_phone(self, viewport):
        self.cdp("Emulation.setDeviceMetricsOverride", width=viewport.width,
                 height=viewport.height, deviceScaleFactor=viewport.scale, mobile=True,
                 screenOrientation={"type": "portraitPrimary" if viewport.height > viewport.width
                                    else "landscapePrimary", "angle": 0})
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        self.cdp("Emulation.setUserAgentOverride", userAgent=viewport.user_agent)

    def cdp(self, method, **params):
        """A DevTools protocol command on the page's target."""
        return self.driver.execute_cdp_cmd(method, params)


class WebKitDriver(SeleniumDriver):
    name = "webkit"
    xvfb = None
    service = None
    home = None

    def _start_display(self, viewport):
        """An Xvfb display of the harness's own; returns its name (":N")."""
        self.xvfb, display = start_xvfb(viewport.width + 200, viewport.height + 200)
        return display

    def start(self, viewport, downloads):
        from selenium import webdriver
        from selenium.webdriver.webkitgtk.service import Service
        display = self._start_display(viewport)
        # MiniBrowser saves downloads in the user's download folder, which GLib
        # reads from user-dirs.dirs: a home of its own points it at the test's.
        self.home = tempfile.mkdtemp(prefix="lorvan-webkit-home-")
        config = os.path.join(self.home, ".config")
        os.makedirs(config)
        with open(os.path.join(config, "user-dirs.dirs"), "w") as dirs:
            dirs.write('XDG_DOWNLOAD_DIR="%s"\n' % downloads)
        environment = dict(os.environ, DISPLAY=display, HOME=self.home,
                           XDG_CONFIG_HOME=config, GDK_SCALE=str(int(viewport.scale)))
        environment.pop("WAYLAND_DISPLAY", None)
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        # Debian's Selenium hands its WebKitGTK driver no environment: the
        # service is started here, on the display, and a remote session opened.
        self.service = Service(WEBKIT_DRIVER, env=environment)
        self.service.start()
        self.driver = webdriver.Remote(command_executor=self.service.service_url,
                                       options=options)
        self.driver.set_window_rect(0, 0, viewport.width, viewport.height)

    def quit(self):
        try:
            super().quit()
        finally:
            if self.service is not None:
                self.service.stop()
                self.service = None
            if self.xvfb is not None:
                _end_process(self.xvfb)
                self.xvfb = None
            if self.home is not None:
                shutil.rmtree(self.home, ignore_errors=True)
                self.home = None


class FirefoxDriver:
    name = "firefox"

    @staticmethod
    def saved_name(name):
        # Firefox writes no "%" in a file name, so that none reads as an escape.
        return name.replace("%", "_")

    def __init__(self):
        self.bridge = None
        self.calls = 0

    def _call(self, op, **request):
        self.calls += 1
        request.update(id=self.calls, op=op)
        self.bridge.stdin.write(json.dumps(request) + "\n")
        self.bridge.stdin.flush()
        line = self.bridge.stdout.readline()
        if not line:
            raise RuntimeError("the Firefox bridge ended (%s)" % op)
        answer = json.loads(line)
        if "error" in answer:
            raise RuntimeError("Firefox %s: %s" % (op, answer["error"]))
        return answer["value"]

    def start(self, viewport, downloads):
        self.bridge = subprocess.Popen(
            [NODE, os.path.join(BROWSER_TESTS, "firefox_bridge.mjs")], stdin=subprocess.PIPE,
            stdout=subprocess.PIPE, text=True, start_new_session=True)
        self._call("launch", executable=FIREFOX, width=viewport.width, height=viewport.height,
                   scale=viewport.scale, downloads=downloads)

    def open(self, url):
        self._call("open", url=url)

    def run(self, script, *args):
        return self._call("run", script=script, args=list(args))

    def keys(self, steps):
        self._call("keys", steps=list(steps))

    def click(self, x, y):
        self._call("click", x=x, y=y)

    def tap(self, x, y):
        self._call("tap", x=x, y=y)

    def screenshot(self):
        return base64.b64decode(self._call("screenshot"))

    def pages(self):
        return self._call("pages")

    def quit(self):
        if self.bridge is None:
            return
        try:
            self._call("quit")
        except Exception:  # the bridge's own end closes the browser too
            pass
        self.bridge.stdin.close()
        try:
            self.bridge.wait(15)
        except subprocess.TimeoutExpired:
            os.killpg(self.bridge.pid, signal.SIGKILL)
            self.bridge.wait()
        self.bridge = None


DRIVERS = {"chromium": ChromiumDriver, "firefox": FirefoxDriver, "webkit": WebKitDriver}


def make_driver(engine):
    return DRIVERS[engine]()
