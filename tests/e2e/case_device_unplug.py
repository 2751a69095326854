#!/usr/bin/python3
"""Device unplug: the phone leaves during its backup, while it waits for its
passcode; the program says so, stops the backup, removes the backup's
folder and shows the not-connected page."""
import glob
import os
import sys

from devicecase import Phones, category_title, device_root, find_dialog_with, log_lines, open_device_module, phone
from harness import check, run_case, wait_until

UDID = "00008101-000C1B2C3D4E5F62"
MESSAGE = "Your device is disconnected, please reconnect."


def body(session):
    root = device_root(session, "phone")
    phones = Phones(session, [phone(UDID, "Cai", passcode=True, root=root, PasscodePromptMs=60000)])
    # The real deletion program: the backup's folder must really go.
    env = phones.program_env("run", {"QUENROW_RUBBISH": os.path.join(session.bin_dir, "rubbish")})
    app = session.start_quenrow(env=env)
    window = app.window()
    open_device_module(app, window)
    category_title(app, window)
    app.press(app.find(window, "push button", "Start Scan"))

    pattern = os.path.join(env["QUENROW_DATA_ROOT"], "Quenrow(iOS)_Backup", "VXBackup_*")
    folders = wait_until(lambda: glob.glob(pattern), 30, "the backup's folder")
    find_dialog_with(app, "Please enter passcode on your iOS device to continue.")
    check(log_lines(env, "-path|"), "no backup was started")
    session.shot("backing-up")
    phones.command("unplug " + UDID)

    box = find_dialog_with(app, MESSAGE)
    session.shot("disconnected")
    app.press(app.find(box, "push button", "OK"))
    app.find(window, "label", "Please connect your iOS device to PC", timeout=20)
    wait_until(lambda: not os.path.exists(folders[0]), 30, "the backup's folder to go")
    check(not log_lines(env, "[scanBackupsDb]=>"), "a scan was started")
    session.shot("not-connected")


if __name__ == "__main__":
    sys.exit(run_case("device_unplug", body))
