"""What the fourteen question screens look like from outside, and a `Walk` that
takes a player through them: where each screen's text box stands, how to tell
its bevel, the text typed into it and the screen's prompt from the animated
background, and the results file that shows what every Enter stored.

Positions are base units, the client pixels of the first frame; the walk never
resizes the window, so they are the pixels of every capture.
"""

import os
import re

from .game_texts import RESULTS_TEMPLATE
from .e2e import (background_pixel, check, phase_at, safe_background_samples,
                  shows_background, write_png)

BOX_LEFT = 30
BOX_HEIGHT = 33
TEXT_BOX_WIDTH = 550
NUMBER_BOX_WIDTH = 50

# Screen index: (box top, box width), all in base units. The introduction (1) and
# the thinking screen (14) have no box.
BOXES = {
    0: (205, TEXT_BOX_WIDTH),
    2: (175, NUMBER_BOX_WIDTH), 3: (225, NUMBER_BOX_WIDTH),
    4: (175, TEXT_BOX_WIDTH), 5: (225, TEXT_BOX_WIDTH),
    6: (175, TEXT_BOX_WIDTH), 7: (225, TEXT_BOX_WIDTH), 8: (275, TEXT_BOX_WIDTH),
    9: (175, TEXT_BOX_WIDTH), 10: (225, TEXT_BOX_WIDTH), 11: (275, TEXT_BOX_WIDTH),
    12: (325, TEXT_BOX_WIDTH), 13: (175, TEXT_BOX_WIDTH),
}
INTRODUCTION = 1
THINKING = 14

# Pixel colours as a capture shows them: (red, green, blue).
SHADOW_OUTER = (0x9D, 0x9D, 0xA1)
LIGHT_OUTER = (0xF1, 0xF1, 0xF1)
BOX_TEXT = (0, 255, 255)      # cyan
PROMPT_TEXT = (255, 255, 255)
TEXT_SHADOW = (0, 0, 100)     # dark blue, beneath every prompt
GREETING = (255, 255, 50)     # the player's name on the introduction
RESULTS_BAND = (0, 0, 0)      # the results are drawn on black bands

# A prompt of one short line still has hundreds of such pixels; antialiased
# edges where a text colour happens to meet the background give a handful.
ENOUGH_PIXELS = 100
STRAY_PIXELS = 10
# Frames that must pass with the box text unchanged before typing counts as
# arrived: one typed character is applied a frame.
SETTLING_FRAMES = 3
TYPING_DELAY_MS = 35


class Rect:
    """A rectangle of client pixels: left, top, width, height."""

    def __init__(self, left, top, width, height):
        self.left, self.top, self.width, self.height = left, top, width, height

    def __eq__(self, other):
        return vars(self) == vars(other)

    def __hash__(self):
        return hash((self.left, self.top, self.width, self.height))

    def __repr__(self):
        return "(%d, %d) %dx%d" % (self.left, self.top, self.width, self.height)


class Layout:
    """Turns base units into the pixels of a client area of the given size,
    truncating toward zero as the game does."""

    def __init__(self, base_width, base_height, width=None, height=None):
        self.base_width, self.base_height = base_width, base_height
        self.width, self.height = width or base_width, height or base_height

    def x(self, units):
        return int(units * self.width / self.base_width)

    def y(self, units):
        return int(units * self.height / self.base_height)

    def box(self, screen):
        top, width = BOXES[screen]
        return Rect(self.x(BOX_LEFT), self.y(top), self.x(width), self.y(BOX_HEIGHT))

    def all_boxes(self):
        return {self.box(screen) for screen in BOXES}


# ---------------------------------------------------------------------------
# Reading a frame.

def background_phase(frame):
    return phase_at(frame, *safe_background_samples(frame.width, frame.height)[0])


def bevel_faults(frame, box):
    """Where the outer ring of a box's sunken bevel is not as drawn: the shadow
    tone down the left column and along the top row, the light tone down the
    right column and along the bottom row (the light takes the corners but the
    top-left one). Empty when the whole ring is there."""
    right, bottom = box.left + box.width - 1, box.top + box.height - 1
    lines = [
        ("left", SHADOW_OUTER, [(box.left, y) for y in range(box.top, bottom)]),
        ("top", SHADOW_OUTER, [(x, box.top) for x in range(box.left + 1, right)]),
        ("right", LIGHT_OUTER, [(right, y) for y in range(box.top, bottom)]),
        ("bottom", LIGHT_OUTER, [(x, bottom) for x in range(box.left, right + 1)]),
    ]
    faults = []
    for name, colour, pixels in lines:
        wrong = [(x, y) for x, y in pixels if frame.pixel(x, y) != colour]
        if wrong:
            x, y = wrong[0]
            faults.append("%s bevel of box %s: %d of %d pixels wrong, (%d, %d) is %s"
                          % (name, box, len(wrong), len(pixels), x, y, frame.pixel(x, y)))
    return faults


