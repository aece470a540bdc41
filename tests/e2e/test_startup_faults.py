"""The game copes with a hard start and with extreme window sizes:

- started minimised (Wine's start /min hands WinMain a minimised show
  command), it runs its frame loop without drawing, and once restored its first
  frame is laid out for the restored size: the name question's box and texts
  are where a normally started game of that size has them;
- made as small as the system allows (no client rows left at all) it keeps
  running its frame loop, and made larger than the screen it keeps drawing at
  the size it gets;
- it still quits with exit code 0, passed on by start /wait."""

import os

from harness.background_oracle import background_pixel, phase_at
from harness.e2e import Game, check, run_test, shows_background, wait_until
from harness.resources import FrameCounter, windows_pid_and_gdi_objects

# Frames are seen as DIB sections (bitmap channel); the turns of the frame loop
# also as the window's device context taken and given back (dc channel), which
# happens even when there is nothing to draw.
TRACE = {"WINEDEBUG": "+pid,-all,trace+bitmap,trace+dc"}
MINIMISED_START = ("start", "/min", "/wait", "/unix")
# The window's icons are DIB sections too, made once at start-up.
ICON_SIZES = {(16, 16), (32, 32)}
LOOP_TURNS = 60
FRAMES_AT_EACH_SIZE = 30
TOO_SMALL = (1, 1)
TOO_LARGE = (3000, 2000)
SAME_LAYOUT = 0.97


def drawn_pixels(frame):
    """The pixels the screen drew over the background: texts, shadows, box."""
    phase = phase_at(frame, frame.width - 1, frame.height - 1)
    return {(x, y) for y in range(frame.height) for x in range(frame.width)
            if frame.pixel(x, y) != background_pixel(phase, x, y)}


def similarity(a, b):
    return len(a & b) / max(1, len(a | b))


def reference_layout(game):
    """The first frame of a game started the usual way, and its client size."""
    reference = Game(game.exe, game.probe_exe, os.path.dirname(game.shots),
                     game.name + "_reference")
    try:
        reference.start()
        frame = reference.wait_for_frame("first frame", shows_background)
        return frame, reference.window().client[2:]
    finally:
        reference.close()


class LoopWatch:
    """Counts the turns of the game's frame loop in its dc trace."""

    def __init__(self, game):
        self.log_path = os.path.join(game.shots, "wine.log")
        self.prefix = b"%04x:" % windows_pid_and_gdi_objects(game)[0]

    def turns(self):
        with open(self.log_path, "rb") as log:
            return sum(1 for line in log if line.startswith(self.prefix)
                       and b":trace:dc:set_dce_flags" in line and line.rstrip().endswith(b"0001"))


def game_sizes(counter):
    counter.frames(0, 0)
    return [size for size in counter.counts if size not in ICON_SIZES]


def check_minimised_start(game, reference, reference_client):
    game.start(launcher=MINIMISED_START, game_env=TRACE, until_shown=False)
    # The window exists a moment before the game shows it minimised.
    info = wait_until("the window to be minimised", lambda: (
        lambda w: w if w.iconic and w.client[2:] == (0, 0) else None)(game.window()))
    check(info.iconic and info.client[2:] == (0, 0),
          "the game did not start minimised: %s, iconic %s" % (info, info.iconic))
    counter = FrameCounter(game)
    loop = LoopWatch(game)
    wait_until("%d turns of the frame loop while minimised" % LOOP_TURNS,
               lambda: loop.turns() >= LOOP_TURNS)
    check(game_sizes(counter) == [], "frames drawn while minimised: %s" % counter.counts)

    game.restore()
    restored = wait_until("the window to be restored",
                          lambda: (lambda w: w if not w.iconic else None)(game.window()))
    frame = game.wait_for_frame("restored", shows_background)
    sizes = game_sizes(counter)
    check(sizes[:1] == [restored.client[2:]],
          "the first frames drawn were %s, the restored client area is %s"
          % (sizes, restored.client[2:]))
    check(restored.client[2:] == reference_client,
          "restored client area %s differs from a normal start's %s"
          % (restored.client[2:], reference_client))
    seen, expected = drawn_pixels(frame), drawn_pixels(reference)
    game.note("restored frame: %d drawn pixels, a normal start's %d, %.3f alike"
              % (len(seen), len(expected), similarity(seen, expected)))
    check(len(expected) > 1000, "the normal start drew too little to compare with")
    check(similarity(seen, expected) >= SAME_LAYOUT,
          "the restored first screen is laid out differently from a normal start's: "
          "%d drawn pixels against %d, %.3f alike"
          % (len(seen), len(expected), similarity(seen, expected)))
    return counter, loop


def check_extreme_sizes(game, counter, loop):
    game.resize(*TOO_SMALL)
    small = wait_until("the smallest window", lambda: (
        lambda w: w if w.outer[2:] != (640, 480) else None)(game.window()))
    game.note("smallest window: outer %dx%d, client %dx%d" % (small.outer[2:] + small.client[2:]))
    turns = loop.turns()
    wait_until("the frame loop to go on at the smallest size",
               lambda: loop.turns() >= turns + LOOP_TURNS)
    if small.client[2] > 0 and small.client[3] > 0:
        counter.wait_for(FRAMES_AT_EACH_SIZE, *small.client[2:], timeout=15)

    game.resize(*TOO_LARGE)
    large = wait_until("a window larger than the screen", lambda: (
        lambda w: w if w.outer[2:] != small.outer[2:] else None)(game.window()))
    game.note("window asked %dx%d: outer %dx%d, client %dx%d"
              % (TOO_LARGE + large.outer[2:] + large.client[2:]))
    counter.wait_for(FRAMES_AT_EACH_SIZE, *large.client[2:], timeout=15)

    game.resize(640, 480)
    wait_until("the usual size", lambda: game.window().outer[2:] == (640, 480))
    game.wait_for_frame("usual size again", shows_background)


def check_start_up_faults(game):
    reference, reference_client = reference_layout(game)
    counter, loop = check_minimised_start(game, reference, reference_client)
    check_extreme_sizes(game, counter, loop)
    game.quit_with_yes("the start-up faults")


if __name__ == "__main__":
    run_test(check_start_up_faults)
