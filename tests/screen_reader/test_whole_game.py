"""A whole game played as a blind player plays it: Orca running, the page opened
in a real browser window, every key typed from the moment the page has loaded,
with no screen-reader command and no click. Each step waits for what Orca
says, and the game is judged by that speech alone:

- the first screen is said once, the answer field named by its question;
- the first letters reach the game (the results greet the player by them);
- each new screen's text is said once, and the introduction's greeting inside
  its sentence;
- the typed answer is said;
- the quit question and the About box are said, and after either the typing
  reaches the game; so does the quit question opened once the screen has been
  said and answered after a pause, on a screen where nothing has been typed;
- the thinking messages and the results are each said once;
- the results list is read line by line with the reading keys, and a box
  answered there after a pause leads back to it.

    PYTHONPATH=tests python3 tests/screen_reader/test_whole_game.py \\
        --browser firefox --site build/web/web/site --out /tmp/orca
"""

import argparse
import os
import sys
import tempfile
import time

from harness.browser import TestServer
from harness.game_texts import NAME_SCREEN_TEXTS, QUIT_QUESTION, THINKING_MESSAGES

from orca_session import OrcaSession, SpeechTimeout

# A person's pace, and slow enough for the game's one character a frame.
TYPING_DELAY_MS = 150
# How long a player thinks before answering a box, once its speech has ended.
PAUSE_S = 3
PLAYER = "Robin"
# Each question after the introduction: a text only its screen says, and the answer.
QUESTIONS = [
    ("first number", "12"),
    ("second number", "7"),
    ("a person of the opposite gender", "Ann"),
    ("a second name of a person", "Bea"),
    ("Name 1 of 3", "Cy"),
    ("Name 2 of 3", "Di"),
    ("Name 3 of 3", "Ed"),
    ("Movie Title 1 of 4", "Up"),
    ("Movie Title 2 of 4", "Jaws"),
    ("Movie Title 3 of 4", "Heat"),
    ("Movie Title 4 of 4", "Big"),
    ("make a wish", "a kite"),
]
RESULTS_FIRST_LINE = "Here are your results:"
RESULTS_REGION = "Your results region"
SAVED = "Results saved to:"
ABOUT_TEXT = "a word game of names, numbers, movies and one wish"

FIREFOX_PREFS = """
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("startup.homepage_welcome_url.additional", "");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("browser.startup.page", 0);
user_pref("browser.sessionstore.resume_from_crash", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("app.update.disabledForTesting", true);
user_pref("browser.download.folderList", 2);
user_pref("browser.download.dir", "%s");
user_pref("browser.download.useDownloadDir", true);
user_pref("browser.download.alwaysOpenPanel", false);
user_pref("browser.download.panel.shown", true);
"""


def open_firefox(session, url, profile):
    with open(os.path.join(profile, "user.js"), "w") as prefs:
        prefs.write(FIREFOX_PREFS % os.path.join(profile, "downloads"))
    return session.spawn(["firefox-esr", "--new-instance", "--no-remote", "--profile", profile,
                          url], "browser.log")


def open_chromium(session, url, profile):
    # Headless Chromium has no accessibility bridge: a real window it is.
    return session.spawn(["chromium", "--force-renderer-accessibility", "--no-first-run",
                          "--no-default-browser-check", "--user-data-dir=" + profile,
                          "--no-sandbox", "--password-store=basic",
                          "--window-position=0,0", "--window-size=1280,1024", url],
                         "browser.log")


BROWSERS = {"firefox": open_firefox, "chromium": open_chromium}


class Player:
    """Types on the private desktop and listens to Orca."""

    def __init__(self, session):
        self.session = session
        self.speech = session.speech
        self.faults = []

    def type(self, text):
        self.session.run("xdotool", "type", "--delay", str(TYPING_DELAY_MS), text)

    def key(self, name):
        self.session.run("xdotool", "key", name)

    def hears(self, text, mark, timeout=20.0):
        return self.speech.wait_for_text(text, mark, timeout)

    def check(self, condition, fault):
        if not condition:
            self.faults.append(fault)

    def said_once(self, text, said, where):
        count = sum(text in utterance for utterance in said)
        self.check(count == 1, "%s: %r was said %d times" % (where, text, count))


def echoed(said, answer):
    """Whether Orca said the typed answer: whole, or a key at a time."""
    keys = [" " if u.strip() == "space" else u.strip() for u in said]
    return any(answer in u for u in said) or answer in "".join(k for k in keys if len(k) == 1)


def answer_question(player, answer):
    mark = player.speech.mark()
    player.type(answer)
    player.speech.wait_for("the answer %r" % answer, lambda s: echoed(s, answer), mark)
    mark = player.speech.mark()
    player.key("Return")
    return mark


def box_answered_late(player, key, in_box, answer, after, what):
    """A box opened once the screen has been said, and answered after a pause:
    Orca says in_box, then what after(utterances) holds for."""
    player.speech.wait_for_quiet()
    mark = player.speech.mark()
    player.key(key)
    player.hears(in_box, mark)
    player.speech.wait_for_quiet()
    time.sleep(PAUSE_S)
    mark = player.speech.mark()
    player.key(answer)
    player.speech.wait_for(what, after, mark, timeout=10)


