"""End-to-end harness: runs the real Lorvan.exe under Wine on an Xvfb display and
drives it the way a player does, with X key events.

A test program is a function that takes a `Game`; `run_test` parses the command
line CTest hands over (--exe, --probe, --out), makes sure a Wine prefix and a
display exist, and reports the result through the exit code. A typical test:

    def play(game):
        game.start()                                  # fresh folder, window shown
        game.wait_for_frame("first", shows_background)
        game.type_text("Ann")                         # characters, one by one
        game.press("Return")                          # X key names
        frame = game.capture("after_name")            # <out>/<test>/NN_after_name.png
        red, green, blue = frame.pixel(10, 20)
        game.press("F1")
        data = game.wait_for_file("LorvanResults_Ann.txt")   # beside the exe
        game.choose_menu_item("alt+h", "a")           # Help > About
        game.answer_box(game.wait_for_box("About"), "Return")
        game.wait_for_no_box()
        game.press("Escape")
        game.answer_box(game.wait_for_box("Quit?"), "y")
        check(game.wait_for_exit() == 0, "exit code")

    if __name__ == "__main__":
        run_test(play)

Everything here waits on events (a window appearing, a frame changing, the
process ending) with a timeout and never sleeps a fixed time for them: the test
machine is shared and heavily loaded, so any fixed delay is either too long or
sometimes too short.
"""

import argparse
import atexit
import ctypes
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import traceback
import zlib

# The background oracle lives on its own (the browser tests use it too); the
# tests take it from here with the rest of the harness.
from .background_oracle import background_pixel, phase_at  # noqa: F401

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_ROOT = os.path.dirname(os.path.dirname(HERE))
WINE_SESSION_SCRIPT = os.path.join(SOURCE_ROOT, "scripts", "wine-session.sh")

GAME_TITLE_PREFIX = "Lorvan 2.0 - Word game by Tevarin Software"
EXE_NAME = "Lorvan.exe"

# Generous defaults: on a loaded machine a Wine process can take seconds to start.
WINDOW_TIMEOUT = 40.0
EVENT_TIMEOUT = 15.0
POLL_INTERVAL = 0.05
FOCUS_RETRY = 2.0

PR_SET_PDEATHSIG = 1


class E2EFailure(AssertionError):
    """A check of the game failed; the message says what was seen."""


def check(condition, message):
    """Fails the test with the message when the condition is false."""
    if not condition:
        raise E2EFailure(message)


# ---------------------------------------------------------------------------
# Child processes: every one is remembered so that it can be ended however the
# test ends (failure, exception, timeout signal from CTest).

_children = []


def _die_with_parent():
    """Runs in the child before exec: if the harness is killed outright (CTest's
    timeout), the kernel kills the game too instead of leaving it on the display."""
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)
    except (OSError, AttributeError):
        pass


def _spawn(argv, **kwargs):
    process = subprocess.Popen(argv, preexec_fn=_die_with_parent, **kwargs)
    _children.append(process)
    return process


def _end_children():
    for process in _children:
        if process.poll() is None:
            process.kill()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
    _children.clear()


atexit.register(_end_children)


def _raise_on_signal(signum, _frame):
    raise SystemExit(128 + signum)


for _signal in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
    signal.signal(_signal, _raise_on_signal)


def wait_until(what, condition, timeout=EVENT_TIMEOUT, interval=POLL_INTERVAL):
    """Polls condition() until it returns something true and returns that; fails
    with a message naming what was awaited when the timeout passes first."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise E2EFailure("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)


# ---------------------------------------------------------------------------
# Wine and the display.

_own_session = {}


def ensure_session(build_dir):
    """Uses the Wine prefix and display that scripts/test.sh exported; when run by
    hand without them, starts a private Xvfb and the build tree's prefix through
    the same script, and stops both when the harness exits."""
    if os.environ.get("WINEPREFIX") and os.environ.get("DISPLAY"):
        return
    start_private_session(build_dir)


def start_private_session(build_dir, dpi=None, screen=None):
    """Starts an Xvfb display and a Wine prefix of the harness's own, for the
    programs it starts from now on; with a dpi, the build's prefix for that dpi
    (scripts/wine-session.sh). Both stop when the harness exits; a session started
    before by the harness is stopped first."""
    _stop_own_session()
    script = (
        'source "$0" && wine_session_start "$1" "$2" >&2 && '
        'printf "%s\\n" "$WINE_SESSION_XVFB_PID" "$DISPLAY" "$WINEPREFIX" "$WINEDEBUG" '
        '"$WINEDLLOVERRIDES" "$WINEARCH"'
    )
    os.makedirs(build_dir, exist_ok=True)
    env = dict(os.environ)
    env.pop("WINEPREFIX", None)  # the server of the session already running is left alone
    if screen:
        env["WINE_SESSION_SCREEN"] = screen
    output = subprocess.run(
        ["bash", "-c", script, WINE_SESSION_SCRIPT, build_dir, str(dpi or "")],
        check=True, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, text=True, env=env,
    ).stdout.split("\n")
    names = ["DISPLAY", "WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES", "WINEARCH"]
    for name, value in zip(names, output[1:]):
        os.environ[name] = value
    _own_session["xvfb"] = int(output[0])
    if not _own_session.get("registered"):
        atexit.register(_stop_own_session)
        _own_session["registered"] = True


def _stop_own_session():
    pid = _own_session.pop("xvfb", None)
    if pid is None:
        return
    subprocess.run(["wineserver", "-k"], stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if pid:
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass


def display_size():
    """The X screen's width and height in pixels."""
    out = _run(["xdotool", "getdisplaygeometry"]).split()
    return int(out[0]), int(out[1])


