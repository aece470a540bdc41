"""File > Exit, chosen from the keyboard, ends the game at once with exit code 0
and without the quit question."""

from harness.e2e import check, run_test, shows_background


def check_file_exit(game):
    game.start()
    game.wait_for_frame("first frame", shows_background)
    game.open_menu("alt+f")
    game.capture_screen("file_menu")
    game.press("x")
    code = game.wait_for_exit()
    check(code == 0, "exit code after File > Exit is %d" % code)


if __name__ == "__main__":
    run_test(check_file_exit)
