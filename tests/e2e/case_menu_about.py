#!/usr/bin/python3
"""Menu: About opens the about dialog, which shows the version "8.1.0";
its close button closes it. Its rounded corners are drawn without black,
also where no compositing manager shows transparency."""
import sys

from harness import check, is_showing, run_case, wait_until
from home import menu_keys


def is_dialog(frame):
    # A dialog that closes between the listing and this question is gone.
    try:
        return frame.getRoleName() == "dialog"
    except Exception:
        return False


def showing_dialogs(app):
    return [frame for frame in app.frames() if is_dialog(frame) and is_showing(frame)]


def body(session):
    app = session.start_quenrow()
    window = app.window()
    app.press(app.find(window, "push button", "Menu"))
    app.wait_for_popup()
    session.shot("menu")
    session.keys(*menu_keys("About"))
    dialog = wait_until(lambda: (showing_dialogs(app) or [None])[0], 10, "the about dialog")
    app.find(dialog, "label", contains="8.1.0")
    shot = session.shot("about")
    x, y, width, height = dialog.queryComponent().getExtents(0)
    for corner in ((x + 1, y + 1), (x + width - 2, y + height - 2)):
        colour = session.pixel(shot, *corner)
        check(sum(colour) > 3 * 128, "the dialog's corner at %s is %s" % (corner, colour))
    app.press(app.find(dialog, "push button", "Close"))
    wait_until(lambda: not showing_dialogs(app), 10, "the about dialog to close")
    check(app.running(), "quenrow ended with the dialog")
    app.find(window, "push button", "Menu")
    session.shot("closed")


if __name__ == "__main__":
    sys.exit(run_case("menu-about", body))
