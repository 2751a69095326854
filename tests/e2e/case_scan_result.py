#!/usr/bin/python3
"""The scan-result page on a copy of the sample with four more calls: the
iTunes flow with Call History chosen too, "Start Scan"; every category's
count is the store's for the same backup (quenrow-store-dump); Call History
sorted by Name, its first two rows ticked with Space and recovered into the
test Desktop: the result tells 2 records, the desktop's opener gets the
folder, and the folder holds what quenrow-export writes for exactly those
two store rows."""
import filecmp
import hashlib
import json
import os
import sqlite3
import subprocess
import sys
import urllib.parse

from flows import ATTACHMENTS, CATEGORY_IDS, chosen_categories, plain_backup, to_data_types
from harness import check, has_state, opened, opener_stub, run_case, wait_until, walk

HEADINGS = ("System Data", "Third-party App Data")

# Calls whose order by name is not their order by time: (name, seconds
# since 2001, duration).
MORE_CALLS = [("Zora", 700010800, 61), ("Carl", 700014400, 62), ("Dana", 700018000, 63), ("Abel", 699990000, 64)]


def add_calls(backup):
    file_id = hashlib.sha1(b"HomeDomain-Library/CallHistoryDB/CallHistory.storedata").hexdigest()
    database = sqlite3.connect(os.path.join(backup, file_id[:2], file_id))
    with database:
        for number, (name, date, duration) in enumerate(MORE_CALLS, start=10):
            database.execute("INSERT INTO ZCALLRECORD (Z_PK, ZANSWERED, ZORIGINATED, ZDATE, ZDURATION,"
                             " ZISO_COUNTRY_CODE, ZNAME, ZSERVICE_PROVIDER) VALUES (?, 1, 0, ?, ?, 'ch', ?,"
                             " 'com.apple.Telephony')", (number, date, duration, name))
    database.close()


def store_dump(session, backup, ids):
    """The store's lists for the backup: {category: rows} and the call rows."""
    result = subprocess.run([os.path.join(session.bin_dir, "quenrow-store-dump"), "--backup", backup,
                             "--categories", ",".join(str(each) for each in ids),
                             "--out", os.path.join(session.work, "dump")],
                            check=True, stdout=subprocess.PIPE, text=True)
    counts, calls = {}, []
    for line in result.stdout.splitlines():
        entry = json.loads(line)
        if entry.get("list") == "records":
            counts[entry["type"]] = counts.get(entry["type"], 0) + 1
            if entry["type"] == 1024:
                calls.append(entry["record"])
        elif entry.get("list") == "sessions" and entry["scanType"] in ATTACHMENTS.values():
            counts[entry["scanType"]] = counts.get(entry["scanType"], 0) + 1
    return counts, calls


def navigation_rows(app, window):
    """(name, count) of each category row, scrolled away or not."""
    categories = app.find(window, "list", "Categories")
    rows = []
    for index in range(categories.childCount):
        row = categories.getChildAtIndex(index)
        if row.name not in HEADINGS:
            rows.append((row.name, int(row.description)))
    return categories, rows


def table_column(table, column):
    cells = table.queryTable()
    return [cells.getAccessibleAt(row, column).name for row in range(cells.nRows)]


def files_below(root):
    found = set()
    for folder, _, names in os.walk(root):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), root))
    return found


def label_containing(app, text, timeout):
    """The window showing a label with the text, and the label."""
    def search():
        for frame in app.frames():
            for node in walk(frame):
                try:
                    if node.getRoleName() == "label" and text in (node.name or ""):
                        return frame, node
                except Exception:
                    continue
        return None

    return wait_until(search, timeout, "a label with %r" % text)


