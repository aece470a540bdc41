"""End-to-end speed of the real Lorvan.exe under Wine: two builds (the shipped
fast background fill and the per-pixel reference) measured in turns, the same
way, in one run. Started by scripts/bench-e2e.sh, which builds both exes and
starts the Wine session (a display large enough for a 1920x1080 client area).

Frames are counted without touching the game: the game runs with
WINEDEBUG=-all,trace+bitblt, which makes Wine print one NtGdiStretchBlt line for
each BitBlt, and every frame ends with exactly one BitBlt of the whole client
area to the window. Counting those lines over a wall interval gives frames per
second. The trace writes two short lines a frame; its cost is measured by the
same run (CPU at the 30 fps cap with and without the trace).

Per build and repetition:
  traced run   time to the first frame (start of `wine` to the first whole-client
               BitBlt in the trace), CPU and frames per second at the cap, then
               F6 (checked on the minimised game's CPU: it sleeps at the cap and
               spins uncapped) and frames per second uncapped at the default
               window, then the
               window placed at (0, 0) with a 1920x1080 client area, uncapped again;
  plain run    (WINEDEBUG=-all) CPU at the cap, and the time until a capture
               first shows the background;
  Wine alone   start to exit of a trivial console exe (the probe answering one
               question), what Wine's own start-up costs any program.
The two builds alternate A B B A ..., so a change of load hits both alike.
Measured intervals are timed sleeps on purpose: this is a benchmark, and the
harness must keep off the two cores while the game is being measured.
"""

import argparse
import os
import re
import statistics
import subprocess
import time

from harness.e2e import (Game, Probe, check, shows_background, wait_until, _end_children,
                         _spawn)

TRACE = "-all,trace+bitblt"
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
BIG_CLIENT = (1920, 1080)

# One BitBlt of the whole client area ends every frame; icons (16x16, 32x32)
# and the frame's border strokes (PatBlt) are told apart by size and by name.
FRAME_LINE = re.compile(rb"NtGdiStretchBlt src \S+ log=-?\d+,-?\d+ (\d+)x(\d+) .*"
                        rb"dst \S+ log=-?\d+,-?\d+ (\d+)x(\d+) ")


def is_frame_line(line):
    match = FRAME_LINE.search(line)
    if not match:
        return False
    src_w, src_h, dst_w, dst_h = (int(v) for v in match.groups())
    return (src_w, src_h) == (dst_w, dst_h) and (src_w > 32 or src_h > 32)


class TraceCounter:
    """Counts frame lines in the game's trace file as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.partial = b""
        self.frames = 0

    def update(self):
        with open(self.path, "rb") as handle:
            handle.seek(self.offset)
            data = handle.read()
        self.offset += len(data)
        lines = (self.partial + data).split(b"\n")
        self.partial = lines.pop()
        self.frames += sum(1 for line in lines if is_frame_line(line))
        return self.frames


def cpu_seconds(pid):
    """utime + stime of a process (all its threads), in seconds."""
    with open("/proc/%d/stat" % pid) as handle:
        fields = handle.read().rsplit(")", 1)[1].split()
    # After the command name: state is field 3, utime 14 and stime 15 of stat(5).
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def wineserver_pid():
    """The wineserver of this session's prefix, for its share of the CPU."""
    prefix = os.environ["WINEPREFIX"].encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/comm" % entry, "rb") as handle:
                # Debian's 64-bit server is "wineserver64".
                if not handle.read().startswith(b"wineserver"):
                    continue
            with open("/proc/%s/environ" % entry, "rb") as handle:
                if b"WINEPREFIX=" + prefix in handle.read().split(b"\0"):
                    return int(entry)
        except OSError:
            continue
    return None


def load_average():
    with open("/proc/loadavg") as handle:
        return float(handle.read().split()[0])


class Interval:
    """CPU of the game, the wineserver and Xvfb, and frames, over a wall interval."""

    def __init__(self, game_pid, others, counter=None):
        self.pids = {"game": game_pid}
        self.pids.update({name: pid for name, pid in others.items() if pid})
        self.counter = counter

    def measure(self, seconds):
        start_cpu = {name: cpu_seconds(pid) for name, pid in self.pids.items()}
        start_frames = self.counter.update() if self.counter else 0
        start = time.monotonic()
        time.sleep(seconds)
        frames = self.counter.update() - start_frames if self.counter else 0
        wall = time.monotonic() - start
        result = {"%s_cpu" % name: (cpu_seconds(pid) - start_cpu[name]) / wall
                  for name, pid in self.pids.items()}
        if self.counter:
            result["fps"] = frames / wall
        return result


