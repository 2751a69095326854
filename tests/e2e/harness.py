"""Drives the real quenrow as a person would, over the accessibility bus.

A Session starts, each in a process group of its own: Xvfb on a free
display, a private XDG_RUNTIME_DIR with a session bus, the accessibility bus
(at-spi-bus-launcher) and its registry. Programs started by the session run
on that display with accessibility on. Everything is stopped by process
group when the session ends.

    with Session("start") as session:
        app = session.start_quenrow()
        window = app.window()
        app.find(window, "push button", "Close")
        session.shot("home")          # build/e2e-shots/start-home.png

Run with /usr/bin/python3: the Debian interpreter has the gi bindings.
"""

import argparse
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.path.dirname(os.path.dirname(HERE))

# Slower builds (the sanitizers) get more time for every wait.
SLOWDOWN = 3.0 if os.environ.get("ASAN_OPTIONS") or os.environ.get("TSAN_OPTIONS") else 1.0


OFFLINE_ENDPOINTS = {
    "QUENROW_ANALYTICS_URL": "http://127.0.0.1:9/analytics",
    "QUENROW_REACHABILITY_URL": "http://127.0.0.1:9/reachability",
    "QUENROW_UPDATE_URL": "http://127.0.0.1:9/update",
    "QUENROW_CONFIG_URL": "http://127.0.0.1:9/config",
    "QUENROW_ONLINE_CONFIG_URL": "http://127.0.0.1:9/onlineconfig",
    "QUENROW_HOMEPAGE_URL": "http://127.0.0.1:9/home",
    "QUENROW_WELCOME_URL": "",
    "QUENROW_GUIDE_URL": "",
    "QUENROW_FAQ_URL": "",
    "USBMUXD_SOCKET_ADDRESS": "UNIX:/nonexistent/usbmuxd",
}


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(predicate, timeout, what, interval=0.05):
    """The first true value of predicate() within timeout seconds."""
    deadline = time.monotonic() + timeout * SLOWDOWN
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)