def colour_pixels(frame, colour, area=None):
    """The pixels of exactly one colour that the background does not explain, in
    an area (left, top, right, bottom, exclusive) or the whole frame, as a set of
    (x, y). The bytes are searched rather than walked pixel by pixel, which keeps
    every check of a frame quick on a loaded machine."""
    left, top, right, bottom = area or (0, 0, frame.width, frame.height)
    left, top = max(left, 0), max(top, 0)
    right, bottom = min(right, frame.width), min(bottom, frame.height)
    phase = background_phase(frame)
    wanted = bytes(colour)
    found = set()
    for y in range(top, bottom):
        start = (y * frame.width + left) * 3
        end = (y * frame.width + right) * 3
        i = frame.rgb.find(wanted, start, end)
        while i >= 0:
            if (i - start) % 3 == 0:
                x = left + (i - start) // 3
                if background_pixel(phase, x, y) != colour:
                    found.add((x, y))
            i = frame.rgb.find(wanted, i + 1, end)
    return found


def text_pixels(frame, box):
    """The pixels inside a box's bevel that have the box text's colour and are
    not the background: the glyphs typed or offered, without the caret."""
    return colour_pixels(frame, BOX_TEXT, (box.left + 2, box.top + 2,
                                           box.left + box.width - 2, box.top + box.height - 2))


def frames_between(earlier, later):
    """How many frames the game drew from one capture to a later one, told by the
    background's phase, which moves on by 5 (of 256) every frame; 205 undoes a
    step of 5, since 5 x 205 = 4 x 256 + 1. Exact for up to 255 frames."""
    return ((background_phase(later) - background_phase(earlier)) * 205) % 256


def text_right_edge(pixels):
    """The rightmost column of some text pixels, or -1 for none."""
    return max((x for x, _y in pixels), default=-1)


def count_colour(frame, colour, area=None):
    """How many pixels of a colour the background does not explain."""
    return len(colour_pixels(frame, colour, area))


def screen_faults(frame, layout, screen):
    """What keeps a frame from being the given screen as a player sees it: its
    box with the bevel at its place and no box at any other screen's place, a
    prompt in white over its dark-blue shadow; the introduction's greeting; the
    thinking screen with every question gone. Empty when the frame is it."""
    if not shows_background(frame):
        return ["the background does not show in the bottom-right corner"]
    faults = []
    own = layout.box(screen) if screen in BOXES else None
    if own:
        faults += bevel_faults(frame, own)
    for other in layout.all_boxes() - {own}:
        if not bevel_faults(frame, other):
            faults.append("a box is still drawn at %s" % other)
    white = count_colour(frame, PROMPT_TEXT)
    shadow = count_colour(frame, TEXT_SHADOW)
    if screen == THINKING:
        if white > STRAY_PIXELS:
            faults.append("%d white pixels: a question is still shown" % white)
        if count_colour(frame, BOX_TEXT) < ENOUGH_PIXELS:
            faults.append("no cyan thinking message")
    elif white < ENOUGH_PIXELS or shadow < ENOUGH_PIXELS:
        faults.append("prompt has %d white and %d shadow pixels" % (white, shadow))
    if screen == INTRODUCTION:
        greeting_area = (layout.x(95), layout.y(40), frame.width, layout.y(80))
        if count_colour(frame, GREETING, greeting_area) < ENOUGH_PIXELS:
            faults.append("no yellow greeting after 'Hello'")
    return faults


def shows_results(frame, layout):
    """The results screen: lines of text on black bands from 30 units down."""
    top_band = (0, layout.y(30), frame.width, layout.y(130))
    return count_colour(frame, RESULTS_BAND, top_band) > 20 * ENOUGH_PIXELS


# ---------------------------------------------------------------------------
# The results file: the one place that shows every stored answer as text.

# The answer each placeholder shows, in order; two names are shown twice.
RESULTS_FIELDS = ["peopleCount", "dayCount", "loveName", "noChanceName", "caresName",
                  "knowsYouName", "bestFriendName", "loveTitle", "loveName", "noChanceTitle",
                  "noChanceName", "lifeTitle", "mindTitle", "userName", "wish"]
# The answer each question screen stores.
SCREEN_ANSWERS = {0: "userName", 2: "dayCount", 3: "peopleCount", 4: "loveName",
                  5: "noChanceName", 6: "caresName", 7: "knowsYouName", 8: "bestFriendName",
                  9: "loveTitle", 10: "lifeTitle", 11: "noChanceTitle", 12: "mindTitle",
                  13: "wish"}