def play(player):
    speech = player.speech
    player.hears(NAME_SCREEN_TEXTS[0], 0, timeout=40)
    speech.wait_for_quiet()
    said = speech.since(0)
    for text in NAME_SCREEN_TEXTS:
        player.said_once(text, said, "the first screen")
    player.check(any(u.startswith(NAME_SCREEN_TEXTS[1] + " entry") for u in said),
                 "the answer field was not named by the question: %s" % said)
    # The first letters: half the name, the quit question, Cancel, the rest.
    mark = speech.mark()
    player.type(PLAYER[:3])
    speech.wait_for("the first letters", lambda s: echoed(s, PLAYER[:3]), mark)
    mark = speech.mark()
    player.key("Escape")
    said = player.hears(QUIT_QUESTION[1], mark)
    player.check(any(QUIT_QUESTION[0] in u for u in said),
                 "the quit question's caption was not said: %s" % said)
    mark = speech.mark()
    player.key("Escape")  # the box's Cancel
    # Back in the answer field, named by the question and holding the answer.
    player.hears(PLAYER[:3], mark)
    speech.wait_for_quiet()
    player.type(PLAYER[3:])
    speech.wait_for("the typing after Cancel", lambda s: echoed(s, PLAYER[3:]), mark)
    # Help > About from the keyboard: the menu, the box, and back to the answer.
    mark = speech.mark()
    player.key("alt+h")
    player.hears("About", mark)
    mark = speech.mark()
    player.key("Return")
    said = player.hears(ABOUT_TEXT, mark)
    player.check(any("About dialog" in u for u in said), "the About box was not named: %s" % said)
    mark = speech.mark()
    player.key("Return")
    player.hears(PLAYER, mark)

    # Each screen, by a text only it says, and where its speech starts and ends.
    screens = [(NAME_SCREEN_TEXTS[0], 0)]
    mark = speech.mark()
    player.key("Return")
    said = player.hears("Hello %s," % PLAYER, mark)
    player.check(not any(u.strip() == PLAYER + "," for u in said),
                 "the name was said apart from its greeting: %s" % said)
    screens.append(("Hello %s," % PLAYER, mark))
    mark = speech.mark()
    player.key("Return")
    for marker, answer in QUESTIONS:
        player.hears(marker, mark)
        screens.append((marker, mark))
        if marker == "second number":  # nothing typed on it yet: Cancel, then typing
            screens.append((None, speech.mark()))  # the box and after: said again
            box_answered_late(player, "Escape", QUIT_QUESTION[1], "Escape", lambda s: any(
                "entry" in u for u in s) and "Focus mode" in s, "the answer field, focus mode")
        mark = answer_question(player, answer)
    screens.append((THINKING_MESSAGES[0], mark))

    player.hears(RESULTS_FIRST_LINE, mark, timeout=40)
    speech.wait_for_quiet(quiet=3)  # anything said twice comes now
    said = speech.since(mark)
    for message in THINKING_MESSAGES:
        player.said_once(message, said, "thinking")
    player.said_once(RESULTS_FIRST_LINE, said, "results")
    player.check(any("Hey %s," % PLAYER in u for u in said),
                 "the results do not greet %s: the first letters were lost" % PLAYER)
    for (text, start), (_, end) in zip(screens, screens[1:]):
        if text is not None:
            player.said_once(text, speech.said[start:end], "the screen of %r" % text)

    # The results list, line by line with the reading keys.
    lines = []
    for _ in range(3):
        mark = speech.mark()
        player.key("Down")
        lines.append(speech.wait_for("a line of the results", lambda s: len(s) > 0, mark))
    # The digits typed after the late Cancel reached the game.
    expected = [RESULTS_FIRST_LINE, "You must inform 7 people about me within 12 days",
                "The one that you LOVE is: Ann"]
    player.check(all(any(e in u for u in line) for e, line in zip(expected, lines)),
                 "Down read %s, not the results' lines %s" % (lines, expected))

    # F1 saves from the list, the box is heard, and OK after a pause leads back.
    box_answered_late(player, "F1", SAVED, "Return",
                      lambda s: any(RESULTS_REGION in u for u in s), "the results")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--browser", choices=sorted(BROWSERS), required=True)
    parser.add_argument("--site", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    out = os.path.join(args.out, args.browser)
    server = TestServer(args.site, None)
    url = "http://127.0.0.1:%d/index.html" % server.server_address[1]
    player = None
    try:
        with OrcaSession(out) as session, tempfile.TemporaryDirectory() as profile:
            player = Player(session)
            BROWSERS[args.browser](session, url, profile)
            play(player)
    except SpeechTimeout as timeout:
        if player is not None:
            player.faults.append(str(timeout))
        else:
            raise
    finally:
        server.stop()
    faults = (player.faults if player else []) + ["the page reported %s" % r
                                                  for r in server.reports]
    speech = player.speech if player else None
    if speech is not None:
        with open(os.path.join(out, "speech.txt"), "w") as transcript:
            transcript.write("\n".join(speech.said) + "\n")
            transcript.write("".join("\n-- cut before utterance %d: %s" % cut
                                     for cut in speech.cut))
    for fault in faults:
        print("FAIL %s: %s" % (args.browser, fault))
    print("%s: Orca said %d utterances; the transcript is in %s"
          % (args.browser, len(speech.said) if speech else 0, out))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
