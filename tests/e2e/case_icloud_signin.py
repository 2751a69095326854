#!/usr/bin/python3
"""iCloud with the scripted iCloud library: the account needs two-step
verification (12); the code typed into the six boxes is accepted, the
data-type page shows the account, and Download hands a fresh
VXBackup_<seconds> folder to the pull."""
import json
import os
import re
import sys

from flows import ICLOUD_CARD, ReachableServer, frames_holding, set_text, wait_for_log
from harness import check, run_case

ACCOUNT = "someone@example.com"


def body(session):
    server = ReachableServer()
    try:
        data = os.path.join(session.work, "data")
        app = session.start_quenrow(env={
            "QUENROW_REACHABILITY_URL": server.url,
            "QUENROW_DATA_ROOT": data,
            "QUENROW_CIRRANE": os.path.join(session.bin_dir, "libCirraneScripted.so"),
            "QUENROW_CIRRANE_SCRIPT": json.dumps({"login": [12], "verify": [0]}),
        })
        window = app.window()
        app.press(app.find(window, "push button", ICLOUD_CARD))
        set_text(app.find(window, "text", "Apple ID"), ACCOUNT)
        set_text(app.find(window, "password text", "Password"), "Secret-Pw1")
        app.press(app.find(window, "push button", "Sign in"))

        dialog = frames_holding(app, "text", "Digit 1")
        for index, digit in enumerate("123456"):
            set_text(app.find(dialog, "text", "Digit %d" % (index + 1)), digit)
        session.shot("code")
        app.press(app.find(dialog, "push button", "Verify"))

        download = app.find(window, "push button", "Download", timeout=20)
        sign_out = app.find(window, "link", "(Sign out)")
        check(ACCOUNT in sign_out.description, "the account is %r" % sign_out.description)
        session.shot("data-types")
        app.press(download)
        line = wait_for_log(session, "[scanBackups]=>")
        folder = line.split("[scanBackups]=>", 1)[1].strip()
        check(re.fullmatch(re.escape(os.path.join(data, "Quenrow(iOS)_Backup")) + r"/VXBackup_\d+", folder),
              "the pull goes to %r" % folder)
        session.shot("download")
    finally:
        server.stop()


if __name__ == "__main__":
    sys.exit(run_case("icloud_signin", body))
