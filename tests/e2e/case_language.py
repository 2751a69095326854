#!/usr/bin/python3
"""Language: Deutsch from the menu replaces the heading and the cards' texts,
the title stays "Quenrow (iOS)", the choice survives a restart, and English
brings the texts back."""
import sys

from harness import check, run_case
from home import CARDS, CARDS_GERMAN, HEADING, HEADING_GERMAN, menu_keys


def choose_language(session, app, window, language, shot=None, menu="Menu"):
    app.press(app.find(window, "push button", menu))
    app.wait_for_popup()
    if shot:
        session.shot(shot)
    session.keys(*menu_keys("Languages", language))


def body(session):
    app = session.start_quenrow()
    window = app.window()
    choose_language(session, app, window, "Deutsch", shot="menu")
    app.find(window, "label", HEADING_GERMAN)
    for title in CARDS_GERMAN:
        app.find(window, "push button", title)
    app.find(window, "label", "Quenrow (iOS)")
    check(window.name == "Quenrow (iOS)", "the window is named %r" % window.name)
    session.shot("german")

    app.press(app.find(window, "push button", "Schließen"))
    check(app.wait(10) == 0, "quenrow did not end with 0")
    app = session.start_quenrow()
    window = app.window()
    app.find(window, "label", HEADING_GERMAN)
    session.shot("german-after-restart")

    choose_language(session, app, window, "English", menu="Menü")
    app.find(window, "label", HEADING)
    for title, _ in CARDS:
        app.find(window, "push button", title)
    app.find(window, "push button", "Close")
    session.shot("english")


if __name__ == "__main__":
    sys.exit(run_case("language", body))
