#!/usr/bin/python3
"""WhatsApp and LINE through the window: a copy of the sample backup, whose
WhatsApp chat gets a message written as markup, is scanned from the iTunes
page. Each category shows its tabs; the rows hold the names, summaries and
times the store holds; choosing a chat shows its bubbles, the markup read
literally; the group tab shows the group; the search narrows the rows and
clearing it brings them back; LINE's Keep tab lists its kinds and shows the
kept texts."""
import hashlib
import json
import os
import shutil
import sqlite3
import subprocess
import sys

from flows import ITUNES_CARD, frames_holding, plain_backup, set_text
from harness import SLOWDOWN, check, run_case, has_state, wait_until

MARKUP = "<b>bring</b> & co"
# The tabs are checkable buttons: check boxes to assistive tools.
TAB = "check box"
WHATSAPP = 131072
LINE = 262144


def chat_storage(backup):
    file_id = hashlib.sha1(b"AppDomainGroup-group.net.whatsapp.WhatsApp.shared-ChatStorage.sqlite").hexdigest()
    return os.path.join(backup, file_id[:2], file_id)


def add_message(backup):
    """The newest message of the one-to-one chat of the sample."""
    database = sqlite3.connect(chat_storage(backup))
    with database:
        database.execute(
            "INSERT INTO ZWAMESSAGE (Z_PK, Z_ENT, Z_OPT, ZGROUPEVENTTYPE, ZISFROMME, ZMESSAGESTATUS, ZMESSAGETYPE,"
            " ZSORT, ZSTARRED, ZCHATSESSION, ZMESSAGEDATE, ZFROMJID, ZSTANZAID, ZTEXT)"
            " VALUES (50, 11, 1, 0, 0, 0, 0, 50, 0, 1, 667819000, '15550107788@s.whatsapp.net',"
            " '3A00000000000000E2E0', ?)", (MARKUP,))
    database.close()


def stored_sessions(session, backup):
    """Per category, each session's title and its last message as
    quenrow-store-dump stores them."""
    out = os.path.join(session.work, "dump")
    os.makedirs(out, exist_ok=True)
    result = subprocess.run([os.path.join(session.bin_dir, "quenrow-store-dump"), "--backup", backup,
                             "--categories", "%d,%d" % (WHATSAPP, LINE), "--out", out], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, timeout=60 * SLOWDOWN, check=True)
    sessions = {WHATSAPP: {}, LINE: {}}
    for line in result.stdout.decode("utf-8").splitlines():
        entry = json.loads(line)
        if entry.get("list") == "records" and entry.get("type") in sessions:
            record = entry["record"]
            sessions[entry["type"]][record["title"]] = record
    return sessions


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


def choose_tab(session, app, window, name):
    """A tab of the chat view, as an assistive tool chooses it."""
    session.do_action(app.find(window, TAB, name), "Toggle")


def open_category(session, app, window, name):
    """The category's row, scrolled to with the mouse wheel as a person
    would, then clicked."""
    categories = app.find(window, "list", "Categories")
    x, y, width, height = categories.queryComponent().getExtents(0)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2),
                    "click", "--repeat", "15", "--delay", "30", "5"], env=session.env, check=True,
                   timeout=20 * SLOWDOWN)
    session.click(app.find(categories, "list item", name))
    return app.find(window, "list", "Conversations", timeout=20)


