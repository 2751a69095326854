#!/usr/bin/python3
"""Close: the title bar's "Close" ends the program with status 0, after it
handed the media cache to the deletion program."""
import os
import sys

from harness import check, run_case, wait_until


def body(session):
    app = session.start_quenrow()
    window = app.window()
    session.shot("before")
    app.press(app.find(window, "push button", "Close"))
    status = app.wait(10)
    check(status == 0, "quenrow ended with %s" % status)
    handed = wait_until(session.rubbish_arguments, 10, "the deletion program's folders")
    check(handed[0] == os.path.join(session.bin_dir, "cache_media"), "handed %s" % handed)
    for folder in handed[1:]:
        check(folder.endswith("/Quenrow(iOS)_Backup"), "handed %s" % folder)


if __name__ == "__main__":
    sys.exit(run_case("close", body))
