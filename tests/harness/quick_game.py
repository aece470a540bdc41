"""Plays a whole game quickly from the keyboard: an answer typed into every box
that takes one (or two Enters on an empty box, which take the default it
offers), through the thinking screen to the results, where F1 saves them."""

from .e2e import check

# The questions after the name, in order: the introduction waits for Enter
# alone; then two numbers, five names, four titles and the wish.
NUMBER_QUESTIONS = 2
TEXT_QUESTIONS_AFTER_NUMBERS = 10


def shows_results(frame):
    """The results screen lays black bands behind its lines; the other screens
    draw their texts over the moving colours, where pure black is rare."""
    black = sum(1 for i in range(0, len(frame.rgb), 3) if frame.rgb[i:i + 3] == b"\0\0\0")
    return black * 20 > frame.width * frame.height


def answer(game, text, delay_ms=60):
    """Types an answer and confirms it; with no text, takes the default."""
    if text:
        game.type_text(text, delay_ms)
        game.press("Return")
    else:
        game.press("Return", "Return")


def play_to_results(game, name, numbers=(None, None), texts=None, delay_ms=60):
    """Answers every question (texts: the ten answers after the numbers, None
    for defaults) and waits for the results screen. Characters typed with Shift
    sometimes arrive without it when they come quickly on a loaded machine (a
    "%" as "5"); a longer delay_ms between characters makes that rare."""
    texts = texts or [None] * TEXT_QUESTIONS_AFTER_NUMBERS
    check(len(numbers) == NUMBER_QUESTIONS and len(texts) == TEXT_QUESTIONS_AFTER_NUMBERS,
          "a game has two numbers and ten answers after them")
    answer(game, name, delay_ms)
    game.press("Return")  # the introduction
    for value in list(numbers) + list(texts):
        answer(game, value, delay_ms)
    # The thinking screen moves on by itself after about six seconds.
    return game.wait_for_frame("results", shows_results, timeout=40)


def save_and_confirm(game):
    """Presses F1 and returns the message box that answers it, closed again."""
    game.press("F1")
    box = game.wait_for_box()
    game.capture_screen("save_answer")
    game.answer_box(box, "Return")
    game.wait_for_no_box()
    return box
