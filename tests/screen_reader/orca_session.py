"""A private desktop with Orca, Debian's screen reader, running in it: its own X
server (Xvfb), window manager (openbox), D-Bus session with the accessibility
bus, home and XDG folders, so nothing of the machine's own desktop is touched
and nothing is left behind. Orca speaks through silent_speech.py and logs every
utterance in its debug log, which `Speech` reads as the game goes on.

Only one Orca may run as a user at a time: CTest runs these tests under one
resource lock."""

import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

from harness.engines import start_xvfb

HERE = os.path.dirname(os.path.abspath(__file__))
SCREEN = (1280, 1024)
# Orca's own settings for the test: the silent speech server, no braille, no
# first-start wizard; everything else Orca's defaults, as a new user has them.
ORCA_SETTINGS = {
    "general": {
        "speechServerFactory": "silent_speech",
        "speechServerInfo": None,
        "enableSpeech": True,
        "enableBraille": False,
        "enableBrailleMonitor": False,
        "firstStart": False,
        "profile": ["Default", "default"],
        "startingProfile": ["Default", "default"],
        "activeProfile": ["Default", "default"],
    },
    "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {},
                             "keybindings": {}}},
    "pronunciations": {},
    "keybindings": {},
}
# An utterance as Orca's log has it: the text in quotes, then maybe its voice and
# its speech settings. A text of several lines goes on over the log's next lines,
# each indented to where the first one's text begins.
UTTERANCE_START = re.compile(r"SPEECH (OUTPUT|CUT): '")
UTTERANCE = re.compile(r"SPEECH (OUTPUT|CUT): '(.*?)'(?: voice=\w+)?(?: ?\{.*\})?$", re.DOTALL)
CONTINUATION_INDENT = " " * 18
# What Orca logs once it has started and listens to the desktop.
ORCA_READY = "ORCA: Starting registry"


class SpeechTimeout(AssertionError):
    pass


class Speech:
    """What Orca said, read from its debug log: each utterance in order, with
    what a real voice would have been cut off before finishing."""

    def __init__(self, log_path):
        self.log_path = log_path
        self.said = []  # every utterance, in order
        self.cut = []  # (index of the utterance that followed, unsaid text)
        self._offset = 0
        self._partial = ""
        self._utterance = None  # the lines so far of an utterance of several

    def read(self):
        if not os.path.exists(self.log_path):
            return
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            log.seek(self._offset)
            text = self._partial + log.read()
            self._offset = log.tell()
        lines = text.split("\n")
        self._partial = lines.pop()
        for line in lines:
            if self._utterance is not None:
                self._utterance += "\n" + line[len(CONTINUATION_INDENT):] \
                    if line.startswith(CONTINUATION_INDENT) else "\n" + line
            elif UTTERANCE_START.search(line):
                self._utterance = line
            else:
                continue
            match = UTTERANCE.search(self._utterance)
            if match:
                self._utterance = None
                if match.group(1) == "OUTPUT":
                    self.said.append(match.group(2))
                else:
                    self.cut.append((len(self.said), match.group(2)))

    def mark(self):
        """Where the speech stands now, for wait_for and since."""
        self.read()
        return len(self.said)

    def since(self, mark):
        self.read()
        return self.said[mark:]

    def wait_for(self, what, condition, mark, timeout=20.0):
        """Waits until condition(utterances since mark) holds; returns them."""
        deadline = time.monotonic() + timeout
        while True:
            said = self.since(mark)
            if condition(said):
                return said
            if time.monotonic() > deadline:
                raise SpeechTimeout("Orca did not say %s within %.0f s; it said:\n  %s"
                                    % (what, timeout, "\n  ".join(said[-30:]) or "nothing"))
            time.sleep(0.1)

    def wait_for_quiet(self, quiet=1.0, timeout=20.0):
        """Waits, as a player waits for the speech to end, until Orca has said
        nothing new for quiet seconds."""
        deadline = time.monotonic() + timeout
        count, since = self.mark(), time.monotonic()
        while time.monotonic() - since < quiet:
            if time.monotonic() > deadline:
                raise SpeechTimeout("Orca did not fall quiet within %.0f s" % timeout)
            time.sleep(0.1)
            if self.mark() != count:
                count, since = self.mark(), time.monotonic()

    def wait_for_text(self, text, mark, timeout=20.0):
        return self.wait_for(repr(text), lambda said: any(text in u for u in said), mark,
                             timeout)


