#!/usr/bin/python3
"""Device trust: a phone that has not paired with this computer shows the
trust page; once the person taps Trust on it, the category page."""
import sys

from devicecase import Phones, category_title, open_device_module, phone
from harness import check, run_case

UDID = "00008101-000B1B2C3D4E5F61"


def body(session):
    phones = Phones(session, [phone(UDID, "Bea", paired=False)])
    app = session.start_quenrow(env=phones.program_env("run"))
    window = app.window()
    open_device_module(app, window)
    app.find(window, "label", "Please trust this computer on Bea(iPhone 12) device.", timeout=30)
    check(not app.find_all(window, "push button") or not [
        b for b in app.find_all(window, "push button") if b.name == "Start Scan"], "Start Scan shows on the trust page")
    session.shot("trust")
    phones.command("trust " + UDID)
    title = category_title(app, window)
    check(title.name.startswith("Bea(iPhone 12) is connected!"), "the title reads %r" % title.name)
    app.find(window, "push button", "Start Scan")
    session.shot("categories")


if __name__ == "__main__":
    sys.exit(run_case("device_trust", body))
