#!/usr/bin/python3
"""Contacts, notes, calendars and reminders of a test-built backup, scanned
through the iTunes flow: each category's rows are its records, a click on a
row fills "Details", a name that looks like markup reads as it stands, a
search narrows the rows and Show Deleted leaves only the deleted ones.
Shots: contacts.png, notes.png, calendars.png and reminders.png."""
import os
import subprocess
import sys
import time

from flows import ITUNES_CARD, frames_holding, set_text
from harness import SLOWDOWN, check, has_state, is_showing, run_case, wait_until

MARKUP = "<img src=x onerror=alert(1)>"
# The store names a contact by its last name, then its first.
ANNA = "MusterAnna"
ARABIC = "\u0623\u062d\u0645\u062f\u0633\u0627\u0631\u0629"
CONTACTS = {ANNA, MARKUP, ARABIC, "DeletedCarla"}
NOTES = {"Balcony plants", "Pancakes", "Door codes"}
EVENTS = {"Team lunch", "Dentist"}
REMINDERS = {"Water the plants", "Return library books"}


def rows(view, column=0):
    """What assistive tools read on each row of a list or table (None for a
    row that went while it was read)."""
    table = view.queryTable()
    cells = [table.getAccessibleAt(row, column) for row in range(table.nRows)]
    return [each.name if each is not None else None for each in cells]


def cell(view, name, column=0):
    table = view.queryTable()
    for row in range(table.nRows):
        each = table.getAccessibleAt(row, column)
        if each is not None and each.name == name:
            return each
    check(False, "no row %r in %r" % (name, rows(view, column)))


def click(session, accessible, dx=None):
    """A left click as a person makes it: on the middle of the object, or dx
    pixels from its left edge."""
    import pyatspi
    extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x = extents.x + (extents.width // 2 if dx is None else dx)
    y = extents.y + extents.height // 2
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"], env=session.env, check=True,
                   timeout=20 * SLOWDOWN)


def open_category(session, app, window, name):
    click(session, app.find(app.find(window, "list", "Categories"), "list item", name))


def wait_rows(view, expected, what, column=0):
    try:
        wait_until(lambda: set(rows(view, column)) == expected, 15, what)
    except Exception:
        print("rows: %r" % rows(view, column), file=sys.stderr)
        raise


def details(app, window):
    return rows(app.find(window, "list", "Details"))


def wait_details(app, window, wanted):
    try:
        wait_until(lambda: all(line in details(app, window) for line in wanted), 15, "the details %r" % (wanted,))
    except Exception:
        print("details: %r" % details(app, window), file=sys.stderr)
        raise


def show(session, app, window, index):
    """Show All (0), Show Existing (1) or Show Deleted (2) of the tool bar."""
    app.press(app.find(window, "combo box", "Show"))
    app.wait_for_popup()
    session.keys("Home", *(["Down"] * index), "Return")


def search_for(app, window, text):
    """Types into the tool bar's search box and searches, as with the
    magnifier; an emptied box shows every row again by itself."""
    set_text(app.find(window, "text", "Search"), text)
    if text:
        app.press(app.find(window, "push button", "Search"))


def shot(session, name):
    """build/e2e-shots/<name>.png."""
    path = session.shot(name)
    target = os.path.join(os.path.dirname(path), name + ".png")
    os.replace(path, target)
    return target


def scan(session, app, window):
    app.press(app.find(window, "push button", ITUNES_CARD))
    table = app.find(window, "table", "iTunes backups")
    wait_until(lambda: table.queryTable().nRows == 1, 20, "the backup listed")
    app.press(app.find(window, "push button", "Next"))
    app.press(app.find(window, "push button", "Start Scan"))
    recover = app.find(window, "push button", "Recover", timeout=20)
    wait_until(lambda: has_state(recover, "enabled"), 120 * SLOWDOWN, "the scan to end")
    # The page tells how much it found.
    done = frames_holding(app, "push button", "OK")
    app.press(app.find(done, "push button", "OK"))
    wait_until(lambda: not any(is_showing(frame) and frame is not None and frame.name != window.name
                               for frame in app.frames()), 10, "the message to close")


