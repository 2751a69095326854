#!/usr/bin/python3
"""Update: with the update address at a server of the case's own, the start
shows the new-version dialog and "Remind Me Later" closes it; "Check for
Updates" against a server error says the check failed; "Upgrade Now" hands
an http address to the desktop's opener (a stub xdg-open on PATH) and a
file: address to nothing."""
import http.server
import json
import os
import sys
import threading
import time

from harness import check, is_showing, opened, opener_stub, run_case, wait_until
from home import menu_keys

UPDATE_PATH = "/updateinfo/quenrow_ios_com_update_win.json"
TITLE = "Check for Updates"


class UpdateServer:
    """Answers the update path with the status and document set last."""

    def __init__(self):
        self.status = 200
        self.document = {}
        self.paths = []
        owner = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                owner.paths.append(self.path)
                body = json.dumps(owner.document).encode() if owner.status == 200 else b"server error"
                self.send_response(owner.status if self.path == UPDATE_PATH else 404)
                self.send_header("Content-Type", "application/json")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.url = "http://127.0.0.1:%d" % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def new_version(self, download_url):
        self.status = 200
        self.document = {"Version": "8.2", "Size": "92.4 MB", "Release Date": "2024-03-15",
                         "What's New": "Faster scans of large backups", "Download URL": download_url}

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def update_dialog(app):
    for frame in app.frames():
        try:
            if frame.name == TITLE and frame.getRoleName() == "dialog" and is_showing(frame):
                return frame
        except Exception:
            continue
    return None


def wait_for_dialog(app):
    return wait_until(lambda: update_dialog(app), 20, "the dialog %r" % TITLE)


def check_from_menu(session, app, window):
    app.press(app.find(window, "push button", "Menu"))
    app.wait_for_popup()
    session.keys(*menu_keys(TITLE))
    return wait_for_dialog(app)


def body(session):
    server = UpdateServer()
    try:
        stub, record = opener_stub(session.work)
        download = server.url + "/download/quenrow-8.2.exe"
        server.new_version(download)
        app = session.start_quenrow(env={"QUENROW_UPDATE_URL": server.url,
                                         "PATH": stub + os.pathsep + os.environ.get("PATH", "")})
        window = app.window()

        # The check at start: a newer version opens the dialog by itself.
        dialog = wait_for_dialog(app)
        app.find(dialog, "label", "A new version is available!")
        app.find(dialog, "label", "Version: 8.2 | Size: 92.4 MB | Release Date: 03-15.2024")
        app.find(dialog, "push button", "Close")
        check(UPDATE_PATH in server.paths, "asked for %s" % server.paths)
        session.shot("new-version")

        app.press(app.find(dialog, "push button", "Upgrade Now"))
        calls = wait_until(lambda: opened(record), 10, "the opener to be called")
        check(calls == [download], "the opener was given %s" % calls)
        check(update_dialog(app) is not None, "the dialog closed on Upgrade Now")

        app.press(app.find(dialog, "push button", "Remind Me Later"))
        wait_until(lambda: update_dialog(app) is None, 10, "the dialog to close")
        check(app.running(), "quenrow ended with the dialog")
        session.shot("reminded")

        # The menu's check against a server error.
        server.status = 500
        dialog = check_from_menu(session, app, window)
        app.find(dialog, "label", "Fetch update info failed. Please try again later..", timeout=20)
        session.shot("failed")
        app.press(app.find(dialog, "push button", "Close"))
        wait_until(lambda: update_dialog(app) is None, 10, "the dialog to close")

        # An address that is no web page is handed to nobody.
        server.new_version("file:///etc/passwd")
        dialog = check_from_menu(session, app, window)
        app.find(dialog, "label", "A new version is available!", timeout=20)
        app.press(app.find(dialog, "push button", "Upgrade Now"))
        time.sleep(1.5)
        check(opened(record) == [download], "the opener was given %s" % opened(record))
        check(update_dialog(app) is not None, "the dialog closed on Upgrade Now")
        session.shot("file-address")
        app.press(app.find(dialog, "push button", "Close"))
        wait_until(lambda: update_dialog(app) is None, 10, "the dialog to close")
        check(app.running(), "quenrow ended with the dialog")
    finally:
        server.stop()


if __name__ == "__main__":
    sys.exit(run_case("update", body))
