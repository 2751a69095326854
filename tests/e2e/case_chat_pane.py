#!/usr/bin/python3
"""The Messages view's QML pane over the accessibility bus: the message list
"Messages" with its time stamps and bubbles as labels, a message written as
markup read literally, choosing another conversation shows its bubbles, and
Copy puts the text as sent on the clipboard. The view sits in a window of
its own (e2e-chathost) over a small store."""
import os
import subprocess
import sys

from harness import SLOWDOWN, check, describe, is_showing, run_case, wait_until, walk


def clipboard(session):
    result = subprocess.run([os.path.join(session.bin_dir, "e2e-clipboard")],
                            env=session.program_env({"QT_QPA_PLATFORM": "xcb"}),
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=20 * SLOWDOWN)
    return result.stdout.decode("utf-8")


def labels(app, root):
    return [node.name for node in app.find_all(root, "label")]


def dump(root):
    lines = []
    for node in walk(root):
        lines.append(describe(node))
    return "\n".join(lines)


def body(session):
    app = session.start_quenrow(program="e2e-chathost", window="Chat host",
                                env={"QT_QUICK_BACKEND": "software"})
    window = app.window("Chat host")
    conversations = app.find(window, "list", "Conversations")
    messages = app.find(window, "list", "Messages")
    check(is_showing(messages), "the message list is not showing")

    # Ann's conversation is shown first; its markup is text.
    wait_until(lambda: "<i>hi</i> & co" in labels(app, messages), 10,
               "Ann's first message as a label:\n" + dump(window))
    shown = labels(app, messages)
    check("see https://example.com" in shown, "no second bubble in %r" % shown)
    check(any(name.startswith("2020-09-13 ") for name in shown), "no time stamp in %r" % shown)
    app.find(window, "heading", "To: +15550001")
    session.shot("ann")

    # Copy, pressed as an assistive tool does, copies the text as sent.
    copy = app.find(messages, "push button", "Copy")
    app.press(copy)
    wait_until(lambda: clipboard(session) in ("<i>hi</i> & co", "see https://example.com"), 10,
               "the message on the clipboard (%r)" % clipboard(session))

    # Bob's row, chosen by the tool's selection, shows his bubbles instead.
    table = conversations.queryTable()
    rows = [table.getAccessibleAt(row, 0).name for row in range(table.nRows)]
    check(rows == ["Ann", "Bob"], "the rows are %r" % rows)
    table.addRowSelection(rows.index("Bob"))
    wait_until(lambda: "pizza at eight" in labels(app, messages), 10,
               "Bob's message:\n" + dump(window))
    check("<i>hi</i> & co" not in labels(app, messages), "Ann's bubbles still show")
    app.find(window, "heading", "To: +15550002")
    session.shot("bob")


if __name__ == "__main__":
    sys.exit(run_case("chat-pane", body))
