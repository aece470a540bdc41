"""The frame-rate overlay as a frame shows it: white text in the top-left corner over
its dark-blue shadow, told apart from the background by the background's formula."""

from .e2e import background_pixel, phase_at, safe_background_samples, shows_background

WHITE = (255, 255, 255)
SHADOW = (0, 0, 100)  # the game's dark blue
TEXT_AREA = (2, 0, 251, 40)  # left, top, right, bottom (exclusive), in client pixels
SHADOW_AREA = (4, 2, 253, 42)
ENOUGH = 40  # pixels; two lines of 14-point text give hundreds


def unexplained(frame, colour, area):
    """Pixels of a colour in an area that the background does not explain."""
    reference = safe_background_samples(frame.width, frame.height)[0]
    phase = phase_at(frame, *reference)
    return sum(1 for x, y, rgb in frame.region(*area)
               if rgb == colour and background_pixel(phase, x, y) != colour)


def overlay_shown(frame):
    return (shows_background(frame) and unexplained(frame, WHITE, TEXT_AREA) >= ENOUGH
            and unexplained(frame, SHADOW, SHADOW_AREA) >= ENOUGH)


def overlay_hidden(frame):
    return (shows_background(frame) and unexplained(frame, WHITE, TEXT_AREA) == 0
            and unexplained(frame, SHADOW, SHADOW_AREA) == 0)
