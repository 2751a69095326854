"""What the device cases share: simulated phones behind a muxer socket of
their own (build/bin/simdevice --devices FILE), the program's environment
that points at them, and the device flow's steps as a person takes them.

    phones = Phones(session, [phone("0000-A", "Ana")])
    app = session.start_quenrow(env=phones.program_env("run1"))
"""

import os
import plistlib
import shutil
import signal
import subprocess

from harness import SLOWDOWN, Failure, check, is_showing, walk, wait_until

DEVICE_CARD = "Recover Data from iOS Device"


def phone(udid, name, product_type="iPhone13,2", version="16.1", paired=True, encrypted=False,
          passcode=False, free=5000000000, root=None, **knobs):
    """One entry of simdevice's devices file; knobs are its other keys
    (PasscodePromptMs, BackupFileDelayMs, AcceptedHostId, ...)."""
    entry = {
        "Lockdown": {"UniqueDeviceID": udid, "DeviceName": name, "ProductType": product_type,
                     "ProductVersion": version, "SerialNumber": "SN" + udid[-6:],
                     "UniqueChipID": 1234567890123, "PasswordProtected": passcode},
        "Domains": {"com.apple.mobile.backup": {"WillEncrypt": encrypted},
                    "com.apple.disk_usage": {"TotalDataAvailable": free}},
        "Paired": paired,
    }
    if root:
        entry["Root"] = root
    entry.update(knobs)
    return entry


def sample_backup(session):
    return os.path.join(os.path.dirname(session.bin_dir), "samples", "backup")


def device_root(session, name, backup=None):
    """A phone's file system whose backup is a copy of backup (the sample by default)."""
    root = os.path.join(session.work, name)
    shutil.copytree(backup or sample_backup(session), os.path.join(root, "Backup"))
    return root


class Phones:
    """simdevice serving the phones; its commands ("trust UDID", "unplug
    UDID") are answered "ok". Stopped with the session."""

    def __init__(self, session, devices):
        self.session = session
        self.socket = os.path.join(session.work, "mux")
        path = os.path.join(session.work, "devices.plist")
        with open(path, "wb") as file:
            plistlib.dump(devices, file, fmt=plistlib.FMT_XML)
        self.popen = subprocess.Popen([os.path.join(session.bin_dir, "simdevice"), "--socket", self.socket,
                                       "--devices", path], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                      stderr=subprocess.DEVNULL, text=True, start_new_session=True)
        self.pid = self.popen.pid
        session.processes.append(self)
        check(self.popen.stdout.readline().strip() == "ready", "simdevice did not start")

    def command(self, line):
        self.popen.stdin.write(line + "\n")
        self.popen.stdin.flush()
        answer = self.popen.stdout.readline().strip()
        check(answer == "ok", "simdevice answered %r to %r" % (answer, line))

    def program_env(self, run, extra=None):
        """The program's environment for one run: this muxer, and a data root
        and log folder of the run's own."""
        data = os.path.join(self.session.work, run, "data")
        log = os.path.join(self.session.work, run, "log")
        os.makedirs(data, exist_ok=True)
        os.makedirs(log, exist_ok=True)
        env = {"USBMUXD_SOCKET_ADDRESS": "UNIX:" + self.socket, "QUENROW_DATA_ROOT": data,
               "QUENROW_LOG_DIR": log}
        env.update(extra or {})
        return env

    def stop(self):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.killpg(self.pid, sig)
                self.popen.wait(3)
                return
            except ProcessLookupError:
                return
            except subprocess.TimeoutExpired:
                continue


def app_log(env):
    path = os.path.join(env["QUENROW_LOG_DIR"], "app.txt")
    if not os.path.exists(path):
        return ""
    with open(path, encoding="utf-8", errors="replace") as file:
        return file.read()


def log_lines(env, text):
    return [line for line in app_log(env).splitlines() if text in line]


def log_time(line):
    """Seconds of the day of an app.txt line ("[2026-01-01 10:00:00.123] ...")."""
    clock = line.split("]", 1)[0].split(" ")[1]
    hours, minutes, seconds = clock.split(":")
    return int(hours) * 3600 + int(minutes) * 60 + float(seconds)


def open_device_module(app, window):
    app.press(app.find(window, "push button", DEVICE_CARD))


def category_title(app, window, timeout=30):
    """The category page's title, once a trusted phone shows it."""
    return app.find(window, "label", contains="is connected!", timeout=timeout)


def toggle(session, accessible):
    session.do_action(accessible, "Toggle")


def choose_only(session, app, window, names):
    """Unticks everything through "Select ALL" (partial, then all, then
    none), then ticks the named cards."""
    select_all = app.find(window, "check box", "Select ALL")
    toggle(session, select_all)
    wait_until(lambda: has_checked(select_all), 10, "every category ticked")
    toggle(session, select_all)
    wait_until(lambda: not has_checked(select_all) and not has_mixed(select_all), 10, "no category ticked")
    for name in names:
        card = app.find(window, "list item", name)
        toggle(session, card)
        wait_until(lambda: has_checked(card), 10, "%s ticked" % name)


def has_checked(accessible):
    import pyatspi
    return accessible.getState().contains(pyatspi.STATE_CHECKED)


def has_mixed(accessible):
    import pyatspi
    return accessible.getState().contains(pyatspi.STATE_INDETERMINATE)


def window_showing(app, text):
    """The showing top-level window with a label holding this text, or None."""
    for frame in app.frames():
        if not is_showing(frame):
            continue
        for node in walk(frame):
            try:
                if node.getRoleName() == "label" and text in (node.name or ""):
                    return frame
            except Exception:
                continue
    return None


def find_dialog_with(app, text, timeout=20):
    return wait_until(lambda: window_showing(app, text), timeout, "a window saying %r" % text)


def gone(app, text):
    return window_showing(app, text) is None


def handed_over(env, timeout=60):
    """The folders handed to the scan, as app.txt tells them."""
    def found():
        return [line.split("[scanBackupsDb]=>", 1)[1].strip() for line in log_lines(env, "[scanBackupsDb]=>")]

    return wait_until(found, timeout, "the hand-off to the scan")


def backup_differences(copy, source):
    """What differs between a backup the program made and the phone's own:
    Manifest.db and the backed-up files (xx/<id>) must be the same bytes;
    the property lists the backup writes of itself may differ."""
    def files(folder):
        found = {}
        for base, _, names in os.walk(folder):
            for name in names:
                path = os.path.join(base, name)
                relative = os.path.relpath(path, folder)
                if relative == "Manifest.db" or os.sep in relative:
                    found[relative] = path
        return found

    mine, theirs = files(copy), files(source)
    differences = sorted(set(mine) ^ set(theirs))
    for name in set(mine) & set(theirs):
        with open(mine[name], "rb") as a, open(theirs[name], "rb") as b:
            if a.read() != b.read():
                differences.append(name)
    return differences