def arguments(description):
    """The options every case and the headless run take."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--bin", default=os.path.join(SOURCE_DIR, "build", "bin"),
                        help="the application folder holding quenrow")
    parser.add_argument("--shots", default=os.path.join(SOURCE_DIR, "build", "e2e-shots"),
                        help="where screenshots go")
    parser.add_argument("--keep-home", action="store_true",
                        help="use the caller's HOME and XDG folders instead of fresh ones")
    return parser.parse_args()


class Process:
    """A child in a process group of its own."""

    def __init__(self, argv, env, stdout=None, stderr=None, pass_fds=()):
        self.argv = argv
        self.popen = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=stdout,
                                      stderr=stderr, pass_fds=pass_fds, start_new_session=True)
        self.pid = self.popen.pid

    def running(self):
        return self.popen.poll() is None

    def wait(self, timeout):
        try:
            return self.popen.wait(timeout * SLOWDOWN)
        except subprocess.TimeoutExpired:
            raise Failure("%s did not end within %.0f s" % (os.path.basename(self.argv[0]),
                                                               timeout * SLOWDOWN))

    def stop(self):
        """Ends the whole group: SIGTERM, then SIGKILL after a grace time."""
        for sig, grace in ((signal.SIGTERM, 3.0), (signal.SIGKILL, 3.0)):
            try:
                os.killpg(self.pid, sig)
            except ProcessLookupError:
                break
            try:
                self.popen.wait(grace)
                # The leader is gone; its group may still hold children.
                os.killpg(self.pid, signal.SIGKILL)
            except ProcessLookupError:
                break
            except subprocess.TimeoutExpired:
                continue
            break
        try:
            self.popen.wait(1)
        except subprocess.TimeoutExpired:
            pass


class Session:
    def __init__(self, case, bin_dir=None, shots_dir=None, fresh_home=True, screen="1600x1000x24",
                 record_rubbish=True):
        self.case = case
        self.bin_dir = os.path.abspath(bin_dir or os.path.join(SOURCE_DIR, "build", "bin"))
        self.shots_dir = os.path.abspath(shots_dir or os.path.join(SOURCE_DIR, "build", "e2e-shots"))
        self.fresh_home = fresh_home
        self.screen = screen
        self.record_rubbish = record_rubbish
        self.processes = []
        self.apps = []
        self.runs = 0
        self.work = None
        self.env = None
        self.display = None
        self.a11y_address = None
        self._a11y_connection = None

    # -- start and stop --------------------------------------------------

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def start(self):
        self.work = tempfile.mkdtemp(prefix="quenrow-e2e-")
        runtime = os.path.join(self.work, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ)
        for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
                     "QT_QPA_PLATFORM", "SESSION_MANAGER"):
            env.pop(name, None)
        env["XDG_RUNTIME_DIR"] = runtime
        if self.fresh_home:
            home = os.path.join(self.work, "home")
            for sub in ("config", "data", "cache", "log"):
                os.makedirs(os.path.join(home, sub))
            env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"),
                       XDG_CACHE_HOME=os.path.join(home, "cache"),
                       QUENROW_LOG_DIR=os.path.join(home, "log"))
        self.env = env

        self.display = self._start_xvfb()
        env["DISPLAY"] = self.display
        # Xvfb puts the pointer in the middle of the screen, over the home
        # page's cards: out of the way, so that no card shows hovered.
        subprocess.run(["xdotool", "mousemove", "0", "0"], env=env, check=False, timeout=10 * SLOWDOWN,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        bus_address = "unix:path=" + os.path.join(runtime, "bus")
        self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=" + bus_address])
        wait_until(lambda: os.path.exists(os.path.join(runtime, "bus")), 10, "the session bus")
        env["DBUS_SESSION_BUS_ADDRESS"] = bus_address
        os.environ.update(DISPLAY=self.display, DBUS_SESSION_BUS_ADDRESS=bus_address,
                          XDG_RUNTIME_DIR=runtime)

        # The launcher first; its address only once it owns the name, since
        # asking earlier would start (activate) a second launcher.
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        from gi.repository import Gio, GLib
        session_bus = Gio.DBusConnection.new_for_address_sync(
            bus_address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

        def launcher_owns_name():
            reply = session_bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                          "org.freedesktop.DBus", "NameHasOwner",
                                          GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                                          Gio.DBusCallFlags.NONE, 2000, None)
            return reply.unpack()[0]

        wait_until(launcher_owns_name, 20, "the accessibility bus launcher")
        reply = session_bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                      None, None, Gio.DBusCallFlags.NO_AUTO_START, 5000, None)
        self.a11y_address = reply.unpack()[0]
        env["AT_SPI_BUS_ADDRESS"] = self.a11y_address
        os.environ["AT_SPI_BUS_ADDRESS"] = self.a11y_address
        self._spawn(["/usr/libexec/at-spi2-registryd"])
        self._a11y_connection = Gio.DBusConnection.new_for_address_sync(
            self.a11y_address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

        def registry_up():
            reply = self._a11y_connection.call_sync(
                "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                "NameHasOwner", GLib.Variant("(s)", ("org.a11y.atspi.Registry",)), None,
                Gio.DBusCallFlags.NONE, 2000, None)
            return reply.unpack()[0]

        wait_until(registry_up, 20, "the accessibility registry")
        # Only now: pyatspi connects to the bus when it is imported.
        global pyatspi
        import pyatspi

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen, "-dpi", "96",
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20 * SLOWDOWN
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            if not ready:
                os.close(read_end)
                raise Failure("Xvfb gave no display")
            chunk = os.read(read_end, 16)
            if not chunk:
                os.close(read_end)
                raise Failure("Xvfb ended without a display")
            number += chunk
        os.close(read_end)
        return ":" + number.decode().strip()

    def _spawn(self, argv, pass_fds=(), quiet=True):
        output = subprocess.DEVNULL if quiet else None
        process = Process(argv, self.env, stdout=output, stderr=output, pass_fds=pass_fds)
        self.processes.append(process)
        return process

    def stop(self):
        for app in reversed(self.apps):
            app.stop()
        for process in reversed(self.processes):
            process.stop()
        self.processes = []
        if self.work:
            shutil.rmtree(self.work, ignore_errors=True)
            self.work = None

    # -- programs ----------------------------------------------------------

    def program_env(self, extra=None):
        env = dict(self.env)
        env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   NO_AT_BRIDGE="0")
        if "ASAN_OPTIONS" in env:
            # libxkbcommon-x11 hands strndup() a buffer that is not
            # NUL-terminated within its length, which is allowed; the strict
            # string checks report it as an overflow in every X11 program.
            env["ASAN_OPTIONS"] += ":strict_string_checks=0"
        if self.record_rubbish:
            # The deletion program at quit is a recorder: the media cache in
            # the build folder belongs to other tests (CTest names the real
            # program, so this always wins).
            env["QUENROW_RUBBISH"] = os.path.join(HERE, "record-arguments.sh")
            env["QUENROW_RUBBISH_RECORD"] = os.path.join(self.work, "rubbish-arguments")
        if extra:
            env.update(extra)
        return env

    def start_quenrow(self, args=(), env=None, wait_for_window=True, program="quenrow", window="Quenrow (iOS)"):
        """quenrow, or another program of the application folder that shows
        the named window."""
        program = os.path.join(self.bin_dir, program)
        log = open(os.path.join(self.work, "quenrow-%d.log" % (len(self.apps) + 1)), "wb")
        process = Process([program] + list(args), self.program_env(env), stdout=log, stderr=log)
        log.close()
        app = App(self, process)
        self.apps.append(app)
        if wait_for_window:
            app.window(window)
        return app

    def run_quenrow(self, args=(), env=None, timeout=5):
        """Runs quenrow to its end (a second start): its exit status."""
        program = os.path.join(self.bin_dir, "quenrow")
        self.runs += 1
        run_env = self.program_env(env)
        if "ASAN_OPTIONS" in run_env:
            # Such a start returns from main while Qt's accessibility bridge
            # may still be opening its bus connection on a thread of its own,
            # and the leak check at that exit depends on that thread's timing:
            # it ended a loaded run once with status 1. AddressSanitizer and
            # UBSan still watch the run; the unit tests check our leaks.
            run_env["ASAN_OPTIONS"] += ":detect_leaks=0"
        log = open(os.path.join(self.work, "quenrow-run-%d.log" % self.runs), "wb")
        process = Process([program] + list(args), run_env, stdout=log, stderr=log)
        log.close()
        try:
            return process.wait(timeout)
        finally:
            process.stop()

    def report_failure(self):
        try:
            print("screen: " + self.shot("failure"), file=sys.stderr)
        except Exception as error:
            print("no screenshot: %s" % error, file=sys.stderr)
        logs = [("quenrow %d" % index, "quenrow-%d.log" % index) for index in range(1, len(self.apps) + 1)]
        logs += [("run %d of quenrow" % index, "quenrow-run-%d.log" % index) for index in range(1, self.runs + 1)]
        for title, name in logs:
            path = os.path.join(self.work, name)
            if os.path.exists(path):
                with open(path, encoding="utf-8", errors="replace") as file:
                    text = file.read()[-6000:]
                print("--- output of %s ---\n%s" % (title, text), file=sys.stderr)

    def rubbish_arguments(self):
        """The folders quit handed to the deletion program, once it ran."""
        path = os.path.join(self.work, "rubbish-arguments")
        if not os.path.exists(path):
            return None
        with open(path, encoding="utf-8") as file:
            return [line for line in file.read().split("\n") if line]

    def applications(self):
        desktop = pyatspi.Registry.getDesktop(0)
        found = []
        for index in range(desktop.childCount):
            try:
                child = desktop.getChildAtIndex(index)
                if child is not None:
                    found.append(child)
            except Exception:
                continue
        return found

    # -- screen ------------------------------------------------------------

    def shot(self, step, folder=None, prefix=None):
        """The whole screen as <shots>/<case>-<step>.png; its path."""
        folder = folder or self.shots_dir
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, "%s-%s.png" % (prefix or self.case, step))
        subprocess.run(["import", "-display", self.display, "-window", "root", path], env=self.env,
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=30 * SLOWDOWN)
        return path

    def pixel(self, path, x, y):
        """The (red, green, blue) of a screenshot's pixel."""
        result = subprocess.run(["convert", path, "-format", "%%[fx:int(255*p{%d,%d}.r)],%%[fx:int(255*p{%d,%d}.g)],"
                                 "%%[fx:int(255*p{%d,%d}.b)]" % (x, y, x, y, x, y), "info:"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, check=True,
                                timeout=30 * SLOWDOWN)
        return tuple(int(part) for part in result.stdout.strip().split(","))

    def keys(self, *keys, window=None):
        """Key presses through the X server (xdotool), to the focused window
        or, when given, to that X window after focusing it."""
        command = ["xdotool"]
        if window:
            command += ["windowfocus", "--sync", str(window)]
        command += ["key", "--delay", "60"] + list(keys)
        subprocess.run(command, env=self.env, check=True, timeout=20 * SLOWDOWN)

    def click(self, accessible):
        """A left click in the middle of it, as a person clicks: the pointer
        moves there and rests before it presses (one that arrives and
        presses in the same instant may press before the window has seen
        it enter, and the click is lost)."""
        x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2)],
                       env=self.env, check=True, timeout=20 * SLOWDOWN)
        time.sleep(0.2 * SLOWDOWN)
        subprocess.run(["xdotool", "click", "1"], env=self.env, check=True, timeout=20 * SLOWDOWN)

    def do_action(self, accessible, name="Press"):
        """Sends the action without waiting for its answer: a modal exec()
        run by it would hold the answer until the dialog closes."""
        from gi.repository import GLib, Gio
        action = accessible.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        lowered = [each.lower() for each in names]
        check(name.lower() in lowered, "%s offers no %s (only %s)" % (describe(accessible), name, names))
        bus_name = accessible.app.bus_name
        path = accessible.path
        self._a11y_connection.call(bus_name, path, "org.a11y.atspi.Action", "DoAction",
                                   GLib.Variant("(i)", (lowered.index(name.lower()),)), None,
                                   Gio.DBusCallFlags.NO_AUTO_START, -1, None, None, None)
        self._a11y_connection.flush_sync(None)


