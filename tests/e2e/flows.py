"""What the flow cases share: backup folders made from the bundled sample,
a server that answers the connectivity check, and the program's log."""
import datetime
import hashlib
import http.server
import os
import plistlib
import shutil
import sqlite3
import subprocess
import threading

from harness import has_state, walk, wait_until

PASSWORD = "Horse battery 9"
ITUNES_CARD = "Recover Data from iTunes Backup"
ICLOUD_CARD = "Recover Data from iCloud Backup"

# The categories by the names of the data-type page's cards and of the
# scan-result page's rows (the attachment rows too).
CATEGORY_IDS = {
    "Contacts": 1, "Messages": 2, "Messages Attachment": 3, "Voicemails": 4, "Voice Memos": 8, "Photos": 16,
    "Video in album": 32, "FaceTime": 64, "Safari Bookmarks": 128, "Safari History": 256, "Notes": 512,
    "Notes Attachment": 513, "Call History": 1024, "Calendars": 2048, "Calendars Attachment": 2049,
    "Reminders": 4096, "Reminders Attachment": 4097, "App Photos": 8192, "App Videos": 16384,
    "App Audios": 32768, "App Documents": 65536, "WhatsApp": 131072, "WhatsApp Attachment": 131073,
    "LINE": 262144, "LINE Attachment": 262145,
}
# A category's attachment row, listed after it.
ATTACHMENTS = {2: 3, 512: 513, 2048: 2049, 4096: 4097, 131072: 131073, 262144: 262145}


def sample_backup(session):
    return os.path.join(os.path.dirname(session.bin_dir), "samples", "backup")


def sms_path(backup):
    file_id = hashlib.sha1(b"HomeDomain-Library/SMS/sms.db").hexdigest()
    return os.path.join(backup, file_id[:2], file_id)


def relabel(folder, name, seconds):
    """Gives the backup's Manifest.plist a device name and a backup time
    (seconds since 2001-01-01), keeping everything else."""
    path = os.path.join(folder, "Manifest.plist")
    with open(path, "rb") as file:
        manifest = plistlib.load(file)
    manifest.setdefault("Lockdown", {})["DeviceName"] = name
    manifest["Date"] = datetime.datetime(2001, 1, 1) + datetime.timedelta(seconds=seconds)
    with open(path, "wb") as file:
        plistlib.dump(manifest, file, fmt=plistlib.FMT_BINARY)


def add_files(folder, count, size):
    """Files the decryption has to go through, listed in Manifest.db."""
    database = sqlite3.connect(os.path.join(folder, "Manifest.db"))
    with database:
        for index in range(count):
            relative = "Media/DCIM/padding-%04d.bin" % index
            file_id = hashlib.sha1(("MediaDomain-" + relative).encode()).hexdigest()
            os.makedirs(os.path.join(folder, file_id[:2]), exist_ok=True)
            with open(os.path.join(folder, file_id[:2], file_id), "wb") as file:
                file.write(os.urandom(size))
            database.execute("INSERT OR REPLACE INTO Files VALUES (?, ?, ?, 1, NULL)",
                             (file_id, "MediaDomain", relative))
    database.close()


def plain_backup(session, root, name, seconds):
    """A copy of the sample in root, under the device name."""
    target = os.path.join(root, name.replace(" ", "-"))
    shutil.copytree(sample_backup(session), target)
    relabel(target, name, seconds)
    return target


def encrypted_backup(session, root, name, seconds, padding_files=0, padding_size=16 * 1024):
    """The sample encrypted with PASSWORD into root; its plain source (the
    sample, with the padding files) lies beside the root."""
    plain = os.path.join(session.work, "plain-" + name.replace(" ", "-"))
    shutil.copytree(sample_backup(session), plain)
    if padding_files:
        add_files(plain, padding_files, padding_size)
    target = os.path.join(root, name.replace(" ", "-"))
    subprocess.run([os.path.join(session.bin_dir, "backup-encrypt"), plain, target, PASSWORD],
                   check=True, stdout=subprocess.DEVNULL)
    relabel(target, name, seconds)
    return target, plain


def to_data_types(app, window, timeout=20):
    """From the home page through the iTunes list, which lists one plain
    backup, to its data-type page; the Start Scan button."""
    app.press(app.find(window, "push button", ITUNES_CARD))
    table = app.find(window, "table", "iTunes backups")
    wait_until(lambda: table.queryTable().nRows == 1, timeout, "the backup listed")
    app.press(app.find(window, "push button", "Next"))
    return app.find(window, "push button", "Start Scan")


def chosen_categories(window):
    """The ids the data-type page has ticked, in its order."""
    return [CATEGORY_IDS[node.name] for node in walk(window)
            if node.getRoleName() == "list item" and node.name in CATEGORY_IDS and has_state(node, "checked")]


def shown_time(seconds):
    """The backup time as the list shows it (the cases run in UTC)."""
    return (datetime.datetime(2001, 1, 1) + datetime.timedelta(seconds=seconds)).strftime("%Y-%m-%d %H:%M:%S")


def log_text(session):
    path = os.path.join(session.env["QUENROW_LOG_DIR"], "app.txt")
    if not os.path.exists(path):
        return ""
    with open(path, encoding="utf-8", errors="replace") as file:
        return file.read()


def wait_for_log(session, text, timeout=20):
    """The first log line holding text."""
    def line():
        for each in log_text(session).splitlines():
            if text in each:
                return each
        return None

    return wait_until(line, timeout, "the log line %r" % text)


class ReachableServer:
    """Answers every GET with 200, as the cloud service's web root would."""

    def __init__(self):
        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                body = b"up"
                self.send_response(200)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def frames_holding(app, role, name):
    """The top-level frame that shows a widget of that role and name."""
    from harness import walk

    def search():
        for frame in app.frames():
            for node in walk(frame):
                try:
                    if node.getRoleName() == role and node.name == name:
                        return frame
                except Exception:
                    continue
        return None

    return wait_until(search, 15, "a window with the %s %r" % (role, name))


def set_text(accessible, text):
    """Types into a field as an assistive tool does."""
    editable = accessible.queryEditableText()
    editable.setTextContents(text)
