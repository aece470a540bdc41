"""The animated background as the game computes it, written out independently of
the game's code: the one oracle for every Python test that reads the background
(the end-to-end tests and the browser tests). Plain arithmetic, no Wine and no
display, so any test can import it."""


def background_pixel(phase, x, y):
    """(red, green, blue) the background has at client pixel (x, y) for a phase.

    Red is x*y/100 plus the phase, truncated toward zero into a 16-bit signed
    integer, of which the low byte is shown. Truncation keeps a value between
    32767 and 32768 at 32767 (red 255); only from 32768 on does the conversion
    overflow to -32768, whose low byte is 0."""
    product = x * y
    blue = (phase + x) % 256
    green = (product - 100) % 256
    value = product * 0.01 + phase
    red = 0 if value >= 32768.0 else int(value) & 0xFF
    return red, green, blue


def phase_at(frame, x, y):
    """The phase a frame was drawn with, read from the blue of one background pixel."""
    return (frame.pixel(x, y)[2] - x) % 256