def body(session):
    root = os.path.join(session.work, "backups")
    os.makedirs(root)
    backup = plain_backup(session, root, "Chat phone", 690000000)
    add_message(backup)
    stored = stored_sessions(session, backup)
    check("Mia Rossi" in stored[WHATSAPP] and "Hiking Club" in stored[WHATSAPP], "the store holds %r" % stored)
    check("Mika" in stored[LINE], "the store holds %r" % stored)

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
    summary = frames_holding(app, "push button", "OK")
    app.press(app.find(summary, "push button", "OK"))
    wait_until(lambda: not any(node.name == "OK" for node in app.find_all(summary, "push button")), 10,
               "the scan's summary to close")

    # WhatsApp: three tabs; the individual chat as the store holds it.
    conversations = open_category(session, app, window, "WhatsApp")
    for tab in ("Individual message", "Group message", "Starred message"):
        app.find(window, TAB, tab)
    messages = app.find(window, "list", "Messages")
    mia = stored[WHATSAPP]["Mia Rossi"]
    rows = wait_until(lambda: rows_of(app, conversations) or None, 10, "the chats listed")
    check([name for name, _ in rows] == ["Mia Rossi"], "the individual chats are %r" % rows)
    check(rows[0][1] == mia["lastMessage"]["dayText"] + " " + MARKUP,
          "Mia Rossi is summarised as %r, the store's last message is %r" % (rows[0][1], mia["lastMessage"]))
    session.click(app.find(conversations, "list item", "Mia Rossi"))
    wait_until(lambda: MARKUP in labels(app, messages), 10, "the markup as a bubble's text")
    shown = labels(app, messages)
    check("Are you coming on Saturday?" in shown and "Yes! I'll bring the map." in shown,
          "the bubbles are %r" % shown)
    app.find(window, "heading", "To: Mia(+15550107788)")
    exact_shot(session, "whatsapp")

    # The group: its events as the chat's own lines.
    choose_tab(session, app, window, "Group message")
    wait_until(lambda: [name for name, _ in rows_of(app, conversations)] == ["Hiking Club"], 10, "the group listed")
    session.click(app.find(conversations, "list item", "Hiking Club"))
    wait_until(lambda: "Mia Rossi added 15550103344" in labels(app, messages), 10, "the group's events")
    heading = app.find(window, "heading", contains="To: You(+15550100000)")
    check("Mia(+15550107788)" in heading.name, "the group's title is %r" % heading.name)
    exact_shot(session, "whatsapp-group")

    # The search narrows the rows and the bubbles; clearing brings them back.
    choose_tab(session, app, window, "Individual message")
    field = app.find(window, "text", "Search")
    set_text(field, "saturday")
    app.press(app.find(window, "push button", "Search"))
    wait_until(lambda: labels(app, messages) and "Yes! I'll bring the map." not in labels(app, messages), 20,
               "only the bubbles that hold the word")
    check("Are you coming on Saturday?" in labels(app, messages), "the bubbles are %r" % labels(app, messages))
    set_text(field, "nowhere")
    app.press(app.find(window, "push button", "Search"))
    wait_until(lambda: not rows_of(app, conversations), 20, "no chat left")
    app.press(app.find(window, "push button", "Clear"))
    wait_until(lambda: len(rows_of(app, conversations)) == 1, 20, "the chat again")
    wait_until(lambda: MARKUP in labels(app, messages), 10, "every bubble again")

    # LINE: the chat, then the Keep tab with its kinds.
    conversations = open_category(session, app, window, "LINE")
    messages = app.find(window, "list", "Messages")
    rows = wait_until(lambda: rows_of(app, conversations) or None, 10, "the LINE chats listed")
    mika = stored[LINE]["Mika"]
    check([name for name, _ in rows] == ["Mika"], "the LINE chats are %r" % rows)
    check(rows[0][1] == mika["lastMessage"]["dateText"] + " [Voice Call]", "Mika is summarised as %r" % rows[0][1])
    session.click(app.find(conversations, "list item", "Mika"))
    wait_until(lambda: "Are we still on for Sunday?" in labels(app, messages), 10, "Mika's bubbles")
    check("Voice call 00:00" in labels(app, messages), "the bubbles are %r" % labels(app, messages))
    app.find(window, "heading", "To: Mika")
    exact_shot(session, "line")

    choose_tab(session, app, window, "LINE Keep")
    kinds = app.find(window, "list", "LINE Keep types")
    names = [node.name for node in app.find_all(kinds, "list item")]
    check(names == ["Texts", "Photos", "Videos", "Audios", "Documents", "Other"], "the Keep kinds are %r" % names)
    wait_until(lambda: "See you all there" in labels(app, messages), 10, "the kept texts")
    exact_shot(session, "line-keep")
    session.click(app.find(kinds, "list item", "Photos"))
    wait_until(lambda: "See you all there" not in labels(app, messages), 10, "no kept photo")


if __name__ == "__main__":
    sys.exit(run_case("chat_apps", body))
