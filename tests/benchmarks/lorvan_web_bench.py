"""Measures the browser page in headless Chromium and Firefox, in one run: the
time to compose and present one frame (background, screen, overlay off, the
opaque copy and putImageData) at 624x421, 1920x1080 and a phone's portrait
1170x2532 on the name screen and on the results screen with the longest answers;
the background fill's throughput beside a plain memset of the same buffer in the
same module; the time from opening the page to its first frame; and the size of
the site. A benchmark, not a test: it prints figures.

    bash scripts/bench-web.sh
    PYTHONPATH=tests /usr/bin/python3 tests/benchmarks/lorvan_web_bench.py --site build/web/web/site --out /tmp/s \
        --engines chromium,firefox
"""

import argparse
import os
import statistics

from harness.browser import Page
from harness.whole_game import ANSWERS, TYPED, answer_questions

PAGE_LOADS = 3
# The exe's client area, a full-HD display, a phone in portrait (device pixels).
SIZES = [(624, 421), (1920, 1080), (1170, 2532)]
FILLS = 30        # background fills (or memsets) in one timing
FRAMES = 60       # frames drawn back to back in one timing
TIMINGS = 7       # timings per size; the median is reported

# Draws frames straight through the module's benchmark entry at a given size,
# then returns the milliseconds each took. The main loop is not running meanwhile:
# the page's script runs to the end before the next display refresh.
TIME_FRAMES = """
const [width, height, frames] = arguments;
Module._LorvanResize(width, height);
Module._LorvanDrawFrames(3);  // buffers sized, glyphs cached
const start = performance.now();
Module._LorvanDrawFrames(frames);
return (performance.now() - start) / frames;
"""

# The page's share of a frame: handing a ready opaque frame to the canvas.
TIME_PUT_IMAGE = """
const [width, height, frames] = arguments;
const pixels = new Uint8Array(width * height * 4).fill(255);
LorvanPage.present(pixels, width, height);
const start = performance.now();
for (let i = 0; i < frames; ++i) {
  LorvanPage.present(pixels, width, height);
}
return (performance.now() - start) / frames;
"""


# The background fill and a plain memset of the same buffer, each count times;
# milliseconds per call of each.
TIME_FILL_AND_MEMSET = """
const [width, height, count] = arguments;
Module._LorvanBenchmarkFill(width, height, 2);  // buffer sized, code warm
Module._LorvanBenchmarkMemset(width, height, 2);
let start = performance.now();
Module._LorvanBenchmarkFill(width, height, count);
const fill = (performance.now() - start) / count;
start = performance.now();
Module._LorvanBenchmarkMemset(width, height, count);
return [fill, (performance.now() - start) / count];
"""


def fill_and_memset(page):
    figures = []
    for width, height in SIZES:
        timings = [page.js(TIME_FILL_AND_MEMSET, width, height, FILLS) for _ in range(TIMINGS)]
        fill = statistics.median(t[0] for t in timings)
        memset = statistics.median(t[1] for t in timings)
        figures.append((width, height, fill, memset))
    return figures


def frame_times(page, screen):
    figures = []
    for width, height in SIZES:
        times = [page.js(TIME_FRAMES, width, height, FRAMES) for _ in range(TIMINGS)]
        figures.append((screen, width, height, statistics.median(times), min(times), max(times)))
    page.js("Module._LorvanResize(624, 421)")
    return figures


def first_frames(site, out, engine):
    times = []
    for load in range(PAGE_LOADS):
        page = Page(site, out, "bench_first_frame_%s_%d" % (engine, load), engine)
        try:
            page.start()
            times.append(page.js("return LorvanPage.firstFrameAt"))
        finally:
            page.close()
    return times


def measure(site, out, engine):
    """Every figure for one engine, printed."""
    firsts = first_frames(site, out, engine)
    page = Page(site, out, "bench_frames_%s" % engine, engine)
    try:
        page.start()
        figures = frame_times(page, "name")
        fills = fill_and_memset(page)
        answer_questions(page, ANSWERS, TYPED)
        page.wait_for_screen_text("the results", lambda t: any("Here are your results" in x
                                                                for x in t), timeout=60)
        figures += frame_times(page, "results")
        put_image = [(w, h, statistics.median(page.js(TIME_PUT_IMAGE, w, h, FRAMES)
                                               for _ in range(TIMINGS)))
                     for w, h in SIZES]
    finally:
        page.close()

    print("\n== %s" % engine)
    print("first frame after opening the page, %d loads: median %.0f ms (%.0f to %.0f)"
          % (len(firsts), statistics.median(firsts), min(firsts), max(firsts)))
    print("\ncompose + present one frame, median of %d timings of %d frames:" % (TIMINGS, FRAMES))
    print("  %-8s %-10s %8s %8s %8s" % ("screen", "size", "median", "min", "max"))
    for screen, width, height, median, low, high in figures:
        print("  %-8s %-10s %6.2f ms %5.2f ms %5.2f ms"
              % (screen, "%dx%d" % (width, height), median, low, high))
    print("\nof which the canvas takes a ready frame (putImageData), median:")
    for width, height, median in put_image:
        print("  %-10s %6.2f ms" % ("%dx%d" % (width, height), median))
    print("\nbackground fill beside a plain memset of the same buffer, median of %d timings "
          "of %d calls:" % (TIMINGS, FILLS))
    print("  %-10s %9s %9s %10s %10s %12s" % ("size", "fill", "memset", "fill", "memset",
                                              "fill/memset"))
    for width, height, fill, memset in fills:
        megabytes = width * height * 4 / 1e6
        print("  %-10s %6.2f ms %6.2f ms %5.0f MB/s %5.0f MB/s %12.2f"
              % ("%dx%d" % (width, height), fill, memset, megabytes / fill * 1000,
                 megabytes / memset * 1000, memset / fill))


def main():
    parser = argparse.ArgumentParser(description="Figures of Lorvan's page in the browser.")
    parser.add_argument("--site", required=True, help="the built site (index.html and all)")
    parser.add_argument("--out", required=True, help="folder for screenshots")
    parser.add_argument("--engines", default="chromium,firefox",
                        help="comma-separated: chromium, firefox, webkit")
    args = parser.parse_args()
    site = os.path.abspath(args.site)
    sizes = {name: os.path.getsize(os.path.join(site, name)) for name in sorted(os.listdir(site))}
    print("load: %s" % open("/proc/loadavg").read().strip())
    print("\nsite: %d bytes in all" % sum(sizes.values()))
    for name, size in sizes.items():
        print("  %-22s %8d" % (name, size))
    for engine in args.engines.split(","):
        measure(site, args.out, engine)
    print("\nload: %s" % open("/proc/loadavg").read().strip())


if __name__ == "__main__":
    main()
