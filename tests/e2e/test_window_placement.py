"""The game opens one window of the game's class, 640 by 480 on the outside,
centred on the screen, with the game's title."""

from harness.e2e import GAME_TITLE_PREFIX, check, display_size, run_test, wait_until

OUTER_WIDTH, OUTER_HEIGHT = 640, 480


def check_placement(game):
    game.start()
    screen_width, screen_height = display_size()
    centred = ((screen_width - OUTER_WIDTH) // 2, (screen_height - OUTER_HEIGHT) // 2,
               OUTER_WIDTH, OUTER_HEIGHT)
    # The window is shown at the system's default place first and moved after.
    info = wait_until("the window to be centred", lambda: (
        lambda w: w if w.outer == centred else None)(game.window()))
    game.capture("centred")

    check(info.title.startswith(GAME_TITLE_PREFIX), "title is %r" % info.title)
    client_x, client_y, client_width, client_height = info.client
    check(0 < client_width < OUTER_WIDTH and 0 < client_height < OUTER_HEIGHT,
          "client area %dx%d is not inside the frame" % (client_width, client_height))
    check(centred[0] <= client_x and centred[1] < client_y,
          "client origin (%d, %d) lies outside the window at %s" % (client_x, client_y, centred))


if __name__ == "__main__":
    run_test(check_placement)