def _run(argv, timeout=EVENT_TIMEOUT, check_result=True):
    """Runs a short helper command and returns its standard output."""
    result = subprocess.run(argv, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, timeout=timeout)
    if check_result and result.returncode != 0:
        raise E2EFailure("%s failed (%d): %s" % (" ".join(argv), result.returncode,
                                                   result.stderr.decode(errors="replace")))
    return result.stdout.decode(errors="replace")


# ---------------------------------------------------------------------------
# The probe: a small Windows program that reports what Win32 knows about the
# game's windows. One copy serves a whole test, since starting a Wine process
# for every look costs a good part of a second on a loaded machine.

class Probe:
    """A running `lorvan_probe serve`, asked one command at a time."""

    def __init__(self, probe_exe):
        self.process = _spawn(["wine", probe_exe, "serve"], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.pending = b""

    def ask(self, *words, timeout=EVENT_TIMEOUT):
        """Sends one command and returns its code and the lines of its answer."""
        self.process.stdin.write((" ".join(words) + "\n").encode())
        self.process.stdin.flush()
        deadline = time.monotonic() + timeout
        lines = []
        while True:
            line = self._read_line(deadline)
            if line.startswith("end "):
                return int(line[4:]), lines
            if line:
                lines.append(line)

    def _read_line(self, deadline):
        descriptor = self.process.stdout.fileno()
        while b"\n" not in self.pending:
            remaining = deadline - time.monotonic()
            check(remaining > 0, "the probe did not answer in time")
            readable, _, _ = select.select([descriptor], [], [], remaining)
            if readable:
                chunk = os.read(descriptor, 65536)
                check(chunk != b"", "the probe ended unexpectedly")
                self.pending += chunk
        line, _, self.pending = self.pending.partition(b"\n")
        # The probe's standard output is in text mode: lines end in CR LF.
        return line.decode(errors="replace").rstrip("\r")

    def close(self):
        if self.process.poll() is None:
            self.process.stdin.close()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


# ---------------------------------------------------------------------------
# What the probe reports about a window.

def _unescape(text):
    out = []
    chars = iter(text)
    for c in chars:
        if c == "\\":
            nxt = next(chars, "")
            out.append({"n": "\n", "r": "\r", "t": "\t", "\\": "\\"}.get(nxt, nxt))
        else:
            out.append(c)
    return "".join(out)


class WindowInfo:
    """One top-level window as the probe saw it: Win32 handle, its X window,
    outer rectangle and client area (x, y, width, height, screen coordinates),
    and, for message boxes, caption and text."""

    def __init__(self, line):
        fields = {}
        for part in line.split("\t"):
            key, _, value = part.partition("=")
            fields[key] = value
        self.hwnd = fields["hwnd"]
        self.x11 = int(fields["x11"], 16)
        self.outer = tuple(int(v) for v in fields["outer"].split(","))
        self.client = tuple(int(v) for v in fields["client"].split(","))
        self.visible = fields["visible"] == "1"
        self.iconic = fields["iconic"] == "1"
        self.title = _unescape(fields.get("title", fields.get("caption", "")))
        self.caption = self.title
        self.text = _unescape(fields.get("text", ""))

    def __repr__(self):
        return "WindowInfo(%s %r outer=%s client=%s)" % (self.hwnd, self.title, self.outer,
                                                        self.client)


# ---------------------------------------------------------------------------
# Frames captured from the display.

class Frame:
    """A captured image of the game's client area (or of the whole screen): its
    PNG on disk and its pixels as bytes, three per pixel, red, green, blue."""

    def __init__(self, path, width, height, rgb):
        self.path = path
        self.width = width
        self.height = height
        self.rgb = rgb

    def pixel(self, x, y):
        """(red, green, blue) of the pixel at column x, row y."""
        i = (y * self.width + x) * 3
        return self.rgb[i], self.rgb[i + 1], self.rgb[i + 2]

    def region(self, left, top, right, bottom):
        """Yields (x, y, (r, g, b)) for every pixel with left <= x < right and
        top <= y < bottom, clipped to the frame."""
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                yield x, y, self.pixel(x, y)


def grab_x_window(x11):
    """The pixels of an X window ("root" for the whole display) as a Frame with no
    file yet. ImageMagick hands them over as binary PPM, which needs no image
    library to read and is far quicker to make than a PNG."""
    data = subprocess.run(["import", "-window", str(x11), "-depth", "8", "ppm:-"],
                          check=True, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, timeout=EVENT_TIMEOUT).stdout
    # Header: "P6", width, height, maximum value, each ended by whitespace.
    fields = []
    position = 0
    while len(fields) < 4:
        match = re.compile(rb"\s*(\S+)\s").match(data, position)
        check(match is not None, "unreadable capture of X window %s" % x11)
        fields.append(match.group(1))
        position = match.end()
    check(fields[0] == b"P6" and fields[3] == b"255", "unexpected capture format %r" % fields)
    width, height = int(fields[1]), int(fields[2])
    rgb = data[position:position + width * height * 3]
    check(len(rgb) == width * height * 3, "short capture of X window %s" % x11)
    return Frame(None, width, height, rgb)


def write_png(frame):
    """Writes a frame's pixels to its path as a PNG (8-bit RGB, no filtering)."""
    rows = bytearray()
    row_bytes = frame.width * 3
    for y in range(frame.height):
        rows.append(0)  # filter type: none
        rows += frame.rgb[y * row_bytes:(y + 1) * row_bytes]

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", frame.width, frame.height, 8, 2, 0, 0, 0)
    with open(frame.path, "wb") as handle:
        handle.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(bytes(rows), 1)) + chunk(b"IEND", b""))


