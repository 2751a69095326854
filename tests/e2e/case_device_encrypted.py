#!/usr/bin/python3
"""Device encrypted: a phone whose backups are encrypted asks for the backup
password; a wrong one says so, the right one goes on; the phone keeps its
encryption and the scan reads the decrypted copy of its backup."""
import hashlib
import os
import subprocess
import sys

from devicecase import (Phones, category_title, choose_only, find_dialog_with, handed_over, open_device_module, phone,
                        sample_backup)
from harness import check, run_case, wait_until

UDID = "00008101-000D1B2C3D4E5F63"
PASSWORD = "sample pass"
PROMPT = "It detected your iTunes backup is encrypted, please enter your password."

# Answers "changepw OLD NEW" (a check when both are equal) as a phone whose
# backup password is PASSWORD, and records every call.
PASSWORD_TOOL = """#!/bin/sh
printf '%%s\\n' "$*" >> '%(record)s'
[ "$4" = '%(password)s' ] && [ "$5" = '%(password)s' ] && exit 0
exit 1
"""


def backed_up_file(folder, domain, path):
    file_id = hashlib.sha1(("%s-%s" % (domain, path)).encode()).hexdigest()
    return os.path.join(folder, file_id[:2], file_id)


def body(session):
    root = os.path.join(session.work, "phone")
    os.makedirs(root)
    subprocess.run([os.path.join(session.bin_dir, "backup-encrypt"), sample_backup(session),
                    os.path.join(root, "Backup"), PASSWORD], check=True, stdout=subprocess.DEVNULL)
    record = os.path.join(session.work, "password-tool-calls")
    tool = os.path.join(session.work, "password-tool")
    with open(tool, "w") as file:
        file.write(PASSWORD_TOOL % {"record": record, "password": PASSWORD})
    os.chmod(tool, 0o755)

    phones = Phones(session, [phone(UDID, "Dan", encrypted=True, root=root, BackupFileDelayMs=100)])
    env = phones.program_env("run", {"QUENROW_IDEVICEBACKUP2": tool})
    app = session.start_quenrow(env=env)
    window = app.window()
    open_device_module(app, window)
    category_title(app, window)
    choose_only(session, app, window, ["Contacts", "Messages"])
    app.press(app.find(window, "push button", "Start Scan"))

    dialog = find_dialog_with(app, PROMPT)
    field = app.find(dialog, "text", "Enter password")
    field.queryEditableText().setTextContents("not it")
    app.press(app.find(dialog, "push button", "Decrypt"))
    app.find(dialog, "label", "Wrong password", timeout=30)
    session.shot("wrong-password")
    field.queryEditableText().setTextContents(PASSWORD)
    app.press(app.find(dialog, "push button", "Decrypt"))

    folders = handed_over(env, timeout=120)
    session.shot("handed-over")
    check(len(folders) == 1, "handed over %s" % folders)
    check(folders[0].endswith("/BackupDecrypt_" + UDID), "the scan read %s" % folders[0])
    sms = ("HomeDomain", "Library/SMS/sms.db")
    with open(backed_up_file(folders[0], *sms), "rb") as mine, \
            open(backed_up_file(sample_backup(session), *sms), "rb") as theirs:
        check(mine.read() == theirs.read(), "the decrypted sms.db differs from the phone's")
    with open(record) as file:
        calls = file.read().splitlines()
    check(len(calls) == 2, "the password tool was called %s" % calls)
    check(not [call for call in calls if "encryption off" in call], "encryption was switched off: %s" % calls)


if __name__ == "__main__":
    sys.exit(run_case("device_encrypted", body))