def contacts(session, app, window):
    open_category(session, app, window, "Contacts")
    people = app.find(window, "list", "Contacts")
    wait_rows(people, CONTACTS, "the contacts listed")
    click(session, cell(people, ANNA), dx=140)
    wait_details(app, window, ["Company: Example AG", "Mobile Number: +41790000001",
                               "Home Email: anna@example.com"])
    app.find(window, "label", ANNA)
    time.sleep(0.5)
    shot(session, "contacts")

    # The name that looks like markup: as it stands, in the list and the label.
    click(session, cell(people, MARKUP), dx=140)
    wait_details(app, window, ["Work Number: (919)555-0100"])
    app.find(window, "label", MARKUP)
    click(session, cell(people, ARABIC), dx=140)
    wait_details(app, window, ["Mobile Number: +201000000003"])
    app.find(window, "label", ARABIC)

    search_for(app, window, "anna")
    wait_rows(people, {ANNA}, "the search to leave Anna")
    search_for(app, window, "")
    wait_rows(people, CONTACTS, "every contact again")
    show(session, app, window, 2)
    wait_rows(people, {"DeletedCarla"}, "only the deleted contact")


def notes(session, app, window):
    open_category(session, app, window, "Notes")
    memos = app.find(window, "list", "Notes")
    wait_rows(memos, NOTES, "the notes listed")
    click(session, cell(memos, "Balcony plants"), dx=140)
    wait_details(app, window, ["Title: Balcony plants"])
    lines = details(app, window)
    check(any(line.startswith("Content: Balcony plants") and "Water twice a week" in line for line in lines),
          "the note's content in %r" % lines)
    check(any(line.startswith("Attachments: ") for line in lines), "the note's attachment in %r" % lines)
    time.sleep(0.5)
    shot(session, "notes")

    click(session, cell(memos, "Door codes"), dx=140)
    app.find(window, "label", "This note is locked!")
    check(details(app, window) == [], "a locked note shows no rows")
    search_for(app, window, "eggs")
    wait_rows(memos, {"Pancakes"}, "the search to leave the pancakes")
    search_for(app, window, "")
    show(session, app, window, 2)
    wait_rows(memos, {"Pancakes"}, "only the deleted note")


def table_category(session, app, window, name, titles, first, wanted, search, found):
    open_category(session, app, window, name)
    table = app.find(window, "table", name)
    wait_rows(table, titles, "the %s listed" % name.lower(), column=1)
    click(session, cell(table, first, column=1))
    wait_details(app, window, ["Title: " + first])
    lines = details(app, window)
    for prefix in wanted:
        check(any(line.startswith(prefix) for line in lines), "%r in %r" % (prefix, lines))
    time.sleep(0.5)
    shot(session, name.lower())
    search_for(app, window, search)
    wait_rows(table, found, "the search for %r" % search, column=1)
    search_for(app, window, "")
    wait_rows(table, titles, "every row again", column=1)
    return table


def body(session):
    root = os.path.join(session.work, "backups")
    builder = os.path.join(os.path.dirname(session.bin_dir), "tests", "e2e", "e2e-recordsbackup")
    subprocess.run([builder, os.path.join(root, "Records-iPhone")], check=True)
    app = session.start_quenrow(env={"QUENROW_ITUNES_BACKUP_ROOT": root,
                                     "QUENROW_DATA_ROOT": os.path.join(session.work, "data")})
    window = app.window()
    scan(session, app, window)
    contacts(session, app, window)
    notes(session, app, window)
    table_category(session, app, window, "Calendars", EVENTS, "Team lunch",
                   ["Starts: 20", "Ends: 20", "Notes: Bring the agenda", "Attachments: "], "dent", {"Dentist"})
    reminders = table_category(session, app, window, "Reminders", REMINDERS, "Water the plants",
                               ["List: Home", "Status: Unfinished", "Priority: High",
                                "Notes: the ones on the balcony", "Attachments: "], "library",
                               {"Return library books"})
    show(session, app, window, 2)
    wait_rows(reminders, {"Return library books"}, "only the deleted reminder", column=1)


if __name__ == "__main__":
    sys.exit(run_case("records", body))
