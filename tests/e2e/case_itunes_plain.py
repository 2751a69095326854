#!/usr/bin/python3
"""iTunes, a plain backup: the list shows a plain and an encrypted backup
with their names and times, the lock on the encrypted one only; the plain
one chosen, Next and Start Scan hand its folder to the scan."""
import os
import sys

from flows import ITUNES_CARD, encrypted_backup, plain_backup, shown_time, wait_for_log
from harness import check, run_case, wait_until

PLAIN, LOCKED = ("Plain phone", 680000000), ("Locked phone", 700000000)


def row_texts(table, row):
    cells = table.queryTable()
    return [cells.getAccessibleAt(row, column).name for column in range(cells.nColumns)]


def body(session):
    root = os.path.join(session.work, "backups")
    os.makedirs(root)
    plain = plain_backup(session, root, *PLAIN)
    encrypted_backup(session, root, *LOCKED)
    app = session.start_quenrow(env={"QUENROW_ITUNES_BACKUP_ROOT": root,
                                     "QUENROW_DATA_ROOT": os.path.join(session.work, "data")})
    window = app.window()
    app.press(app.find(window, "push button", ITUNES_CARD))
    table = app.find(window, "table", "iTunes backups")
    wait_until(lambda: table.queryTable().nRows == 2, 20, "two backups listed")
    # Newest first; the lock's cell says "Encrypted", the others nothing.
    locked, plain_row = row_texts(table, 0), row_texts(table, 1)
    check(locked[:4] == ["Encrypted", LOCKED[0], shown_time(LOCKED[1]), "iPhone 8(15.3.1)"],
          "the encrypted row reads %r" % locked)
    check(plain_row[:3] == ["", PLAIN[0], shown_time(PLAIN[1])], "the plain row reads %r" % plain_row)
    session.shot("list")

    # The plain one, chosen as an assistive tool chooses a row.
    cell = table.queryTable().getAccessibleAt(1, 1)
    action = cell.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    check(names, "a cell offers no action")
    session.do_action(cell, names[0])
    wait_until(lambda: cell.getState().contains(__import__("pyatspi").STATE_SELECTED), 10, "the plain row chosen")
    app.press(app.find(window, "push button", "Next"))
    start = app.find(window, "push button", "Start Scan")
    session.shot("data-types")
    app.press(start)
    line = wait_for_log(session, "[scanBackupsDb]=>")
    check(line.endswith("[scanBackupsDb]=>" + plain), "the scan reads %r" % line)
    session.shot("scan")


if __name__ == "__main__":
    sys.exit(run_case("itunes_plain", body))
