"""What the tests of a whole game share: answering the fourteen questions, telling
the thinking screen's two messages and the results screen apart in captures, and
the results file as the game must write it, built here from the answers without
the game's code."""

import re
import time

import os

from .game_texts import (FRIEND_NAMES, MOVIE_TITLES, NUMBERS, OPPOSITE_NAMES, PLAYER_NAMES,
                         RESULTS_TEMPLATE, WISHES)
from .e2e import background_pixel, check, phase_at, safe_background_samples, write_png

CYAN = (0, 255, 255)
BLACK = (0, 0, 0)

NAME_LIMIT = 30
TITLE_LIMIT = 40
WISH_LIMIT = 55

DOWNLOAD_LINK = "lorvan.example/products/lorvan/lorvan_latest.zip"
PRODUCT_PAGE_LINK = "lorvan.example/products/lorvan/lorvan.shtml"

# The results, one "%s" for each answer that the game puts in.
TEMPLATE_ANSWERS = ["people", "days", "love", "no_chance", "cares", "knows_you", "best_friend",
                    "love_title", "love", "no_chance_title", "no_chance", "life_title",
                    "mind_title", "user", "wish"]

# The answers in the order the game asks for them (the introduction, between the
# name and the first number, only waits for Enter).
QUESTION_ORDER = ["user", "days", "people", "love", "no_chance", "cares", "knows_you",
                  "best_friend", "love_title", "life_title", "no_chance_title", "mind_title",
                  "wish"]


DEFAULTS = {"user": PLAYER_NAMES, "days": NUMBERS, "people": NUMBERS,
            "love": OPPOSITE_NAMES, "no_chance": OPPOSITE_NAMES, "cares": FRIEND_NAMES,
            "knows_you": FRIEND_NAMES, "best_friend": FRIEND_NAMES, "love_title": MOVIE_TITLES,
            "life_title": MOVIE_TITLES, "no_chance_title": MOVIE_TITLES,
            "mind_title": MOVIE_TITLES, "wish": WISHES}

# Stands for "take the default": an empty Enter, then Enter on what the game offers.
DEFAULT = None


# ---------------------------------------------------------------------------
# The results file.

def results_text(answers):
    """The results as the game composes them from the answers (all known)."""
    return RESULTS_TEMPLATE % tuple(answers[key] for key in TEMPLATE_ANSWERS)


def results_file_bytes(answers):
    """The results file's bytes: Windows line ends, no line break at the end."""
    text = ("Lorvan.exe (version 2.0) results for user: " + answers["user"] + "\n\n\n"
            + results_text(answers) + "\n\n\n"
            + "Download Lorvan the word game at:\n" + DOWNLOAD_LINK + "\n\n"
            + "Website: " + PRODUCT_PAGE_LINK)
    return text.replace("\n", "\r\n").encode("ascii")


def read_defaults(data, answers):
    """The answers with every default taken read back from the results file: the
    file is matched against the template with each such answer open, the same
    text wherever the answer stands, and each must be one the game offers."""
    text = data.decode("ascii", errors="replace").replace("\r\n", "\n")
    pieces = re.split(r"(%s)", RESULTS_TEMPLATE)
    pattern = []
    seen = set()
    placeholders = iter(TEMPLATE_ANSWERS)
    for piece in pieces:
        if piece != "%s":
            pattern.append(re.escape(piece))
            continue
        key = next(placeholders)
        if answers[key] is not DEFAULT:
            pattern.append(re.escape(answers[key]))
        elif key in seen:
            pattern.append("(?P=%s)" % key)
        else:
            seen.add(key)
            pattern.append("(?P<%s>.*?)" % key)
    match = re.search("".join(pattern), text)
    check(match is not None, "the results in the file do not follow the template:\n%s" % text)
    found = dict(answers)
    for key in seen:
        value = match.group(key)
        check(value in DEFAULTS[key], "default %r taken for %s is not one the game offers"
              % (value, key))
        found[key] = value
    return found


