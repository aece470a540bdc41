"""Long runs leak nothing: on every screen the keys can reach, the game draws
at least 20,000 uncapped frames (F6) after a warm-up, and over those frames its
resident memory grows by less than 1 MiB and its live GDI objects stay flat
(at most two more, made once, never one a frame). The thinking screen moves on by itself after about six seconds, so it is
measured over the frames it lasts. The results screen runs with the frame-rate
overlay on (F5).

The window is made small, so that the frames come quickly: the drawing per
frame is mostly fixed work (contexts, fonts, texts, one copy to the window),
and the many pixels of a large window would only add time. The figures are
printed for each screen."""

from harness.e2e import check, run_test, shows_background, wait_until
from harness.quick_game import shows_results
from harness.resources import (FRAME_TRACE, FrameCounter, linux_pid, resident_kib,
                               settled_gdi_objects)

SOAK_OUTER_SIZE = (200, 150)
WARM_UP_FRAMES = 1000
SOAK_FRAMES = 20000
MAX_GROWTH_KIB = 1024
# A leak in the frames would add thousands of objects over a soak; Wine itself
# now and then makes an object once and keeps it (seen: one, once, on the first
# screen, in some runs only), which is no leak of the game's.
MAX_GDI_GROWTH = 2
# A guard against a game that stopped drawing, far above what the frames take.
PHASE_TIMEOUT = 400.0

# Each screen: what to type before the soak (so a box holds text), and the keys
# that then move on to the next screen measured. Two Enters on an empty box
# take the default it offers.
SCREENS = [
    ("name (0)", "Soak", ["Return"]),
    ("introduction (1)", None, ["Return"]),
    ("number (2)", "7", ["Return", "Return", "Return"]),
    ("name (4)", "Ann", ["Return"] + ["Return"] * 8),
    ("title (9)", "Film", ["Return"] + ["Return"] * 8),
]


class Soak:
    def __init__(self, game, client_size):
        self.game = game
        self.width, self.height = client_size
        self.counter = FrameCounter(game)
        self.pid = linux_pid(game)
        self.figures = []

    def frames(self):
        return self.counter.frames(self.width, self.height)

    def measure(self):
        """Resident memory and live GDI objects, counted at the capped rate: an
        uncapped game is always inside a frame, holding that frame's context,
        buffer and fonts, while a capped one spends most of its time between
        frames, where only what outlives a frame is left."""
        self.game.press("F6")
        figures = resident_kib(self.pid), settled_gdi_objects(self.game, samples=12)
        self.game.press("F6")
        return figures

    def run(self, label, warm_up, frames, until=None):
        """Warms the screen up, then measures over the frames (or, with until,
        over however many frames the screen lasts) and checks the balance."""
        self.counter.wait_for(self.frames() + warm_up, self.width, self.height, PHASE_TIMEOUT)
        rss_before, gdi_before = self.measure()
        first = self.frames()
        if until is None:
            self.counter.wait_for(first + frames, self.width, self.height, PHASE_TIMEOUT)
        else:
            until()
        rss_after, gdi_after = self.measure()
        drawn = self.frames() - first
        figure = ("%-17s %6d frames  RSS %6d -> %6d KiB (%+5d)  GDI objects %3d -> %3d"
                  % (label, drawn, rss_before, rss_after, rss_after - rss_before,
                     gdi_before, gdi_after))
        self.game.note(figure)
        self.figures.append(figure)
        check(rss_after - rss_before < MAX_GROWTH_KIB,
              "%s: resident memory grew by %d KiB" % (label, rss_after - rss_before))
        check(gdi_after - gdi_before <= MAX_GDI_GROWTH,
              "%s: live GDI objects went from %d to %d" % (label, gdi_before, gdi_after))


def soak(game):
    game.start(game_env=FRAME_TRACE)
    game.wait_for_frame("first frame", shows_background)
    game.resize(*SOAK_OUTER_SIZE)
    info = wait_until("the small window", lambda: (
        lambda w: w if w.outer[2:] == SOAK_OUTER_SIZE else None)(game.window()))
    client = info.client[2:]
    game.note("soak window: outer %dx%d, client %dx%d" % (SOAK_OUTER_SIZE + client))
    game.press("F6")
    run = Soak(game, client)

    for label, typed, onwards in SCREENS:
        if typed:
            game.type_text(typed)
        run.run(label, WARM_UP_FRAMES, SOAK_FRAMES)
        game.press(*onwards)

    # The wish's second Enter above started the thinking screen.
    run.run("thinking (14)", 0, None,
            until=lambda: game.wait_for_frame("results", shows_results, timeout=30))

    game.press("F5")
    run.run("results (15) F5", WARM_UP_FRAMES, SOAK_FRAMES)
    game.capture("results_with_overlay")

    game.quit_with_yes("the soak")
    print("\n".join(["soak figures (client %dx%d):" % client] + run.figures))


if __name__ == "__main__":
    run_test(soak)
