#!/usr/bin/python3
"""Device refused: a phone that holds a pair record but refuses the
session (trust revoked, or locked since it restarted) is not trusted: the
trust page shows, never the category page, and nothing is backed up."""
import sys
import time

from devicecase import Phones, log_lines, open_device_module, phone
from harness import check, run_case

UDID = "00008101-000E1B2C3D4E5F64"


def body(session):
    phones = Phones(session, [phone(UDID, "Eli", AcceptedHostId="5A1B2C3D-0000-4000-8000-5141AB0000FF")])
    env = phones.program_env("run")
    app = session.start_quenrow(env=env)
    window = app.window()
    open_device_module(app, window)
    app.find(window, "label", "Please trust this computer on Eli(iPhone 12) device.", timeout=30)
    # The listener looks again now and then: still the trust page.
    time.sleep(3)
    app.find(window, "label", "Please trust this computer on Eli(iPhone 12) device.")
    labels = [node.name for node in app.find_all(window, "label")]
    check(not [name for name in labels if "is connected!" in (name or "")], "the category page showed")
    check(not [b for b in app.find_all(window, "push button") if b.name == "Start Scan"], "Start Scan shows")
    check(not log_lines(env, "-path|"), "a backup was started")
    session.shot("trust")


if __name__ == "__main__":
    sys.exit(run_case("device_refused", body))
