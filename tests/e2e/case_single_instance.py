#!/usr/bin/python3
"""Single instance: a second quenrow exits 0 within 5 s, shows no window of
its own, and the first stays, brought to the front."""
import sys

from harness import check, has_state, run_case, wait_until


def body(session):
    app = session.start_quenrow()
    window = app.window()
    status = session.run_quenrow(["--from-context-menu"], timeout=5)
    check(status == 0, "the second start ended with %s" % status)
    check(app.running(), "the first instance ended")
    frames = [frame for frame in app.frames() if frame.name == "Quenrow (iOS)"]
    check(len(frames) == 1, "%d windows named Quenrow (iOS)" % len(frames))
    others = [each for each in session.applications() if each.get_process_id() != app.pid
              and "quenrow" in (each.name or "").lower()]
    check(not others, "a second quenrow is listed: %s" % [each.name for each in others])
    wait_until(lambda: has_state(window, "active"), 10, "the first window to be active")
    session.shot("first-stays")
    # It still answers.
    status = session.run_quenrow(timeout=5)
    check(status == 0, "a third start ended with %s" % status)
    check(app.running(), "the first instance ended after the third start")


if __name__ == "__main__":
    sys.exit(run_case("single-instance", body))