class BenchGame(Game):
    """A Game whose start is timed: the probe is up before the game is spawned,
    so its own Wine start does not compete with the game's."""

    def start_timed(self, trace):
        self.log = open(os.path.join(self.shots, "wine.log"), "wb")
        self.probe = Probe(self.probe_exe)
        self.probe.ask("menus", timeout=60)
        env = dict(os.environ, WINEDEBUG=trace or "-all")
        began = time.monotonic()
        self.process = _spawn(["wine", self.exe_copy], cwd=self.folder, env=env,
                              stdin=subprocess.DEVNULL, stdout=self.log,
                              stderr=subprocess.STDOUT)
        return began

    def wait_shown(self):
        def shown():
            self._fail_if_ended("its window to appear")
            info = self.find_window()
            if info and info.visible and info.x11 and self._viewable(info.x11):
                return info
            return None
        self.main = wait_until("the game window", shown, 60)
        return self.main


def idle_cpu(game, pid):
    """Game CPU per wall second while its window is minimised. A minimised
    window has no client area, so a frame draws nothing: at the cap the loop
    mostly sleeps, uncapped it spins. This tells the cap's state apart even when
    drawn frames take longer than the cap's budget (then both rates are equal)."""
    game.minimize()
    wait_until("the window to be minimised", lambda: game.window().iconic)
    cpu = Interval(pid, {}).measure(1.5)["game_cpu"]
    game.restore()
    wait_until("the window to be restored", lambda: not game.window().iconic)
    return cpu


def lift_cap(game, tries=4):
    """Presses F6 until the minimised game spins. The game flips the cap for
    every message it takes while F6 is down, so a press can flip it an even
    number of times and leave it at 30."""
    capped = idle_cpu(game, game.process.pid)
    for _ in range(tries):
        game.press("F6")
        spinning = idle_cpu(game, game.process.pid)
        if spinning > max(0.15, 3 * capped):
            return capped, spinning
    raise AssertionError("F6 did not lift the cap: minimised CPU %.2f, capped %.2f"
                         % (spinning, capped))


def traced_run(args, exe, label, others):
    game = BenchGame(exe, args.probe, args.out, "%s-traced" % label)
    try:
        began = game.start_timed(TRACE)
        counter = TraceCounter(os.path.join(game.shots, "wine.log"))

        def first_frame():
            game._fail_if_ended("the first frame")
            return counter.update() > 0
        wait_until("the first frame in the trace", first_frame, 60, interval=0.005)
        result = {"first_frame_s": time.monotonic() - began}

        info = game.wait_shown()
        game.wait_for_frame("first", shows_background, timeout=60)
        interval = Interval(game.process.pid, others, counter)
        time.sleep(args.settle)
        for key, value in interval.measure(args.seconds).items():
            result["cap_traced_" + key] = value

        result["minimised_capped_cpu"], result["minimised_uncapped_cpu"] = lift_cap(game)
        time.sleep(args.settle)
        for key, value in interval.measure(args.uncapped_seconds).items():
            result["uncapped_small_" + key] = value

        frame_w = info.outer[2] - info.client[2]
        frame_h = info.outer[3] - info.client[3]
        game.place(0, 0, BIG_CLIENT[0] + frame_w, BIG_CLIENT[1] + frame_h)
        wait_until("a %dx%d client area" % BIG_CLIENT,
                   lambda: tuple(game.window().client[2:]) == BIG_CLIENT, 30)
        game.wait_for_frame("big", lambda f: (f.width, f.height) == BIG_CLIENT, timeout=60)
        time.sleep(args.settle)
        for key, value in interval.measure(args.uncapped_seconds).items():
            result["uncapped_big_" + key] = value
        return result
    finally:
        game.close()


def plain_run(args, exe, label, others):
    game = BenchGame(exe, args.probe, args.out, "%s-plain" % label)
    try:
        began = game.start_timed(None)
        game.wait_shown()
        game.wait_for_frame("first", shows_background, timeout=60)
        result = {"first_capture_s": time.monotonic() - began}
        time.sleep(args.settle)
        for key, value in Interval(game.process.pid, others).measure(args.seconds).items():
            result["cap_" + key] = value
        return result
    finally:
        game.close()


