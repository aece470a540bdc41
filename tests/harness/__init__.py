"""The harness the end-to-end tests of Lorvan.exe and the browser tests of the page
share: starting the game (e2e.Game) or the page (browser.Page), driving it with real
keys, capturing frames, and the game's texts and answers the tests expect.

Tests import it as a package with tests/ on PYTHONPATH, which CTest sets:

    PYTHONPATH=tests python3 tests/e2e/test_quit_question.py --exe ... --probe ...
"""
