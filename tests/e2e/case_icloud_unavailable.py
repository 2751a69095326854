#!/usr/bin/python3
"""iCloud with the program's own iCloud library: signing in says plainly
that iCloud is not available here, and the page stays the sign-in page."""
import sys

from flows import ICLOUD_CARD, ReachableServer, set_text
from harness import check, is_showing, run_case


def body(session):
    server = ReachableServer()
    try:
        app = session.start_quenrow(env={"QUENROW_REACHABILITY_URL": server.url})
        window = app.window()
        app.press(app.find(window, "push button", ICLOUD_CARD))
        set_text(app.find(window, "text", "Apple ID"), "someone@example.com")
        set_text(app.find(window, "password text", "Password"), "Secret-Pw1")
        sign_in = app.find(window, "push button", "Sign in")
        app.press(sign_in)
        app.find(window, "label", "iCloud is not available on this platform.", timeout=20)
        check(is_showing(sign_in), "the sign-in page is still shown")
        check(not app.find_all(window, "push button") or
              all(button.name != "Download" for button in app.find_all(window, "push button")),
              "no Download button: nothing is signed in")
        session.shot("not-available")
    finally:
        server.stop()


if __name__ == "__main__":
    sys.exit(run_case("icloud_unavailable", body))