class OrcaSession:
    """with OrcaSession(out_dir) as session: session.env for the browser and the
    key driver, session.speech for what Orca said."""

    def __init__(self, out_dir):
        self.out_dir = out_dir
        self.processes = []
        self.dbus_pid = None

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _folder(self, *parts):
        path = os.path.join(self.root, *parts)
        os.makedirs(path, mode=0o700, exist_ok=True)
        return path

    def _start(self):
        os.makedirs(self.out_dir, exist_ok=True)
        self.root = tempfile.mkdtemp(prefix="lorvan-orca-")
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("XDG_", "DBUS_", "WAYLAND_")) and key != "DISPLAY"}
        env.update(HOME=self._folder("home"), XDG_RUNTIME_DIR=self._folder("run"),
                   XDG_CONFIG_HOME=self._folder("config"), XDG_CACHE_HOME=self._folder("cache"),
                   XDG_DATA_HOME=self._folder("data"), GNOME_ACCESSIBILITY="1",
                   ACCESSIBILITY_ENABLED="1", NO_AT_BRIDGE="0")
        self.env = env
        xvfb, env["DISPLAY"] = start_xvfb(*SCREEN)
        self.processes.append(xvfb)
        address = subprocess.run(
            ["dbus-daemon", "--session", "--fork", "--nopidfile", "--print-address=1",
             "--print-pid=1"], env=env, check=True, stdout=subprocess.PIPE, text=True).stdout
        env["DBUS_SESSION_BUS_ADDRESS"], pid = address.split()[:2]
        self.dbus_pid = int(pid)
        for schema, key in [("org.gnome.desktop.interface", "toolkit-accessibility"),
                            ("org.gnome.desktop.a11y.applications", "screen-reader-enabled")]:
            subprocess.run(["gsettings", "set", schema, key, "true"], env=env, check=True)
        self.spawn(["openbox"], "openbox.log")
        self.speech = Speech(os.path.join(self.out_dir, "orca-debug.log"))
        self._start_orca()

    def _start_orca(self):
        prefs = self._folder("orca")
        for name in ("silent_speech.py", "orca-customizations.py"):
            shutil.copy(os.path.join(HERE, name), prefs)
        with open(os.path.join(prefs, "user-settings.conf"), "w") as settings:
            json.dump(ORCA_SETTINGS, settings, indent=2)
        log = self.speech.log_path
        if os.path.exists(log):
            os.remove(log)
        # Never --replace: it kills every Orca of this user, a player's own too. Orca
        # puts its settings folder on its module path, where the speech server is.
        orca = self.spawn(["orca", "-u", prefs, "--debug-file", log], "orca.log")
        deadline = time.monotonic() + 30
        while not (os.path.exists(log) and ORCA_READY in open(log, errors="replace").read()):
            if orca.poll() is not None or time.monotonic() > deadline:
                with open(os.path.join(self.out_dir, "orca.log"), errors="replace") as output:
                    said = output.read().strip()
                raise RuntimeError("Orca did not start (another Orca of this user running "
                                   "stops it): %s; see %s" % (said or "no output", log))
            time.sleep(0.2)

    def spawn(self, command, log_name):
        """Starts a program on the private desktop, its output in out_dir/log_name."""
        with open(os.path.join(self.out_dir, log_name), "wb") as output:
            process = subprocess.Popen(command, env=self.env, stdout=output, stderr=subprocess.STDOUT,
                                       start_new_session=True)
        self.processes.append(process)
        return process

    def run(self, *command):
        """Runs a program on the private desktop (xdotool) and waits for it."""
        subprocess.run(command, env=self.env, check=True)

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except (ProcessLookupError, PermissionError):
                    process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        if self.dbus_pid:
            try:
                os.kill(self.dbus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        if getattr(self, "root", None):
            shutil.rmtree(self.root, ignore_errors=True)
        return False
