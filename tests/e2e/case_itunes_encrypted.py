#!/usr/bin/python3
"""iTunes, an encrypted backup: a wrong password says "Wrong password" in
the password dialog; the right one shows the decryption's progress, then
the data-type page; Start Scan hands the decrypted copy
(BackupDecrypt_<name>_<seconds> in the backup folder) to the scan, and its
sms.db is the plain source's."""
import filecmp
import os
import re
import sys

from flows import ITUNES_CARD, PASSWORD, encrypted_backup, frames_holding, set_text, sms_path, wait_for_log
from harness import check, is_showing, run_case, walk, wait_until

NAME = "Locked phone"


def showing(app, role, name):
    for frame in app.frames():
        for node in walk(frame):
            try:
                if node.getRoleName() == role and node.name == name:
                    return node
            except Exception:
                continue
    return None


def body(session):
    root = os.path.join(session.work, "backups")
    os.makedirs(root)
    # Enough files for the decryption to take a moment.
    locked, plain = encrypted_backup(session, root, NAME, 700000000, padding_files=6000)
    data = os.path.join(session.work, "data")
    app = session.start_quenrow(env={"QUENROW_ITUNES_BACKUP_ROOT": root, "QUENROW_DATA_ROOT": data})
    window = app.window()
    app.press(app.find(window, "push button", ITUNES_CARD))
    table = app.find(window, "table", "iTunes backups")
    wait_until(lambda: table.queryTable().nRows == 1, 20, "the backup listed")
    app.press(app.find(window, "push button", "Next"))

    dialog = frames_holding(app, "text", "Enter password")
    field = app.find(dialog, "text", "Enter password")
    set_text(field, "not the password")
    app.press(app.find(dialog, "push button", "Decrypt"))
    app.find(dialog, "label", "Wrong password", timeout=20)
    check(field.queryText().getText(0, -1) == "not the password", "the typed text is kept")
    session.shot("wrong-password")

    # The progress dialog is a window of its own in place of the password's;
    # it may show for less than a look at the accessibility tree takes.
    windows = set(app.visible_x_windows())
    set_text(field, PASSWORD)
    app.press(app.find(dialog, "push button", "Decrypt"))
    wait_until(lambda: set(app.visible_x_windows()) - windows, 30, "the progress dialog's window", interval=0.005)
    session.shot("progress")
    start = app.find(window, "push button", "Start Scan", timeout=60)
    check(not showing(app, "label", "Decrypting iTunes backup...."), "the progress dialog is closed")
    session.shot("data-types")
    app.press(start)

    line = wait_for_log(session, "[scanBackupsDb]=>")
    copy = line.split("[scanBackupsDb]=>", 1)[1].strip()
    backup_root = os.path.join(data, "Quenrow(iOS)_Backup")
    check(re.fullmatch(re.escape(backup_root) + r"/BackupDecrypt_Locked-phone_\d+", copy),
          "the scan reads %r" % copy)
    check(filecmp.cmp(sms_path(copy), sms_path(plain), shallow=False), "the copy's sms.db is the plain one")
    session.shot("scan")


if __name__ == "__main__":
    sys.exit(run_case("itunes_encrypted", body))
