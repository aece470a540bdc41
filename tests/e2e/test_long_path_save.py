"""Saving from a folder whose path is near the longest Windows allows: with the
game's folder nested until its Windows path (the directory the game records,
separator included) is 240 and then 259 characters long, F1 on the results
either writes the file beside the exe or shows "Unable to save results.", and
no results file of this player appears anywhere else: not in a parent folder,
not elsewhere in the temporary tree, not on the Wine drive."""

import os
import shutil
import tempfile

from harness.e2e import EXE_NAME, Game, check, run_test, shows_background
from harness.quick_game import play_to_results, save_and_confirm

DIRECTORY_LENGTHS = [240, 259]
SEGMENT = 40  # characters per nested folder name, at most


def windows_directory(folder):
    """The folder as the game records it: drive Z:, backslashes, separator last."""
    return "Z:" + folder.replace("/", "\\") + "\\"


def nest(folder, length):
    """Makes nested folders under folder until its Windows path has the length."""
    path = folder
    while len(windows_directory(path)) < length:
        missing = length - len(windows_directory(path))
        # Each level adds its name and one separator.
        name_length = min(SEGMENT, missing - 1) if missing > 1 else 1
        if missing - (name_length + 1) == 1:
            name_length -= 1  # never leave a single character to fill
        path = os.path.join(path, "d" * max(1, name_length))
    check(len(windows_directory(path)) == length,
          "could not nest a folder of %d characters" % length)
    os.makedirs(path)
    return path


def stray_results(file_name, beside_exe):
    """Every file of that name under the temporary tree and the Wine prefix,
    except the one beside the exe."""
    found = []
    for root in {tempfile.gettempdir(), os.environ["WINEPREFIX"], os.getcwd()}:
        for folder, _dirs, files in os.walk(root, onerror=lambda _error: None):
            if file_name in files and os.path.join(folder, file_name) != beside_exe:
                found.append(os.path.join(folder, file_name))
    return found


def save_from(game, length):
    deep = nest(game.folder, length)
    exe = os.path.join(deep, EXE_NAME)
    shutil.move(game.exe_copy, exe)
    game.exe_copy = exe
    player = "Deep%d_%d" % (length, os.getpid())
    file_name = "LorvanResults_%s.txt" % player
    beside_exe = os.path.join(deep, file_name)

    game.start()
    game.wait_for_frame("first frame", shows_background)
    play_to_results(game, player)
    box = save_and_confirm(game)
    game.note("directory of %d characters: %r, %r" % (length, box.caption, box.text))
    if box.caption == "Results Saved":
        check(os.path.exists(beside_exe), "the game said it saved, but %s is missing" % beside_exe)
        with open(beside_exe, "rb") as saved:
            header = "Lorvan.exe (version 2.0) results for user: " + player
            check(saved.read().decode("latin-1").startswith(header), "the saved file's header")
    else:
        check((box.caption, box.text) == ("Error", "Unable to save results."),
              "F1 answered %r: %r" % (box.caption, box.text))
        check(not os.path.exists(beside_exe), "the game said it failed, but wrote %s" % beside_exe)
    stray = stray_results(file_name, beside_exe)
    check(stray == [], "results saved elsewhere: %s" % stray)

    game.quit_with_yes("the save")


def check_long_paths(game):
    games = [game] + [Game(game.exe, game.probe_exe, os.path.dirname(game.shots),
                           "%s_%d" % (game.name, length)) for length in DIRECTORY_LENGTHS[1:]]
    try:
        for each, length in zip(games, DIRECTORY_LENGTHS):
            save_from(each, length)
    finally:
        for each in games[1:]:
            each.close()


if __name__ == "__main__":
    run_test(check_long_paths)