# ---------------------------------------------------------------------------
# Playing.

def answer_questions(game, answers, typed=None):
    """Answers every question from the name to the wish. typed, when given, holds
    for some answers what the player types instead (more than the box takes)."""
    typed = typed or {}
    for key in QUESTION_ORDER:
        value = answers[key]
        if value is DEFAULT:
            # The empty Enter offers a default, the second Enter takes it.
            game.press("Return", "Return")
        else:
            game.type_text(typed.get(key, value))
            game.press("Return")
        if key == "user":
            game.press("Return")  # past the introduction


# ---------------------------------------------------------------------------
# Reading captures.

def _background_phase(frame):
    return phase_at(frame, *safe_background_samples(frame.width, frame.height)[0])


def colour_box(frame, colour):
    """(left, top, right, bottom), exclusive, around the pixels of a colour that
    the background does not explain, and their number; None when there are none.
    Searches the bytes row by row, since a pixel loop is too slow to poll with."""
    phase = _background_phase(frame)
    needle = bytes(colour)
    row_bytes = frame.width * 3
    left, top, right, bottom, count = frame.width, None, 0, 0, 0
    for y in range(frame.height):
        row = frame.rgb[y * row_bytes:(y + 1) * row_bytes]
        position = row.find(needle)
        while position != -1:
            if position % 3 == 0:
                x = position // 3
                if background_pixel(phase, x, y) != colour:
                    left, right = min(left, x), max(right, x + 1)
                    top = y if top is None else top
                    bottom = y + 1
                    count += 1
                position = row.find(needle, position + 3)
            else:
                position = row.find(needle, position + 1)
    if top is None:
        return None
    return (left, top, right, bottom), count


def one_frame(frame):
    """Whether the capture holds one frame of the game: the background advances
    every frame, so a capture taken while the window was being updated shows two
    phases, and two copies of a moving text. Looks down both side edges, where the
    thinking screen draws nothing."""
    samples = [(x, y) for y in range(0, frame.height, 8) for x in (1, frame.width - 2)]
    phase = phase_at(frame, *samples[0])
    return all(frame.pixel(x, y) == background_pixel(phase, x, y) for x, y in samples)


def thinking_message_box(frame):
    """The cyan message's box when the frame shows the thinking screen: one line of
    large text, centred; None for any other screen and for a torn capture."""
    if not one_frame(frame):
        return None
    found = colour_box(frame, CYAN)
    if not found:
        return None
    (left, top, right, bottom), count = found
    one_line = bottom - top < 60
    centred = abs((left + right) - frame.width) <= 12
    return (left, top, right, bottom) if one_line and centred and count > 300 else None


def shows_results(frame):
    """The results screen: cyan text from the top-left corner down, over black
    bands that start at the top of the text rectangle."""
    text = colour_box(frame, CYAN)
    bands = colour_box(frame, BLACK)
    if not text or not bands:
        return False
    (left, top, _right, bottom), _count = text
    (_left, bands_top, _right, _bottom), black_pixels = bands
    return (left < 20 and 25 <= top < 50 and bottom > 300 and 25 <= bands_top <= top
            and black_pixels > 20000)


