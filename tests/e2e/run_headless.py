#!/usr/bin/python3
"""`make run` without a display: quenrow starts on a virtual one under the
end-to-end harness, with the sample backup as the iTunes backups, and walks
the steps below. Each step leaves build/run-output/quenrow-<step>.png, whose
path it prints; a step whose page is not built yet says it was skipped.

A later page adds its step to STEPS: a function of (session, app, window)
that acts as a person would and returns None when done, or the reason it
was skipped."""
import os
import sys

from harness import SOURCE_DIR, Failure, Session, has_state, wait_until, walk
from home import CARDS, HEADING

DEVICE_CARD = CARDS[0][0]
ITUNES_CARD = CARDS[1][0]
NOT_FOUND = "Sorry, your iTunes backup file was not found."


def step_home(session, app, window):
    app.find(window, "label", HEADING)
    return None


def step_open_device(session, app, window):
    card = app.find(window, "push button", DEVICE_CARD)
    if not has_state(card, "enabled"):
        return "the device page is not built yet"
    app.press(card)
    # No phone here: the page that asks for one.
    app.find(window, "label", "Please connect your iOS device to PC")
    return None


def step_back_home(session, app, window):
    back = app.find_all(window, "push button")
    back = [button for button in back if button.name == "Back"]
    if not back:
        return "no device page to leave"
    app.press(back[0])
    app.find(window, "label", HEADING)
    return None


def step_open_itunes(session, app, window):
    card = app.find(window, "push button", ITUNES_CARD)
    if not has_state(card, "enabled"):
        return "the iTunes page is not built yet"
    app.press(card)
    app.find(window, "label", "Quenrow (iOS) > " + ITUNES_CARD)
    table = app.find(window, "table", "iTunes backups")

    def listed():
        return table.queryTable().nRows > 0 or any(label.name == NOT_FOUND for label in app.find_all(window, "label"))

    wait_until(listed, 20, "the backup list")
    return None


def step_select_sample(session, app, window):
    table = app.find(window, "table", "iTunes backups")
    if table.queryTable().nRows == 0:
        return "no backup is listed"
    # The newest backup is chosen; the sample is the only one make run lists.
    app.press(app.find(window, "push button", "Next"))
    app.find(window, "push button", "Start Scan")
    return None


def step_scan(session, app, window):
    app.press(app.find(window, "push button", "Start Scan"))
    recover = app.find(window, "push button", "Recover", timeout=20)
    # Recover is offered once the scan has ended; the box that tells the
    # total is answered, and the page is left as it shows the result.
    wait_until(lambda: has_state(recover, "enabled"), 120, "the scan of the sample to end")
    box = wait_until(lambda: frame_with_button(app, "OK"), 20, "the scan's result box")
    app.press(button_in(box, "OK"))
    wait_until(lambda: not frame_with_button(app, "OK"), 20, "the result box to close")
    return None


def button_in(frame, name):
    for node in walk(frame):
        try:
            if node.getRoleName() == "push button" and node.name == name:
                return node
        except Exception:
            continue
    return None


def frame_with_button(app, name):
    """The window showing a button of that name, if one does."""
    for frame in app.frames():
        if button_in(frame, name):
            return frame
    return None


def step_messages(session, app, window):
    # The scan's end is told in a box of its own.
    from flows import frames_holding
    try:
        summary = frames_holding(app, "push button", "OK")
    except Failure:
        return "the scan ended without its summary"
    app.press(app.find(summary, "push button", "OK"))
    wait_until(lambda: not any(node.name == "OK" for node in app.find_all(summary, "push button")), 10,
               "the scan's summary to close")
    try:
        messages = app.find(app.find(window, "list", "Categories", timeout=2), "list item", "Messages", timeout=2)
    except Failure:
        return "the scan shows no Messages"
    session.click(messages)
    app.find(window, "list", "Conversations", timeout=20)
    app.find(window, "list", "Messages")
    return None


def confirm_exit(app):
    """The scan page asks before the program ends with its results."""
    try:
        frame = wait_until(lambda: frame_with_button(app, "Exit"), 5, "the question before quitting")
    except Failure:
        return
    app.press(button_in(frame, "Exit"))


STEPS = [
    ("home", step_home),
    ("device", step_open_device),
    ("device-back", step_back_home),
    ("itunes", step_open_itunes),
    ("select-sample", step_select_sample),
    ("scan", step_scan),
    ("messages", step_messages),
]


def main():
    build = os.path.join(SOURCE_DIR, "build")
    import argparse
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", default=os.path.join(build, "bin"))
    parser.add_argument("--out", default=os.path.join(build, "run-output"))
    options = parser.parse_args()
    out = os.path.abspath(options.out)
    os.makedirs(os.path.join(out, "log"), exist_ok=True)
    if not os.environ.get("QUENROW_ITUNES_BACKUP_ROOT"):
        print("QUENROW_ITUNES_BACKUP_ROOT is not set: the iTunes list shows this computer's backups")
    try:
        # The program's own quit, deletion of its media cache included.
        with Session("quenrow", options.bin, out, record_rubbish=False) as session:
            app = session.start_quenrow(env={"QUENROW_LOG_DIR": os.path.join(out, "log")})
            window = app.window()
            for name, step in STEPS:
                skipped = step(session, app, window)
                if skipped:
                    print("%s: skipped, %s" % (name, skipped))
                    continue
                print("%s: %s" % (name, session.shot(name, folder=out, prefix="quenrow")))
            app.press(app.find(window, "push button", "Close"))
            confirm_exit(app)
            wait_until(lambda: not app.running(), 10, "quenrow to end")
    except Failure as failure:
        print("make run failed: %s" % failure, file=sys.stderr)
        return 1
    print("The program's log: " + os.path.join(out, "log", "app.txt"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
