#!/usr/bin/python3
"""Start: the window "Quenrow (iOS)" shows the heading and the three cards."""
import sys

from harness import check, run_case
from home import CARDS, HEADING


def body(session):
    app = session.start_quenrow()
    window = app.window()
    check(window.getRoleName() == "frame", "the window is a %s" % window.getRoleName())
    app.find(window, "label", HEADING)
    app.find(window, "label", "Quenrow (iOS)")
    for title, description in CARDS:
        card = app.find(window, "push button", title)
        check(card.description == description, "%r describes itself as %r" % (title, card.description))
    for name in ("Menu", "Minimize", "Close"):
        app.find(window, "push button", name)
    session.shot("home")


if __name__ == "__main__":
    sys.exit(run_case("start", body))
