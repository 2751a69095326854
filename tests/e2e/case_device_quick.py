#!/usr/bin/python3
"""Device, a quick backup: the phone's backup ends well within the device
flow's fallback, so the flow hands the finished backup over; the scan-result
page scans it once and shows the chosen categories with their records."""
import re
import sys

from devicecase import (Phones, category_title, choose_only, device_root, find_dialog_with, gone,
                        handed_over, open_device_module, phone)
from harness import check, run_case, wait_until

UDID = "00008101-000E1B2C3D4E5F64"
CHOSEN = ["Contacts", "Messages"]


def body(session):
    root = device_root(session, "phone")
    phones = Phones(session, [phone(UDID, "Eve", root=root)])
    env = phones.program_env("run")
    app = session.start_quenrow(env=env)
    window = app.window()
    open_device_module(app, window)
    category_title(app, window)
    choose_only(session, app, window, CHOSEN)
    app.press(app.find(window, "push button", "Start Scan"))

    done = find_dialog_with(app, "has been scanned completely", timeout=90)
    session.shot("result")
    text = app.find(done, "label", contains="scanned completely").name
    total = re.search(r"(\d+) data has been scanned completely", text)
    check(total and int(total.group(1)) > 0, "the result reads %r" % text)
    app.press(app.find(done, "push button", "OK"))
    wait_until(lambda: gone(app, "has been scanned completely"), 10, "the result box to close")

    folders = handed_over(env, timeout=10)
    check(len(folders) == 1, "scanned %s" % folders)
    check(folders[0].endswith("/" + UDID), "the scan read %s" % folders[0])
    categories = app.find(window, "list", "Categories")
    for name in CHOSEN:
        item = app.find(categories, "list item", name)
        wait_until(lambda: (item.description or "0") != "0", 10, "%s counted" % name)
    session.shot("categories")


if __name__ == "__main__":
    sys.exit(run_case("device_quick", body))