def describe(accessible):
    try:
        return "%s %r" % (accessible.getRoleName(), accessible.name)
    except Exception:
        return "a gone object"


def is_showing(accessible):
    try:
        return accessible.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def has_state(accessible, state_name):
    try:
        return accessible.getState().contains(getattr(pyatspi, "STATE_" + state_name.upper()))
    except Exception:
        return False


def walk(root, showing_only=True, depth=40):
    """root and its descendants; hidden stacked pages stay in Qt's tree, so
    by default only what is showing (and what lies below it)."""
    stack = [(root, 0)]
    while stack:
        node, level = stack.pop()
        if node is None:
            continue
        yield node
        if level >= depth:
            continue
        try:
            count = node.childCount
        except Exception:
            continue
        for index in reversed(range(count)):
            try:
                child = node.getChildAtIndex(index)
            except Exception:
                continue
            if child is not None and (not showing_only or is_showing(child)):
                stack.append((child, level + 1))


class App:
    """A running quenrow and its accessible application."""

    def __init__(self, session, process):
        self.session = session
        self.process = process
        self.pid = process.pid
        self._accessible = None

    def accessible(self, timeout=30):
        def listed():
            check(self.process.running(), "quenrow ended early (status %s)" % self.process.popen.poll())
            for app in self.session.applications():
                try:
                    if app.get_process_id() == self.pid:
                        return app
                except Exception:
                    continue
            return None

        if self._accessible is None:
            self._accessible = wait_until(listed, timeout, "quenrow on the accessibility bus")
        return self._accessible

    def frames(self):
        app = self.accessible()
        found = []
        for index in range(app.childCount):
            try:
                child = app.getChildAtIndex(index)
            except Exception:
                continue
            if child is not None:
                found.append(child)
        return found

    def window(self, name="Quenrow (iOS)", timeout=30):
        """The top-level window of that name, once it shows."""
        def shown():
            for frame in self.frames():
                if frame.name == name and is_showing(frame):
                    return frame
            return None

        return wait_until(shown, timeout, "the window %r" % name)

    def find(self, root, role, name=None, timeout=10, showing=True, contains=None):
        """The first descendant of root with that role and name (or a name
        containing the text), showing unless told otherwise."""
        def matches(node):
            try:
                if node.getRoleName() != role:
                    return False
                if name is not None and node.name != name:
                    return False
                if contains is not None and contains not in (node.name or ""):
                    return False
                return not showing or is_showing(node)
            except Exception:
                return False

        def found():
            for node in walk(root, showing_only=showing):
                if matches(node):
                    return node
            return None

        return wait_until(found, timeout, "%s %r" % (role, name if name is not None else contains))

    def find_all(self, root, role, showing=True):
        result = []
        for node in walk(root, showing_only=showing):
            try:
                if node.getRoleName() == role:
                    result.append(node)
            except Exception:
                continue
        return result

    def press(self, accessible):
        self.session.do_action(accessible, "Press")

    def x_window(self, name="Quenrow (iOS)"):
        """The X window id of the top-level window of that name."""
        def search():
            result = subprocess.run(["xdotool", "search", "--pid", str(self.pid), "--name", "^%s$" % _regex(name)],
                                    env=self.session.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                    text=True, timeout=10)
            ids = result.stdout.split()
            return ids[0] if ids else None

        return wait_until(search, 10, "the X window %r" % name)

    def keys(self, *keys, name="Quenrow (iOS)"):
        self.session.keys(*keys, window=self.x_window(name))

    def visible_x_windows(self):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)],
                                env=self.session.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                text=True, timeout=10)
        return result.stdout.split()

    def wait_for_popup(self, timeout=10):
        """Waits until a pop-up (a menu) shows beside the window. Qt's menus
        are not in the accessibility tree; their X windows are."""
        wait_until(lambda: len(self.visible_x_windows()) > 1, timeout, "a pop-up menu")
        # It grabs the keyboard once it is mapped; give it a moment.
        time.sleep(0.2 * SLOWDOWN)

    def running(self):
        return self.process.running()

    def wait(self, timeout):
        return self.process.wait(timeout)

    def stop(self):
        self.process.stop()