def parse_results(data):
    """The answers a results file shows, by name; fails when the file does not
    follow the template or names one answer two different ways."""
    text = data.decode("latin-1").replace("\r\n", "\n")
    pattern = "([^\n]*)".join(re.escape(part) for part in RESULTS_TEMPLATE.split("%s"))
    match = re.search(pattern, text)
    check(match is not None, "the results file does not hold the results:\n%s" % text)
    answers = {}
    for field, value in zip(RESULTS_FIELDS, match.groups()):
        check(answers.setdefault(field, value) == value,
              "the results show %s as %r and as %r" % (field, answers[field], value))
    return answers


# ---------------------------------------------------------------------------
# A player going through the screens.

class Walk:
    """Drives one game through the question screens, checking each screen as it
    comes. Every wait polls captures until the expected picture shows."""

    def __init__(self, game):
        self.game = game
        self.layout = None
        self.screen = 0

    def start(self):
        """Starts the game and waits for the name question; its client size is the
        base size of the layout."""
        info = self.game.start()
        self.layout = Layout(*info.client[2:])
        return self.wait_for_screen(0, "name question")

    def box(self):
        return self.layout.box(self.screen)

    def wait_for_screen(self, screen, step):
        """Waits until a frame shows the screen with its box empty (a screen always
        starts with one), and takes it as the current screen."""
        def shown(frame):
            return not screen_faults(frame, self.layout, screen) and \
                (screen not in BOXES or not text_pixels(frame, self.layout.box(screen)))
        frame = self.game.wait_for_frame(step, shown, explain=lambda f: self._explain(f, screen))
        self.screen = screen
        return frame

    def _explain(self, frame, screen):
        faults = screen_faults(frame, self.layout, screen)
        if screen in BOXES:
            count = len(text_pixels(frame, self.layout.box(screen)))
            if count:
                faults.append("%d text pixels in the box" % count)
        return "; ".join(faults) or "nothing wrong seen"

    def wait_for_text(self, step, condition=lambda _frame, pixels: bool(pixels)):
        """Waits until the current screen shows, box and all, with text in its box
        for which condition(frame, text pixels) holds; returns the frame and the
        pixels."""
        found = []

        def seen(frame):
            if screen_faults(frame, self.layout, self.screen):
                return False
            pixels = text_pixels(frame, self.box())
            found[:] = [pixels]
            return condition(frame, pixels)
        frame = self.game.wait_for_frame(step, seen,
                                         explain=lambda f: self._explain_text(f, found))
        return frame, found[0]

    def _explain_text(self, frame, found):
        faults = screen_faults(frame, self.layout, self.screen)
        if faults:
            return "; ".join(faults)
        pixels = found[0] if found else set()
        return "the box shows %d text pixels, reaching column %d" % (
            len(pixels), text_right_edge(pixels))

    def wait_for_settled_text(self, step):
        """Waits until the box shows the same non-empty text in two captures with
        a few frames drawn between them. The game applies one typed character a
        frame, so that is how a picture shows that the typing has all arrived,
        even when the game was held up for a moment."""
        previous = []

        def settled(frame, pixels):
            same = bool(pixels) and bool(previous) and previous[0][1] == pixels and \
                frames_between(previous[0][0], frame) >= SETTLING_FRAMES
            previous[:] = [(frame, pixels)]
            return same
        return self.wait_for_text(step, settled)

    def type_settled(self, text, step):
        """Types text, about as fast as the game takes characters (one a frame),
        and waits for the box to show it."""
        self.game.type_text(text, delay_ms=TYPING_DELAY_MS)
        return self.wait_for_settled_text(step)

    def take_default(self, step):
        """Enter on the empty box: a default appears in the box and the screen stays."""
        self.game.press("Return")
        return self.wait_for_text(step)

    def confirm(self, next_screen, step):
        """Enter on a filled box: the answer is taken and the next screen follows,
        its box at its own place and empty."""
        self.game.press("Return")
        return self.wait_for_screen(next_screen, step)

    def keep_for_docs(self, frame, name):
        """Keeps a copy of a capture as <test screenshots>/docs/<name>.png, where
        scripts/refresh-doc-screens.sh finds the pictures of the documentation."""
        folder = os.path.join(self.game.shots, "docs")
        os.makedirs(folder, exist_ok=True)
        frame.path = os.path.join(folder, name + ".png")
        write_png(frame)

    def finish(self):
        """From the wish's Enter: the thinking screen, then the results; F1 saves
        them, and the file's answers are returned."""
        self.game.press("Return")
        self.wait_for_screen(THINKING, "thinking")
        self.game.wait_for_frame("results", lambda f: shows_results(f, self.layout), timeout=30)
        self.game.press("F1")
        # The box says the file is written and closed.
        self.game.wait_for_box("Results Saved")
        names = [n for n in self.game.files() if n.startswith("LorvanResults_")]
        check(len(names) == 1, "results files beside the game: %s" % names)
        return parse_results(self.game.wait_for_file(names[0])), names[0]
