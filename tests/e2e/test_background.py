"""Every frame fills the client area with the animated background: blue runs
along x with the phase, green follows x*y and stands still, red follows x*y/100
plus the phase; the phase moves from frame to frame."""

from harness.e2e import (check, describe_mismatches, phase_at, run_test,
                         safe_background_samples, shows_background)


def check_background(game):
    info = game.start()
    first = game.wait_for_frame("background", shows_background, explain=describe_mismatches)
    check((first.width, first.height) == info.client[2:],
          "capture %dx%d is not the client area %s" % (first.width, first.height, info.client))
    samples = safe_background_samples(first.width, first.height)
    check(len(samples) > 100, "too few samples: %d" % len(samples))

    reference = samples[0]
    moved = game.wait_for_frame(
        "background moved",
        lambda f: shows_background(f, samples) and phase_at(f, *reference) != phase_at(first, *reference),
        explain=describe_mismatches)
    # Green does not depend on the phase, so it is the same in every frame.
    for x, y in samples:
        check(moved.pixel(x, y)[1] == first.pixel(x, y)[1], "green changed at (%d, %d)" % (x, y))


if __name__ == "__main__":
    run_test(check_background)
