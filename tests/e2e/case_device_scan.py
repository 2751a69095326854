#!/usr/bin/python3
"""Device scan: a paired phone whose name holds markup shows it as typed;
Contacts and Messages chosen, Start Scan backs the phone up (the passcode
prompt shows and goes by itself), hands the running backup's folder to the
scan-result page, which scans it once the backup is made."""
import os
import re
import sys

from devicecase import (Phones, category_title, choose_only, device_root, find_dialog_with, gone, handed_over,
                        log_lines, open_device_module, phone, backup_differences)
from harness import check, run_case, wait_until

UDID = "00008101-000A1B2C3D4E5F60"
NAME = "Ana <b>Phone</b>"
PASSCODE_TEXT = "Please enter passcode on your iOS device to continue."


def body(session):
    root = device_root(session, "phone")
    phones = Phones(session, [phone(UDID, NAME, passcode=True, root=root, PasscodePromptMs=2500,
                                    BackupFileDelayMs=100)])
    env = phones.program_env("run")
    app = session.start_quenrow(env=env)
    window = app.window()
    open_device_module(app, window)
    title = category_title(app, window)
    check(title.name.startswith(NAME + "(iPhone 12) is connected!"), "the title reads %r" % title.name)
    session.shot("categories")

    choose_only(session, app, window, ["Contacts", "Messages"])
    session.shot("chosen")
    app.press(app.find(window, "push button", "Start Scan"))

    find_dialog_with(app, PASSCODE_TEXT)
    session.shot("passcode")
    wait_until(lambda: gone(app, PASSCODE_TEXT), 30, "the passcode prompt to go")

    folders = handed_over(env, timeout=60)
    session.shot("handed-over")
    check(len(folders) == 1, "handed over %s" % folders)
    folder = folders[0]
    check(re.search(r"/VXBackup_\d+/" + re.escape(UDID) + "$", folder), "the hand-off folder is %s" % folder)
    check(folder.startswith(env["QUENROW_DATA_ROOT"]), "%s lies outside the data root" % folder)
    backup = [line for line in log_lines(env, "Harrowmoss") if "-path|" in line]
    check(len(backup) == 1 and "-backuptype|12" in backup[0], "the backup program's line: %s" % backup)
    differences = backup_differences(folder, os.path.join(root, "Backup"))
    check(not differences, "%s differs from the phone's backup in %s" % (folder, differences[:5]))


if __name__ == "__main__":
    sys.exit(run_case("device_scan", body))