def wine_alone(args):
    """Start to exit of `wine lorvan_probe.exe menus`: Wine's start-up and
    shut-down of a process that does nearly nothing."""
    began = time.monotonic()
    subprocess.run(["wine", args.probe, "menus"], stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
    return time.monotonic() - began


ROWS = [
    ("frames per second, uncapped, default window (632x434 client)", "uncapped_small_fps", "%.0f"),
    ("frames per second, uncapped, 1920x1080 client", "uncapped_big_fps", "%.1f"),
    ("game CPU ms per frame, uncapped, default window", "uncapped_small_cpu_ms_per_frame", "%.1f"),
    ("game CPU ms per frame, uncapped, 1920x1080 client", "uncapped_big_cpu_ms_per_frame", "%.1f"),
    ("frames per second at the 30 fps cap (traced run)", "cap_traced_fps", "%.1f"),
    ("game CPU s per wall s at the cap, no trace", "cap_game_cpu", "%.3f"),
    ("game CPU s per wall s at the cap, traced", "cap_traced_game_cpu", "%.3f"),
    ("wineserver CPU s per wall s at the cap, no trace", "cap_wineserver_cpu", "%.3f"),
    ("Xvfb CPU s per wall s at the cap, no trace", "cap_xvfb_cpu", "%.3f"),
    ("game CPU s per wall s uncapped, default window", "uncapped_small_game_cpu", "%.2f"),
    ("game CPU s per wall s uncapped, 1920x1080", "uncapped_big_game_cpu", "%.2f"),
    ("wineserver CPU s per wall s uncapped, 1920x1080", "uncapped_big_wineserver_cpu", "%.2f"),
    ("Xvfb CPU s per wall s uncapped, 1920x1080", "uncapped_big_xvfb_cpu", "%.2f"),
    ("game CPU s per wall s minimised, capped", "minimised_capped_cpu", "%.2f"),
    ("game CPU s per wall s minimised, uncapped", "minimised_uncapped_cpu", "%.2f"),
    ("time to first frame, s (wine start to first BitBlt in the trace)", "first_frame_s", "%.2f"),
    ("time to first capture showing the background, s (no trace)", "first_capture_s", "%.2f"),
    ("Wine alone: start to exit of a trivial exe, s", "wine_alone_s", "%.2f"),
]


def summary(values, fmt):
    if not values:
        return "-"
    low, high = min(values), max(values)
    return "%s (%s to %s)" % (fmt % statistics.median(values), fmt % low, fmt % high)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--fast", required=True, help="Lorvan.exe with the shipped fill")
    parser.add_argument("--reference", required=True, help="Lorvan.exe with the reference fill")
    parser.add_argument("--probe", required=True, help="lorvan_probe.exe")
    parser.add_argument("--out", required=True, help="folder for logs and screenshots")
    parser.add_argument("--xvfb-pid", type=int, default=0)
    parser.add_argument("--repetitions", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=10.0, help="interval at the cap")
    parser.add_argument("--uncapped-seconds", type=float, default=5.0)
    parser.add_argument("--settle", type=float, default=2.0,
                        help="seconds after a change before measuring")
    args = parser.parse_args()
    check(display_is_big_enough(), "the display cannot hold a %dx%d client area" % BIG_CLIENT)

    builds = {"fast": args.fast, "reference": args.reference}
    results = {name: [] for name in builds}
    # The first programs of a fresh Wine server are slower (libraries and font
    # caches are loaded from disk): one unmeasured start of each build first.
    for name in builds:
        plain_run(argparse.Namespace(**dict(vars(args), seconds=1.0, settle=0.0)),
                  builds[name], "%s-warmup" % name, {})
        _end_children()
    loads = []
    for repetition in range(args.repetitions):
        order = ["fast", "reference"] if repetition % 2 == 0 else ["reference", "fast"]
        for name in order:
            loads.append(load_average())
            others = {"wineserver": wineserver_pid(), "xvfb": args.xvfb_pid}
            label = "%s-%d" % (name, repetition + 1)
            result = {"wine_alone_s": wine_alone(args)}
            result.update(traced_run(args, builds[name], label, others))
            result.update(plain_run(args, builds[name], label, others))
            _end_children()
            # CPU per frame suffers less from the load than frames per second: a
            # busy machine gives the game a smaller share, not a slower frame.
            for size in ("small", "big"):
                result["uncapped_%s_cpu_ms_per_frame" % size] = (
                    1000 * result["uncapped_%s_game_cpu" % size] / result["uncapped_%s_fps" % size])
            results[name].append(result)
            print("%-9s rep %d load %.2f: %s" % (
                name, repetition + 1, loads[-1],
                ", ".join("%s=%.3g" % item for item in sorted(result.items()))), flush=True)
    loads.append(load_average())

    print()
    print("Medians of %d repetitions (lowest to highest); 1-minute load average %.1f to %.1f"
          % (args.repetitions, min(loads), max(loads)))
    print()
    print("| Measure | fast fill | reference fill |")
    print("|---|---|---|")
    for title, key, fmt in ROWS:
        cells = [summary([r[key] for r in results[name] if key in r], fmt) for name in builds]
        print("| %s | %s | %s |" % (title, cells[0], cells[1]))
    fast = statistics.median(r["uncapped_big_fps"] for r in results["fast"])
    reference = statistics.median(r["uncapped_big_fps"] for r in results["reference"])
    print()
    print("uncapped 1920x1080, fast/reference frames per second: %.2f" % (fast / reference))
    small_fast = statistics.median(r["uncapped_small_fps"] for r in results["fast"])
    small_ref = statistics.median(r["uncapped_small_fps"] for r in results["reference"])
    print("uncapped default window, fast/reference frames per second: %.2f"
          % (small_fast / small_ref))


def display_is_big_enough():
    out = subprocess.run(["xdotool", "getdisplaygeometry"], stdout=subprocess.PIPE,
                         check=True, text=True).stdout.split()
    return int(out[0]) >= BIG_CLIENT[0] + 16 and int(out[1]) >= BIG_CLIENT[1] + 64


if __name__ == "__main__":
    main()