def watch_thinking(game, timeout=30.0):
    """Captures the thinking screen until the results appear. Returns the first
    frame of each message seen, in order, as ((width, height) of its text, frame, seconds
    since the first thinking frame), the band tops seen, the seconds from the first
    thinking frame to the first results frame, and that results frame."""
    messages = []
    tops = []
    first_seen = None
    deadline = time.monotonic() + timeout
    while True:
        check(time.monotonic() < deadline, "the thinking screen did not end")
        check(game.running(), "the game ended on the thinking screen")
        frame = game.capture("thinking", os.path.join(game.shots, "thinking_latest.png"))
        now = time.monotonic()
        box = thinking_message_box(frame)
        if box:
            first_seen = first_seen if first_seen is not None else now
            size = (box[2] - box[0], box[3] - box[1])
            tops.append(box[1])
            if not messages or not same_message(messages[-1][0], size):
                keep(game, frame, "thinking_message_%d" % (len(messages) + 1))
                messages.append((size, frame, now - first_seen))
            else:
                # A capture spanning two frames can show the band at two heights
                # at once, so the message's own height is the least one seen.
                last_size, last_frame, last_seen = messages[-1]
                messages[-1] = ((last_size[0], min(last_size[1], size[1])), last_frame, last_seen)
        elif first_seen is not None and shows_results(frame):
            keep(game, frame, "results")
            return messages, tops, now - first_seen, frame


def same_message(one, other):
    """Whether two text boxes are of one message. The two messages differ in
    width; the height is no guide, since a capture caught while the window is
    updated may hold the band at two places."""
    return abs(one[0] - other[0]) <= 3


def keep(game, frame, name):
    """Writes a captured frame to <name>.png beside the test's screenshots."""
    frame.path = os.path.join(game.shots, name + ".png")
    write_png(frame)


# -- the whole game the tests play, in the exe and in the page ------------------
# Answers with "%", "&", only spaces, the longest each box takes (typed a little
# longer), and two defaults taken with empty Enters.

LONGEST_NAME = "Maximiliana Theodora Worthing!"
LONGEST_TITLE = "The Good, the Bad & the 100% Unbeatables"
OTHER_LONGEST_TITLE = "Once Upon a Time in the West, Part Three"
LONGEST_WISH = "I wish for a castle, a pony & 100% sunshine every day!!"

ANSWERS = {
    "user": "Robin & Sam, 100% %s Fan Club!",
    "days": "7",
    "people": DEFAULT,
    "love": "Tom & Jerry",
    "no_chance": LONGEST_NAME,
    "cares": "   ",
    "knows_you": DEFAULT,
    "best_friend": "%s%n%x%%",
    "love_title": LONGEST_TITLE,
    "life_title": "100%",
    "no_chance_title": OTHER_LONGEST_TITLE,
    "mind_title": "&&Amp; %d",
    "wish": LONGEST_WISH,
}
# Typed beyond what the box takes: the characters past the limit are dropped.
TYPED = {
    "user": ANSWERS["user"] + "XYZ",
    "no_chance": LONGEST_NAME + "XY",
    "love_title": LONGEST_TITLE + "XY",
    "wish": LONGEST_WISH + "XY",
}
FILE_NAME = "LorvanResults_" + ANSWERS["user"] + ".txt"

for key, limit in [("user", NAME_LIMIT), ("no_chance", NAME_LIMIT),
                   ("love_title", TITLE_LIMIT), ("no_chance_title", TITLE_LIMIT),
                   ("wish", WISH_LIMIT)]:
    assert len(ANSWERS[key]) == limit, "%s is not %d characters long" % (key, limit)


def check_thinking(game):
    """The thinking screen: one message, then the other, bouncing, then the results."""
    messages, tops, duration, results = watch_thinking(game)
    for number, (size, _frame, seen_at) in enumerate(messages, 1):
        game.note("message %d: %dx%d pixels, first seen %.2f s after the first thinking frame"
                  % (number, size[0], size[1], seen_at))
    game.note("results first seen %.2f s after the first thinking frame" % duration)
    check(len(messages) == 2, "the thinking screen showed %d messages, not 2" % len(messages))
    # "... BE PATIENT :) ..." reaches below the line with its ")", "...I AM
    # THINKING..." does not: the taller message must come second.
    check(messages[0][0][1] < messages[1][0][1],
          "the messages came in the wrong order: %s" % [m[0] for m in messages])
    check(len(set(tops)) > 1, "the message did not move: its top was always %s" % tops[0])
    return results