def read_png(path):
    """Reads a PNG's pixels through ImageMagick, so the harness needs no image
    library: the raw RGB bytes plus width and height."""
    size = _run(["convert", path, "-format", "%w %h", "info:"]).split()
    width, height = int(size[0]), int(size[1])
    rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                         stdin=subprocess.DEVNULL, stdout=subprocess.PIPE).stdout
    check(len(rgb) == width * height * 3, "unexpected raw size of %s" % path)
    return Frame(path, width, height, rgb)


# ---------------------------------------------------------------------------
# The game under test.

class Game:
    """One run of Lorvan.exe, from a fresh folder of its own, with the helpers a
    test needs to drive it. Screenshots go to <out>/<test name>/NN_step.png."""

    def __init__(self, exe, probe, out_dir, name):
        self.exe = os.path.abspath(exe)
        self.probe_exe = os.path.abspath(probe)
        self.probe = None
        self.name = name
        self.shots = os.path.join(os.path.abspath(out_dir), name)
        shutil.rmtree(self.shots, ignore_errors=True)
        os.makedirs(self.shots)
        self.folder = tempfile.mkdtemp(prefix="lorvan-e2e-%s-" % name)
        # The probe takes the path on a command line split at spaces.
        check(not re.search(r"\s", self.folder), "temporary folder %r has spaces" % self.folder)
        self.exe_copy = os.path.join(self.folder, EXE_NAME)
        shutil.copy2(self.exe, self.exe_copy)
        self.process = None
        self.main = None
        self.step = 0
        self.log = None
        self.began = time.monotonic()

    # -- lifetime ----------------------------------------------------------

    def start(self, timeout=WINDOW_TIMEOUT, launcher=(), game_env=None, until_shown=True):
        """Starts the game from its folder and waits until its window is shown
        on the display and its X window can take the keyboard focus.

        launcher: Wine programs to start the game through, for example
        ("start", "/min", "/wait") to hand it a minimised show command.
        game_env: extra environment variables for the game alone (a Wine trace
        channel, say), not for the probe. until_shown=False waits only until the
        window exists, for a window that starts minimised."""
        self.log = open(os.path.join(self.shots, "wine.log"), "wb")
        self.probe = Probe(self.probe_exe)
        env = dict(os.environ, **(game_env or {}))
        self.process = _spawn(["wine"] + list(launcher) + [self.exe_copy],
                              cwd=os.path.dirname(self.exe_copy), env=env,
                              stdin=subprocess.DEVNULL, stdout=self.log,
                              stderr=subprocess.STDOUT)

        def shown():
            self._fail_if_ended("its window to appear")
            info = self.find_window()
            if info and not until_shown:
                return info
            if info and info.visible and info.x11 and self._viewable(info.x11):
                return info
            return None

        self.main = wait_until("the game window", shown, timeout)
        return self.main

    def close(self):
        """Ends the game if it still runs and removes its folder."""
        if self.process and self.process.poll() is None:
            self.process.kill()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
        if self.probe:
            self.probe.close()
            self.probe = None
        if self.log:
            self.log.close()
            self.log = None
        shutil.rmtree(self.folder, ignore_errors=True)

    def running(self):
        """True while the game's process has not ended."""
        return self.process is not None and self.process.poll() is None

    def quit_with_yes(self, after):
        """Escape, Yes to "Quit?", and the game ends with exit code 0."""
        self.press("Escape")
        self.answer_box(self.wait_for_box("Quit?"), "y")
        code = self.wait_for_exit()
        check(code == 0, "exit code after %s is %d" % (after, code))

    def wait_for_exit(self, timeout=EVENT_TIMEOUT):
        """Waits for the game to end on its own and returns its exit code."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise E2EFailure("the game did not end within %.0f s" % timeout) from None

    def _fail_if_ended(self, what):
        if self.process.poll() is not None:
            raise E2EFailure("the game ended with exit code %d while waiting for %s"
                             % (self.process.returncode, what))

    # -- windows -----------------------------------------------------------

    def _probe(self, *args):
        return self.probe.ask(*args)

    def find_window(self):
        """The game's main window (found by its Win32 class and by the path it was
        started from), or None while it has none."""
        windows_path = "Z:" + self.exe_copy.replace("/", "\\")
        _code, lines = self._probe("window", windows_path)
        return WindowInfo(lines[0]) if lines else None

    def window(self):
        """Fresh geometry of the main window; fails when it has gone."""
        info = self.find_window()
        check(info is not None, "the game window has gone")
        self.main = info
        return info

    def boxes(self):
        """The message boxes the main window owns right now."""
        _code, lines = self._probe("boxes", self.main.hwnd)
        return [WindowInfo(line) for line in lines]

    def wait_for_box(self, caption=None, timeout=EVENT_TIMEOUT):
        """Waits for a message box (with that caption, when given) and returns it
        once its X window is on the display."""
        def shown():
            self._fail_if_ended("a message box %r" % caption)
            for box in self.boxes():
                if (caption is None or box.caption == caption) and box.x11 and \
                        self._viewable(box.x11):
                    return box
            return None
        return wait_until("a message box %r" % caption, shown, timeout)

    def wait_for_no_box(self, timeout=EVENT_TIMEOUT):
        """Waits until the main window owns no message box and has the keyboard
        again. Wine hides a closed box at once but keeps the game's thread inside
        the box's destruction for up to two seconds (it waits for a window manager
        that is not there); keys sent meanwhile would go to the dead box."""
        def back():
            return not self.running() or (not self.boxes() and
                                          self.foreground() == self.main.hwnd)
        wait_until("the message box to close", back, timeout)

    def foreground(self):
        """Handle of the window that gets the keyboard, as the game's thread sees it."""
        _code, lines = self._probe("focus", self.main.hwnd)
        fields = dict(part.partition("=")[::2] for part in lines[0].split("\t")) if lines else {}
        return fields.get("foreground")

    def wait_for_foreground(self, hwnd, timeout=EVENT_TIMEOUT):
        """Waits until a window (the main window or a box) has the keyboard."""
        def has_keyboard():
            self._fail_if_ended("window %s to get the keyboard" % hwnd)
            return self.foreground() == hwnd
        wait_until("window %s to get the keyboard" % hwnd, has_keyboard, timeout)

    def answer_box(self, box, *keys):
        """Answers a message box with keys, as a player would: "y" or "n" for Yes
        or No, "Return" for the default button, "Escape" for Cancel, or "Tab"s to
        move to a button and "space" to press it."""
        self.note("answer %r with %s" % (box.caption, " ".join(keys)))
        self._key_to(box, ["key", "--delay", "60"] + list(keys))

    def open_menu(self, accelerator, timeout=EVENT_TIMEOUT):
        """Opens a menu of the menu bar from the keyboard ("alt+f" for File) and
        waits until its pop-up is on the display, so the next key reaches it."""
        self.press(accelerator)

        def popup_shown():
            self._fail_if_ended("the menu to open")
            _code, lines = self._probe("menus")
            menus = [WindowInfo(line) for line in lines]
            return [menu for menu in menus if menu.x11 and self._viewable(menu.x11)]
        return wait_until("the menu %s to open" % accelerator, popup_shown, timeout)[0]

    def choose_menu_item(self, accelerator, item_key):
        """Chooses a menu item from the keyboard: opens the menu with its
        accelerator, then presses the item's underlined letter ("x" for Exit)."""
        self.open_menu(accelerator)
        self.press(item_key)

    def minimize(self):
        self._probe("show", self.main.hwnd, "minimize")

    def restore(self):
        self._probe("show", self.main.hwnd, "restore")

    def resize(self, width, height):
        """Gives the main window a new outer size, as dragging its frame would."""
        self._probe("resize", self.main.hwnd, str(width), str(height))

    def place(self, x, y, width, height):
        """Gives the main window a new outer position and size."""
        self._probe("place", self.main.hwnd, str(x), str(y), str(width), str(height))

    def _viewable(self, x11):
        return "IsViewable" in _run(["xwininfo", "-id", str(x11)], check_result=False)

    # -- keyboard ----------------------------------------------------------

    def _key_to(self, window, xdotool_args):
        # Without a window manager nothing gives a window the focus: set it, wait
        # until the X server has and the game's thread agrees that this window
        # gets the keyboard, or the keys would be lost or go to a closing box.
        # A window of another program (a Win32 test sharing the display) can take
        # the focus meanwhile, so the focus is set again until it holds.
        deadline = time.monotonic() + EVENT_TIMEOUT
        while True:
            _run(["xdotool", "windowfocus", "--sync", str(window.x11)])
            try:
                self.wait_for_foreground(window.hwnd, timeout=FOCUS_RETRY)
                break
            except E2EFailure:
                if time.monotonic() > deadline:
                    raise
        _run(["xdotool"] + xdotool_args)

    def press(self, *keys):
        """Presses and releases keys in the game window, one after another. Names
        are X key names: "F5", "Escape", "Return", "BackSpace", "alt+f"."""
        self.note("press %s" % " ".join(keys))
        self._key_to(self.main, ["key", "--delay", "60"] + list(keys))

    def type_text(self, text, delay_ms=60):
        """Types text into the game window character by character."""
        self.note("type %r" % text)
        self._key_to(self.main, ["type", "--delay", str(delay_ms), text])

    # -- pictures ----------------------------------------------------------

    def _next_path(self, step):
        self.step += 1
        name = "%02d_%s.png" % (self.step, step.replace(" ", "_").replace("/", "_"))
        self.note("capture %s" % name)
        return os.path.join(self.shots, name)

    def note(self, what):
        """Prints a step with the seconds since the test began, for the CTest log."""
        print("[%6.2f s] %s" % (time.monotonic() - self.began, what), flush=True)

    def capture(self, step, path=None):
        """Captures the client area of the main window as <NN>_<step>.png (or to
        path) and returns it. Without a window manager the X window holds the menu
        bar above the client area, so its top rows are cropped off."""
        info = self.window()
        width, height = info.client[2], info.client[3]
        grabbed = grab_x_window(info.x11)
        menu_rows = grabbed.height - height
        check(menu_rows >= 0 and grabbed.width == width,
              "X window %dx%d does not hold the client area %dx%d"
              % (grabbed.width, grabbed.height, width, height))
        row_bytes = width * 3
        rgb = grabbed.rgb[menu_rows * row_bytes:(menu_rows + height) * row_bytes]
        frame = Frame(path or self._next_path(step), width, height, rgb)
        write_png(frame)
        return frame

    def capture_screen(self, step):
        """Captures the whole display, message boxes and all, for people to see."""
        grabbed = grab_x_window("root")
        frame = Frame(self._next_path(step), grabbed.width, grabbed.height, grabbed.rgb)
        write_png(frame)
        return frame

    def wait_for_frame(self, step, condition, timeout=EVENT_TIMEOUT, explain=None):
        """Captures the client area until condition(frame) holds and returns that
        frame. Every try goes to the same <NN>_<step>.png, so the file shows the
        frame that passed or, after a timeout, the last one seen; explain(frame),
        when given, says in the failure what was wrong with that last frame."""
        path = self._next_path(step)
        last = []

        def seen():
            self._fail_if_ended("a frame showing %s" % step)
            frame = self.capture(step, path)
            last[:] = [frame]
            return frame if condition(frame) else None
        try:
            return wait_until("a frame showing %s" % step, seen, timeout, interval=0.1)
        except E2EFailure as failure:
            if explain and last:
                raise E2EFailure("%s: %s" % (failure, explain(last[0]))) from None
            raise

    # -- files beside the exe ----------------------------------------------

    def file_path(self, name):
        """Where a file the game writes beside itself appears."""
        return os.path.join(self.folder, name)

    def files(self):
        """Names of the files in the game's folder, the exe included."""
        return sorted(os.listdir(self.folder))

    def read_file(self, name):
        """The bytes of a file the game wrote beside itself."""
        with open(self.file_path(name), "rb") as handle:
            return handle.read()

    def wait_for_file(self, name, timeout=EVENT_TIMEOUT):
        """Waits until the game has written a file beside itself and returns its
        bytes; a copy is kept next to the screenshots."""
        path = self.file_path(name)
        wait_until("the file %s" % name, lambda: os.path.exists(path), timeout)
        data = self.read_file(name)
        shutil.copy2(path, os.path.join(self.shots, name))
        return data


