"""A whole game in the page, typed as the exe's end-to-end test types it: answers
with "%", "&", only spaces, the longest each box takes (typed a little longer),
corrections with Backspace and two defaults; the thinking screen's two messages;
the results in the live region; F1 downloads the file the exe would write, byte
for byte, and confirms it; File > Save results saves again; Escape, then Yes,
ends the game. axe-core audits the first screen, the quit question, the
introduction and the results; the page's policy is never violated (the test
hooks fail the test on any violation)."""

from harness.browser import run_test
from harness.page_game import play_whole_game

if __name__ == "__main__":
    run_test(play_whole_game)