def body(session):
    root = os.path.join(session.work, "backups")
    os.makedirs(root)
    backup = plain_backup(session, root, "Sample phone", 700000000)
    add_calls(backup)
    desktop = os.path.join(session.env["HOME"], "Desktop")
    os.makedirs(desktop)
    stub, record = opener_stub(session.work)
    app = session.start_quenrow(env={"QUENROW_ITUNES_BACKUP_ROOT": root,
                                     "QUENROW_DATA_ROOT": os.path.join(session.work, "data"),
                                     "PATH": stub + os.pathsep + os.environ.get("PATH", "")})
    window = app.window()
    start = to_data_types(app, window)
    # Call History is not chosen by default.
    card = app.find(window, "list item", "Call History")
    if not has_state(card, "checked"):
        session.do_action(card, "Toggle")
        wait_until(lambda: has_state(card, "checked"), 10, "Call History chosen")
    ids = chosen_categories(window)
    check(1024 in ids, "the chosen categories are %r" % ids)
    app.press(start)

    box, text = label_containing(app, "data has been scanned completely", 120)
    counts, calls = store_dump(session, backup, ids)
    categories, rows = navigation_rows(app, window)
    expected = []
    for each in ids:
        expected.append(each)
        if each in ATTACHMENTS:
            expected.append(ATTACHMENTS[each])
    check([CATEGORY_IDS.get(name) for name, _ in rows] == expected,
          "the navigation lists %r for the categories %r" % (rows, expected))
    for name, count in rows:
        check(count == counts.get(CATEGORY_IDS[name], 0),
              "%s counts %d, the store %d" % (name, count, counts.get(CATEGORY_IDS[name], 0)))
    total = sum(count for _, count in rows)
    check(text.name.startswith("%d data has been scanned completely" % total), "the box says %r" % text.name)
    session.shot("scan-result")
    app.press(app.find(box, "push button", "OK"))

    # Call History, chosen as an assistive tool chooses a row.
    row = next(categories.getChildAtIndex(index) for index in range(categories.childCount)
               if categories.getChildAtIndex(index).name == "Call History")
    session.do_action(row, "Toggle")
    table = app.find(window, "table", "Call History", timeout=20)
    wait_until(lambda: table.queryTable().nRows == len(calls), 20, "the calls listed")
    names = [call["displayName"] for call in calls]
    check(table_column(table, 1) == names, "the table shows %r, the store %r" % (table_column(table, 1), names))
    header = app.find(table, "table column header", "Name")
    session.click(header)
    by_name = sorted(names)
    wait_until(lambda: table_column(table, 1) == by_name, 10,
               "the calls sorted by name (%r)" % table_column(table, 1))
    # The first row, then Space, Down, Space.
    session.click(table.queryTable().getAccessibleAt(0, 2))
    app.keys("space", "Down", "space")
    ticked = by_name[:2]
    # Sorted, they are not the store's first two: the rows ticked must be
    # told apart from the rows shown.
    store_rows = sorted(names.index(name) for name in ticked)
    check(store_rows != [0, 1], "the sample's calls no longer tell sorted rows from store rows")
    wait_until(lambda: all(has_state(table.queryTable().getAccessibleAt(r, 0), "checked") for r in (0, 1)), 10,
               "the first two rows ticked")
    check(not any(has_state(table.queryTable().getAccessibleAt(r, 0), "checked") for r in range(2, len(calls))),
          "only two rows are ticked")
    session.shot("call-history")

    app.press(app.find(window, "push button", "Recover"))

    result, said = label_containing(app, "restored", 60)
    check(said.name == "2 data restored successfully!", "the result reads %r" % said.name)
    session.shot("recover-result")
    app.press(app.find(result, "push button", "OK"))
    folders = [name for name in os.listdir(desktop) if os.path.isdir(os.path.join(desktop, name))]
    check(len(folders) == 1, "the Desktop holds %r" % os.listdir(desktop))
    exported = os.path.join(desktop, folders[0])
    wait_until(lambda: opened(record), 10, "the folder handed to the opener")
    urls = opened(record)
    check(len(urls) == 1 and urllib.parse.urlparse(urls[0]).scheme == "file"
          and urllib.parse.unquote(urllib.parse.urlparse(urls[0]).path) == exported,
          "the opener got %r for %s" % (urls, exported))

    # Only the ticked category is recovered: quenrow-export of it, with the
    # two records checked by their rows in the store.
    reference = os.path.join(session.work, "reference")
    os.makedirs(reference)
    subprocess.run([os.path.join(session.bin_dir, "quenrow-export"), "--backup", backup,
                    "--categories", "1024", "--out", reference,
                    "--check", "1024:" + ",".join(str(each) for each in store_rows)],
                   check=True, stdout=subprocess.DEVNULL)
    (made,) = os.listdir(reference)
    ours, theirs = files_below(exported), files_below(os.path.join(reference, made))
    check(ours == theirs, "the window wrote %r, quenrow-export %r" % (sorted(ours), sorted(theirs)))
    for name in sorted(ours):
        check(filecmp.cmp(os.path.join(exported, name), os.path.join(reference, made, name), shallow=False),
              "%s differs from quenrow-export's" % name)


if __name__ == "__main__":
    sys.exit(run_case("scan_result", body))
