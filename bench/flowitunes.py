#!/usr/bin/python3
"""The iTunes flow's decryption through the window against volsark-decrypt
on the same backup, and the GUI thread's longest stall meanwhile.
bench/flow-itunes.sh runs it."""
import argparse
import os
import shutil
import sqlite3
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "tests", "e2e"))

from devicecase import log_lines, log_time  # noqa: E402
from flows import ITUNES_CARD, PASSWORD, encrypted_backup, frames_holding, sample_backup, set_text  # noqa: E402
from harness import OFFLINE_ENDPOINTS, Session, wait_until  # noqa: E402

RUNS = 3
FILES = 2000


def through_the_window(session, root, run):
    """Seconds from Decrypt to the data-type page, and the run's longest stall."""
    beat = os.path.join(session.work, "heartbeat-%d" % run)
    env = {"QUENROW_ITUNES_BACKUP_ROOT": root, "QUENROW_DATA_ROOT": os.path.join(session.work, "data-%d" % run),
           "QUENROW_LOG_DIR": os.path.join(session.work, "log-%d" % run), "QUENROW_HEARTBEAT_LOG": beat}
    app = session.start_quenrow(env=env)
    window = app.window()
    app.press(app.find(window, "push button", ITUNES_CARD))
    table = app.find(window, "table", "iTunes backups")
    wait_until(lambda: table.queryTable().nRows == 1, 30, "the backup listed")
    main_window = set(app.visible_x_windows())
    app.press(app.find(window, "push button", "Next"))
    dialog = frames_holding(app, "text", "Enter password")
    set_text(app.find(dialog, "text", "Enter password"), PASSWORD)
    decrypt = app.find(dialog, "push button", "Decrypt")
    with_password = set(app.visible_x_windows())
    # Watched on the X server, without asking the window's thread anything:
    # the progress dialog replaces the password's, and at the end only the
    # main window is left.
    started = time.monotonic()
    app.press(decrypt)
    progress_seen = False
    while True:
        shown = set(app.visible_x_windows())
        progress_seen = progress_seen or bool(shown - with_password)
        if progress_seen and shown == main_window:
            break
        if time.monotonic() - started > 120:
            raise RuntimeError("the decryption did not end")
        time.sleep(0.005)
    # The times are the log's own, from the press as the window took it to
    # the data-type page, so that neither the assistive bus's delivery of
    # the press nor the polling of the screen is counted.
    begun = log_lines(env, "Execute the decryption backup function")
    shown = log_lines(env, "the data types are shown")
    if not begun or not shown:
        raise RuntimeError("the log does not show the decryption and the data-type page")
    seconds = log_time(shown[-1]) - log_time(begun[-1])
    app.find(window, "push button", "Start Scan", timeout=30)
    app.press(app.find(window, "push button", "Close"))
    app.wait(30)
    with open(beat) as file:
        return seconds, int(file.read())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build")
    options = parser.parse_args()
    build = os.path.abspath(options.build)
    for variable, value in OFFLINE_ENDPOINTS.items():
        os.environ.setdefault(variable, value)

    with Session("bench-flow-itunes", os.path.join(build, "bin")) as session:
        root = os.path.join(session.work, "backups")
        os.makedirs(root)
        sample = sqlite3.connect(os.path.join(sample_backup(session), "Manifest.db"))
        listed = sample.execute("SELECT count(*) FROM Files WHERE flags = 1").fetchone()[0]
        sample.close()
        encrypted, _ = encrypted_backup(session, root, "Bench phone", 700000000, padding_files=FILES - listed,
                                        padding_size=32 * 1024)
        reference = []
        for run in range(RUNS):
            out = os.path.join(session.work, "reference-%d" % run)
            started = time.monotonic()
            subprocess.run([os.path.join(build, "bin", "volsark-decrypt"), "--backup", encrypted, "--out", out,
                            "--password", PASSWORD], check=True, stdout=subprocess.DEVNULL)
            reference.append(time.monotonic() - started)
            shutil.rmtree(out)
        ours, stalls = [], []
        for run in range(RUNS):
            seconds, stall = through_the_window(session, root, run)
            ours.append(seconds)
            stalls.append(stall)

    ratio = min(ours) / min(reference)
    print("iTunes flow decryption: through the window %.0f ms, volsark-decrypt %.0f ms (best of %d), ratio %.2f "
          "(target <= 1.2) %s" % (min(ours) * 1000, min(reference) * 1000, RUNS, ratio,
                                  "ok" if ratio <= 1.2 else "SLOW"))
    print("iTunes flow GUI thread: longest stall %d ms of %s (target < 100) %s"
          % (max(stalls), stalls, "ok" if max(stalls) < 100 else "SLOW"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
