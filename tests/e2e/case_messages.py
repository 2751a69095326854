#!/usr/bin/python3
"""Messages through the window: a copy of the sample backup, whose sms.db
gets a message written as markup, is scanned from the iTunes page; the
Messages category shows one row per conversation with the names and
previews the store holds; choosing a row shows its bubbles, the markup read
literally; the tool bar's search narrows rows and bubbles and clearing it
brings them back; Copy puts the text as sent on the clipboard. Then the
WhatsApp attachments: four pages, the photo on the first."""
import json
import os
import shutil
import sqlite3
import subprocess
import sys

from flows import ITUNES_CARD, frames_holding, plain_backup, set_text, sms_path
from harness import SLOWDOWN, check, has_state, run_case, wait_until

MARKUP = "<i>hi</i> & co"


def add_message(backup):
    """The newest message of the one-to-one conversation of the sample."""
    database = sqlite3.connect(sms_path(backup))
    with database:
        database.execute("INSERT INTO message (ROWID, guid, text, handle_id, service, date, is_from_me)"
                         " VALUES (50, 'e2e-markup', ?, 1, 'iMessage', 700000300000000000, 0)", (MARKUP,))
    database.close()


def stored_conversations(session, backup):
    """Each conversation's name and the text of its last message as
    quenrow-store-dump stores them, in the store's order."""
    out = os.path.join(session.work, "dump")
    os.makedirs(out, exist_ok=True)
    result = subprocess.run([os.path.join(session.bin_dir, "quenrow-store-dump"), "--backup", backup,
                             "--categories", "2", "--out", out], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, timeout=60 * SLOWDOWN, check=True)
    rows = []
    for line in result.stdout.decode("utf-8").splitlines():
        entry = json.loads(line)
        if entry.get("list") == "records" and entry.get("type") == 2:
            record = entry["record"]
            text = (record.get("lastMessage") or {}).get("text", "")
            # The store keeps "<" and ">" of a text as entities.
            rows.append((record["displayName"], text.replace("&lt;", "<").replace("&gt;", ">")))
    return rows


def clipboard(session):
    result = subprocess.run([os.path.join(session.bin_dir, "e2e-clipboard")],
                            env=session.program_env({"QT_QPA_PLATFORM": "xcb"}),
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=20 * SLOWDOWN)
    return result.stdout.decode("utf-8")


def labels(app, root):
    return [node.name for node in app.find_all(root, "label")]


def rows_of(app, conversations):
    return [(node.name, node.description) for node in app.find_all(conversations, "list item")]


def exact_shot(session, name):
    """The whole screen as <shots>/<name>.png."""
    path = session.shot(name)
    target = os.path.join(session.shots_dir, name + ".png")
    shutil.copyfile(path, target)
    return target