# ---------------------------------------------------------------------------
# Where and how to compare a frame with the background (background_oracle.py).

def safe_background_samples(width, height, base_width=None, base_height=None):
    """Client pixels where no screen draws text: the bottom-right area below row
    400 and right of column 330 of the base layout, scaled to the current size."""
    base_width = base_width or width
    base_height = base_height or height
    left = int(330 * width / base_width)
    top = int(402 * height / base_height)
    samples = []
    for y in range(top, height, max(1, (height - top) // 6)):
        for x in range(left, width, max(1, (width - left) // 25)):
            samples.append((x, y))
    samples.append((width - 1, height - 1))
    return samples


def background_mismatches(frame, samples):
    """Sampled pixels that do not follow the background for the phase read from
    the first sample: a list of (x, y, seen, expected), empty when all fit."""
    phase = phase_at(frame, *samples[0])
    wrong = []
    for x, y in samples:
        expected = background_pixel(phase, x, y)
        seen = frame.pixel(x, y)
        if seen != expected:
            wrong.append((x, y, seen, expected))
    return wrong


def describe_mismatches(frame, samples=None):
    """The first few sampled pixels that break the background, for a failure."""
    samples = samples or safe_background_samples(frame.width, frame.height)
    wrong = background_mismatches(frame, samples)
    shown = "; ".join("(%d, %d) is %s, expected %s" % m for m in wrong[:4])
    return "%d of %d samples differ from the background: %s" % (len(wrong), len(samples), shown)


def shows_background(frame, samples=None):
    """True when the sampled pixels are the animated background of one phase."""
    samples = samples or safe_background_samples(frame.width, frame.height)
    return not background_mismatches(frame, samples)


# ---------------------------------------------------------------------------
# Running one test program.

def parse_arguments(argv=None):
    parser = argparse.ArgumentParser(description="One end-to-end test of Lorvan.exe.")
    parser.add_argument("--exe", required=True, help="the built Lorvan.exe")
    parser.add_argument("--probe", required=True, help="the built lorvan_probe.exe")
    parser.add_argument("--out", required=True, help="folder for screenshots and logs")
    parser.add_argument("--name", help="test name (default: the program's name)")
    return parser.parse_args(argv)


def run_test(test, argv=None):
    """Runs test(game) once and exits 0 when it passed, 1 when it failed. The game
    and every helper process are ended whatever happens."""
    args = parse_arguments(argv)
    name = args.name or os.path.splitext(os.path.basename(sys.argv[0]))[0]
    ensure_session(os.path.dirname(os.path.abspath(args.exe)))
    game = Game(args.exe, args.probe, args.out, name)
    code = 1
    try:
        test(game)
        code = 0
        print("PASS %s (screenshots in %s)" % (name, game.shots))
    except E2EFailure as failure:
        print("FAIL %s: %s (screenshots in %s)" % (name, failure, game.shots))
    except Exception:  # a harness fault: show where
        traceback.print_exc()
        print("ERROR %s (screenshots in %s)" % (name, game.shots))
    finally:
        game.close()
        _end_children()
    sys.exit(code)
