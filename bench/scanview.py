#!/usr/bin/python3
"""A scan of a million messages through the window, from "Start Scan" to the
box that tells its total, against quenrow-store-dump --count of the same
backup and categories (best of 3 each); the GUI thread's longest stall
(the shell's heartbeat) and the window's peak memory against the dump's.
bench/scan-view.sh runs it."""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "tests", "e2e"))

from flows import ATTACHMENTS, chosen_categories, frames_holding, relabel, sample_backup, to_data_types  # noqa: E402
from harness import OFFLINE_ENDPOINTS, Session, walk  # noqa: E402

RUNS = 3


def peak_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("no VmHWM for %d" % pid)


def through_the_window(session, root, run):
    """Seconds from Start Scan to the result box, the longest stall, the
    peak memory and the categories scanned."""
    beat = os.path.join(session.work, "heartbeat-%d" % run)
    app = session.start_quenrow(env={"QUENROW_ITUNES_BACKUP_ROOT": root,
                                     "QUENROW_DATA_ROOT": os.path.join(session.work, "data-%d" % run),
                                     "QUENROW_HEARTBEAT_LOG": beat})
    window = app.window()
    start = to_data_types(app, window, timeout=30)
    ids = chosen_categories(window)
    before = set(app.visible_x_windows())
    # Watched on the X server, without asking the window's thread anything:
    # the result box is the first window beside the main one.
    started = time.monotonic()
    app.press(start)
    while not set(app.visible_x_windows()) - before:
        if time.monotonic() - started > 600:
            raise RuntimeError("the scan did not end")
        time.sleep(0.02)
    seconds = time.monotonic() - started
    memory = peak_kib(app.pid)
    box = frames_holding(app, "push button", "OK")
    told = next(node.name for node in walk(box) if node.getRoleName() == "label" and "scanned" in (node.name or ""))
    total = int(re.match(r"(\d+) data has been scanned", told).group(1))
    app.press(app.find(box, "push button", "OK"))
    app.press(app.find(window, "push button", "Close"))
    question = frames_holding(app, "push button", "Exit")
    app.press(app.find(question, "push button", "Exit"))
    app.wait(60)
    with open(beat) as file:
        return seconds, int(file.read()), memory, ids, total


def dump(build, backup, ids, out):
    """Seconds, peak memory (KiB) and the categories' records of one
    quenrow-store-dump --count."""
    started = time.monotonic()
    result = subprocess.run(["/usr/bin/time", "-f", "%M", os.path.join(build, "bin", "quenrow-store-dump"),
                             "--count", "--backup", backup, "--categories", ",".join(str(each) for each in ids),
                             "--out", out], check=True, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            text=True)
    seconds = time.monotonic() - started
    # As the navigation counts: each category's list and its attachments'.
    total = messages = 0
    for line in result.stdout.splitlines():
        entry = json.loads(line)
        if entry.get("list") == "records" or (entry.get("list") == "sessions" and entry["scanType"] in ATTACHMENTS.values()):
            total += entry["records"]
        elif entry.get("list") == "messages":
            messages += entry["records"]
    return seconds, int(result.stderr.strip().splitlines()[-1]), total, messages


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build")
    parser.add_argument("backup", help="a folder holding the messages database (make_sms_backup)")
    options = parser.parse_args()
    build = os.path.abspath(options.build)
    for variable, value in OFFLINE_ENDPOINTS.items():
        os.environ.setdefault(variable, value)

    with Session("bench-scan-view", os.path.join(build, "bin")) as session:
        # The iTunes list shows a folder with the property lists of a backup.
        root = os.path.join(session.work, "backups")
        backup = os.path.join(root, "Bench-phone")
        os.makedirs(root)
        os.symlink(os.path.abspath(options.backup), backup)
        for name in ("Info.plist", "Manifest.plist", "Status.plist"):
            shutil.copy(os.path.join(sample_backup(session), name), os.path.join(options.backup, name))
        relabel(options.backup, "Bench phone", 700000000)

        # The first start in a new user profile compiles the conversation
        # pane's shaders (here Mesa's software renderer, on the GUI thread),
        # once: a warm-up run, reported apart, leaves the runs to measure the
        # program.
        _, first_stall, _, _, _ = through_the_window(session, root, RUNS)
        ours, stalls, memories, ids, totals = [], [], [], None, set()
        for run in range(RUNS):
            seconds, stall, memory, ids, total = through_the_window(session, root, run)
            totals.add(total)
            ours.append(seconds)
            stalls.append(stall)
            memories.append(memory)
        reference, reference_memory = [], 0
        for run in range(RUNS):
            out = os.path.join(session.work, "dump-%d" % run)
            seconds, memory, total, messages = dump(build, backup, ids, out)
            totals.add(total)
            reference.append(seconds)
            reference_memory = max(reference_memory, memory)
            shutil.rmtree(out, ignore_errors=True)

    if len(totals) != 1:
        print("scan view: the window and the dump counted %s records" % sorted(totals))
        return 1
    ratio = min(ours) / min(reference)
    what = "%d messages in %d conversations" % (messages, totals.pop())
    print("scan view, %s: through the window %.3f s, quenrow-store-dump --count %.3f s (best of %d), ratio %.2f "
          "(target <= 1.5) %s" % (what, min(ours), min(reference), RUNS, ratio, "ok" if ratio <= 1.5 else "SLOW"))
    print("scan view GUI thread: longest stall %d ms of %s (target <= 100) %s; the profile's first start %d ms"
          % (max(stalls), stalls, "ok" if max(stalls) <= 100 else "SLOW", first_stall))
    memory_ratio = max(memories) / reference_memory
    print("scan view peak memory: window %d KiB, quenrow-store-dump %d KiB, ratio %.2f (target <= 1.5) %s"
          % (max(memories), reference_memory, memory_ratio, "ok" if memory_ratio <= 1.5 else "LARGE"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
