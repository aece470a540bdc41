"""Every frame fills the client area with the animated background: blue runs
along x with the phase, green follows x*y and stands still, red follows x*y/100
plus the phase; the phase moves from frame to frame."""

from lorvan_e2e import (background_mismatches, check, phase_at, run_test,
                        safe_background_samples, shows_background)


def describe(mismatches):
    return "; ".join("(%d, %d) is %s, expected %s" % m for m in mismatches[:5])


def check_background(game):
    info = game.start()
    first = game.wait_for_frame("background", shows_background)
    check((first.width, first.height) == info.client[2:],
          "capture %dx%d is not the client area %s" % (first.width, first.height, info.client))

    samples = safe_background_samples(first.width, first.height)
    check(len(samples) > 100, "too few samples: %d" % len(samples))
    mismatches = background_mismatches(first, samples)
    check(not mismatches, describe(mismatches))

    reference = samples[0]
    moved = game.wait_for_frame(
        "background moved",
        lambda f: shows_background(f, samples) and phase_at(f, *reference) != phase_at(first, *reference))
    # Green does not depend on the phase, so it is the same in every frame.
    for x, y in samples:
        check(moved.pixel(x, y)[1] == first.pixel(x, y)[1], "green changed at (%d, %d)" % (x, y))


if __name__ == "__main__":
    run_test(check_background)