def _regex(text):
    return "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in text)


def opener_stub(folder):
    """A folder to put first on PATH whose xdg-open records its arguments,
    one call a line, in the returned file."""
    stub = os.path.join(folder, "opener")
    os.makedirs(stub, exist_ok=True)
    record = os.path.join(folder, "opened")
    path = os.path.join(stub, "xdg-open")
    with open(path, "w") as file:
        file.write('#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' % record)
    os.chmod(path, 0o755)
    return stub, record


def opened(record):
    if not os.path.exists(record):
        return []
    with open(record) as file:
        return [line for line in file.read().split("\n") if line]


def run_case(name, body):
    """Runs a case's body in a session and reports as CTest expects: on a
    failure the screen as <case>-failure.png and the programs' output."""
    options = arguments("end-to-end case " + name)
    # Nothing of a test reaches outside the machine, also when a case is
    # run by hand rather than by CTest (which sets these already).
    for variable, value in OFFLINE_ENDPOINTS.items():
        os.environ.setdefault(variable, value)
    started = time.monotonic()
    try:
        with Session(name, options.bin, options.shots, fresh_home=not options.keep_home) as session:
            try:
                body(session)
            except Failure:
                session.report_failure()
                raise
    except Failure as failure:
        print("FAIL %s: %s" % (name, failure), file=sys.stderr)
        return 1
    print("PASS %s (%.1f s)" % (name, time.monotonic() - started))
    return 0