def body(session):
    root = os.path.join(session.work, "backups")
    os.makedirs(root)
    backup = plain_backup(session, root, "Message phone", 690000000)
    add_message(backup)
    stored = stored_conversations(session, backup)
    check(len(stored) == 2, "the store holds %r" % stored)

    app = session.start_quenrow(env={"QUENROW_ITUNES_BACKUP_ROOT": root,
                                     "QUENROW_DATA_ROOT": os.path.join(session.work, "data")})
    window = app.window()
    app.press(app.find(window, "push button", ITUNES_CARD))
    table = app.find(window, "table", "iTunes backups")
    wait_until(lambda: table.queryTable().nRows == 1, 20, "the backup listed")
    app.press(app.find(window, "push button", "Next"))
    app.press(app.find(window, "push button", "Start Scan"))
    recover = app.find(window, "push button", "Recover", timeout=20)
    wait_until(lambda: has_state(recover, "enabled"), 120, "the scan to end")
    # The scan's end is told in a box of its own.
    summary = frames_holding(app, "push button", "OK")
    app.press(app.find(summary, "push button", "OK"))
    wait_until(lambda: not any(node.name == "OK" for node in app.find_all(summary, "push button")), 10,
               "the scan's summary to close")

    categories = app.find(window, "list", "Categories")
    session.click(app.find(categories, "list item", "Messages"))
    conversations = app.find(window, "list", "Conversations", timeout=20)
    messages = app.find(window, "list", "Messages")

    # One row per conversation, named and previewed as the store holds them.
    def listed():
        rows = rows_of(app, conversations)
        return rows if len(rows) == len(stored) else None

    rows = wait_until(listed, 10, "a row per conversation")
    check(sorted(name for name, _ in rows) == sorted(name for name, _ in stored),
          "the rows are %r, the store holds %r" % (rows, stored))
    for name, text in stored:
        description = dict(rows)[name]
        if text.lower().endswith(".jpg"):
            check(description.endswith(" [Photos]"), "%r is previewed as %r" % (name, description))
        else:
            check(description.endswith(" " + text), "%r is previewed as %r, not %r" % (name, description, text))

    # The one-to-one conversation: its bubbles, the markup as text.
    session.click(app.find(conversations, "list item", "+15555550101"))
    wait_until(lambda: MARKUP in labels(app, messages), 10, "the markup as a bubble's text")
    shown = labels(app, messages)
    check("Are we still on for lunch?" in shown, "the bubbles are %r" % shown)
    app.find(window, "heading", "To: +15555550101")
    exact_shot(session, "messages")

    # Copy on the markup's bubble: the text as it was sent.
    # Its Copy button is the one beside it.
    bubble = app.find(messages, "label", MARKUP)
    copies = [node for node in app.find_all(messages, "push button") if node.name == "Copy"]
    check(copies, "no Copy button")
    top = bubble.queryComponent().getExtents(0)[1]
    copy = min(copies, key=lambda node: abs(node.queryComponent().getExtents(0)[1] - top))
    app.press(copy)
    wait_until(lambda: clipboard(session) == MARKUP, 10, "the text as sent on the clipboard (%r)" % clipboard(session))

    # The search narrows rows and bubbles.
    field = app.find(window, "text", "Search")
    set_text(field, "lunch")
    app.press(app.find(window, "push button", "Search"))
    wait_until(lambda: len(rows_of(app, conversations)) == 1, 20, "one conversation left")
    wait_until(lambda: labels(app, messages) and "Are we still on for lunch?" in labels(app, messages)
               and MARKUP not in labels(app, messages), 10, "only the bubble that holds the word")
    exact_shot(session, "messages-search")

    # Clearing it brings them back.
    app.press(app.find(window, "push button", "Clear"))
    wait_until(lambda: len(rows_of(app, conversations)) == len(stored), 20, "every conversation again")
    session.click(app.find(conversations, "list item", "+15555550101"))
    wait_until(lambda: MARKUP in labels(app, messages), 10, "every bubble again")
    session.shot("cleared")

    # The WhatsApp attachments, further down the categories: four pages, the
    # sample's one photo on the first.
    # The list's end, by the mouse wheel; a row's "showing" state is the one
    # read before the list scrolled, so its place tells whether it shows.
    x, y, width, height = categories.queryComponent().getExtents(0)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2),
                    "click", "--repeat", "12", "--delay", "30", "5"], env=session.env, check=True,
                   timeout=20 * SLOWDOWN)

    def attachment_row():
        for node in app.find_all(categories, "list item", showing=False):
            if node.name == "WhatsApp Attachment":
                _, top, _, tall = node.queryComponent().getExtents(0)
                return node if top >= y and top + tall <= y + height else None
        return None

    session.click(wait_until(attachment_row, 20, "the WhatsApp Attachment row"))
    # The chosen page's button is the checked one (Qt reads a checkable
    # button as a check box).
    for name in ("Photos", "Videos", "Audios", "Documents"):
        button = app.find(window, "check box", name, timeout=20)
        check(has_state(button, "checked") == (name == "Photos"), "%s is %schecked" % (name, "" if
              has_state(button, "checked") else "not "))
    photos = app.find(window, "list", "Photos")
    wait_until(lambda: app.find_all(photos, "list item"), 10, "the photo's tile")
    exact_shot(session, "attachments")


if __name__ == "__main__":
    sys.exit(run_case("messages", body))
