#!/usr/bin/env python3
"""Writes the fuzzer's seed inputs: short games a player could really play.

Run it again after changing the event encoding: python3 tests/fuzz/make_seeds.py
"""
import os

TYPED, KEYS, F1, ANSWER, CLOCK, CALENDAR, SIZE, SAVE, FRAME = range(9)
YES, NO, CANCEL = 0, 1, 2
ESCAPE_BIT, F5_BIT, F6_BIT = 1, 2, 4


def typed(text):
    """Each character typed, then a frame that applies it, 40 ms later."""
    out = bytearray()
    for ch in text.encode("latin-1"):
        out += bytes([TYPED, ch, CLOCK, 40, 0, FRAME])
    return out


def wait(ms, frames):
    out = bytearray()
    for _ in range(frames):
        out += bytes([CLOCK, ms & 0xFF, ms >> 8, FRAME])
    return out


def whole_game(answers, near_wrap=False):
    out = bytearray([1 if near_wrap else 0, FRAME])
    for answer in answers:
        out += typed(answer + "\r")
    out += wait(1000, 8)  # the thinking screen lasts a little over six seconds
    out += bytes([SAVE, 0, F1, FRAME, SAVE, 2, F1, FRAME, SAVE, 1, F1, FRAME])
    out += bytes([ANSWER, NO, KEYS, ESCAPE_BIT, 0, FRAME, ANSWER, YES, KEYS, ESCAPE_BIT, 0])
    return out


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(folder, exist_ok=True)
    seeds = {
        "typed_game": whole_game(["Alex", "", "7", "12", "Sam", "Kim", "Mum", "Dad", "Jo",
                                  "Up", "Heat", "Big", "Jaws", "I wish for a boat"]),
        "defaults_game": whole_game(["\r", "", "\r", "\r", "\r", "\r", "\r", "\r", "\r",
                                     "\r", "\r", "\r", "\r", "\r"], near_wrap=True),
        "odd_answers": whole_game(["%s%n&x", "", "99\b\b20", "0", "", "a" * 40, " ", "&&", "%%",
                                   "\t\x1b\x7f\xe9z", "t" * 50, "?", "/\\", ":*", "w" * 60]),
        "resizing": bytes([0, SIZE, 2, FRAME, SIZE, 0, FRAME, SIZE, 1, FRAME, SIZE, 4, FRAME,
                           SIZE, 0xF5, 0x10, 0x00, 0x20, 0x00, FRAME, KEYS, F5_BIT, 0, FRAME,
                           KEYS, F6_BIT, 0, FRAME, CALENDAR, 2, FRAME]) + typed("Zed\r\r"),
        "quit_at_once": bytes([0, FRAME, ANSWER, CANCEL, KEYS, ESCAPE_BIT, 0, FRAME,
                               ANSWER, YES, KEYS, ESCAPE_BIT, 0, FRAME]),
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(bytes(data))


if __name__ == "__main__":
    main()
