"""A private X session for driving the real calendar as a person does.

The session owns its Xvfb display, optionally a window manager (openbox) and an XEmbed tray
host (trayer), and temporary data, runtime and configuration folders. It gives real input
through XTest and reads only what the X server shows: windows, their names, geometry,
properties and pixels. Every wait polls a condition until a time-out; nothing sleeps blind.
"""

import os
import random
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, Xatom, display, error
from Xlib.ext import xtest
from Xlib.protocol import event

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 1024
WAIT_SECONDS = 20
# Longer than the interval in which two clicks make a double click (Qt's is 400 ms).
DOUBLE_CLICK_SECONDS = 0.6


class Timeout(AssertionError):
    pass


def abstract_socket_taken(number):
    probe = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    try:
        probe.connect("\0/tmp/.X11-unix/X%d" % number)
        return True
    except OSError:
        return False
    finally:
        probe.close()


def connects(name):
    try:
        display.Display(name).close()
        return True
    except Exception:
        return False


def wait_for(condition, what, seconds=WAIT_SECONDS, pump=None):
    """Polls condition() until it returns a true value, which is returned."""
    deadline = time.monotonic() + seconds
    while True:
        if pump:
            pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Timeout("timed out waiting for " + what)
        time.sleep(0.05)


class Session:
    def __init__(self, window_manager=True, tray=True):
        self.root_dir = tempfile.mkdtemp(prefix="ruxa-desktop-")
        self.folders = {}
        for name in ("data", "runtime", "config", "cache", "home"):
            path = os.path.join(self.root_dir, name)
            os.makedirs(path, mode=0o700)
            self.folders[name] = path
        self.processes = []
        self.tray_host = None
        self.log_files = []
        self.d = None
        self.clients_seen = set()
        self.last_click = 0.0
        try:
            self.display_name = self._start_xvfb()
            self.env = self._environment()
            self.d = display.Display(self.display_name)
            self.root = self.d.screen().root
            self.root.change_attributes(event_mask=X.PropertyChangeMask)
            if window_manager:
                self.start_window_manager()
            if tray:
                self.start_tray()
        except BaseException:
            self.close()
            raise

    # --- set-up and tear-down -------------------------------------------------------

    def _start_xvfb(self):
        """Starts Xvfb on a display number that no other server, in this folder of sockets
        or in the abstract namespace that X clients try first, is using."""
        for number in random.sample(range(200, 1000), 40):
            if os.path.exists("/tmp/.X%d-lock" % number) or abstract_socket_taken(number):
                continue
            xvfb = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-screen", "0",
                 "%dx%dx24" % (SCREEN_WIDTH, SCREEN_HEIGHT), "-nolisten", "tcp", "-noreset"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            name = ":%d" % number
            try:
                wait_for(lambda: xvfb.poll() is not None or connects(name), "Xvfb " + name)
            except Timeout:
                xvfb.kill()
                xvfb.wait()
                continue
            if xvfb.poll() is None:
                self.processes.append(xvfb)
                return name
        raise RuntimeError("no free display for Xvfb")

    def _environment(self):
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("QT_", "XDG_", "DBUS_", "WAYLAND_", "FAKETIME"))}
        env.update({
            "DISPLAY": self.display_name,
            "QT_QPA_PLATFORM": "xcb",
            "XDG_SESSION_TYPE": "x11",
            "XDG_DATA_HOME": self.folders["data"],
            "XDG_RUNTIME_DIR": self.folders["runtime"],
            "XDG_CONFIG_HOME": self.folders["config"],
            "XDG_CACHE_HOME": self.folders["cache"],
            "HOME": self.folders["home"],
            # No session bus: the tray icon is the X one, and nothing starts a bus.
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(self.root_dir, "no-bus"),
            "NO_AT_BRIDGE": "1",
            "TZ": "UTC",
        })
        return env

    def _spawn(self, name, argv, env=None):
        log = open(os.path.join(self.root_dir, name + ".log"), "ab")
        self.log_files.append(log)
        process = subprocess.Popen(argv, env=env or self.env, stdout=log, stderr=log,
                                   start_new_session=True)
        self.processes.append(process)
        return process

    def start_window_manager(self):
        self._spawn("openbox", ["openbox", "--sm-disable"])
        # Ready once it frames a window mapped after its start, as it will the program's.
        probe = self.root.create_window(0, 0, 10, 10, 0, X.CopyFromParent)
        probe.set_wm_name("probe")
        probe.map()
        self.d.sync()
        wait_for(lambda: self.viewable(probe) and probe.query_tree().parent != self.root,
                 "the window manager to frame a window")
        probe.destroy()
        self.d.sync()

    def start_tray(self):
        self.tray_host = self._spawn("trayer", [
            "trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request",
            "--height", "24", "--SetDockType", "true", "--SetPartialStrut", "false"])
        wait_for(lambda: self.tray_owner() and self.tray_panel(), "the tray host")

    def stop_tray(self):
        self.stop(self.tray_host)
        wait_for(lambda: not self.tray_owner(), "the tray host to go")
        self.tray_host = None

    def start_session_bus(self):
        """A private session bus of the session's own; returns its address."""
        path = os.path.join(self.root_dir, "session-bus")
        self._spawn("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                    "--address=unix:path=" + path])
        wait_for(lambda: os.path.exists(path), "the session bus")
        return "unix:path=" + path

    def start_sni_watcher(self, bus_address):
        """The tray of a StatusNotifierItem desktop on that bus; it logs what items do."""
        name = "sni-watcher-%d" % len(self.processes)
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sni_watcher.py")
        process = self._spawn(name, [sys.executable, script, bus_address])
        log = os.path.join(self.root_dir, name + ".log")
        wait_for(lambda: "watching" in self.read_log(log), "the StatusNotifierWatcher")
        return process, log

    def read_log(self, path):
        try:
            with open(path, errors="replace") as log:
                return log.read()
        except OSError:
            return ""

    def stop(self, process, sig=signal.SIGTERM):
        if process.poll() is None:
            process.send_signal(sig)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def close(self):
        if self.d:
            self.d.close()
        for process in reversed(self.processes):
            self.stop(process)
        for log in self.log_files:
            log.close()
        shutil.rmtree(self.root_dir, ignore_errors=True)

    def describe(self):
        """The display and its viewable windows, for a failure's report."""
        lines = ["display %s" % self.display_name]
        for process in self.processes:
            state = "running" if process.poll() is None else "exit %s" % process.returncode
            try:
                with open("/proc/%d/wchan" % process.pid) as wchan:
                    state += " in " + wchan.read()
            except OSError:
                pass
            lines.append("  %s %s" % (" ".join(process.args[:1]), state))
        for w in self._tree():
            if self.name(w) or self.pid(w):
                lines.append("  window %#x %r pid %s at %s%s%s" % (
                    w.id, self.name(w), self.pid(w), self.geometry(w),
                    "" if self.viewable(w) else ", not viewable", self.states(w)))
        return "\n".join(lines)

    def states(self, window):
        """The window's WM_STATE and _NET_WM_STATE as the window manager left them."""
        try:
            wm_state = window.get_full_property(self.atom("WM_STATE"), X.AnyPropertyType)
            net = window.get_full_property(self.atom("_NET_WM_STATE"), Xatom.ATOM)
        except error.XError:
            return ""
        text = ""
        if wm_state:
            text += ", WM_STATE %d" % wm_state.value[0]
        if net and len(net.value):
            text += ", " + " ".join(self.d.get_atom_name(a) for a in net.value)
        return text

    def logs(self):
        text = []
        for name in sorted(os.listdir(self.root_dir)):
            if name.endswith(".log"):
                with open(os.path.join(self.root_dir, name), errors="replace") as log:
                    text.append("--- %s\n%s" % (name, log.read()[-3000:]))
        return "\n".join(text)

    # --- the program --------------------------------------------------------------------

    def start_calendar(self, program, extra_env=None, wait=True):
        env = dict(self.env)
        env.update(extra_env or {})
        process = self._spawn("calendar", [program], env)
        if wait:
            self.main_window(process)
        return process

    def main_window(self, process):
        return wait_for(lambda: self._check_alive(process) and self.window_named(
            "万年历", process), "the main window to show")

    def _check_alive(self, process):
        if process.poll() is not None:
            raise AssertionError("the calendar ended (exit %s)" % process.returncode)
        return True

    # --- reading the screen ---------------------------------------------------------

    def atom(self, name):
        return self.d.intern_atom(name)

    def tray_owner(self):
        owner = self.d.get_selection_owner(self.atom("_NET_SYSTEM_TRAY_S0"))
        return owner if owner != X.NONE else None

    def _tree(self, window=None):
        window = window or self.root
        try:
            children = window.query_tree().children
        except error.XError:
            return
        for child in children:
            yield child
            yield from self._tree(child)

    def name(self, window):
        try:
            prop = window.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
            if prop:
                return prop.value.decode("utf-8", "replace")
            prop = window.get_full_property(Xatom.WM_NAME, X.AnyPropertyType)
            return prop.value.decode("latin-1") if prop else None
        except error.XError:
            return "<gone>"

    def viewable(self, window):
        try:
            return window.get_attributes().map_state == X.IsViewable
        except error.XError:
            return False

    def pid(self, window):
        try:
            prop = window.get_full_property(self.atom("_NET_WM_PID"), Xatom.CARDINAL)
            return prop.value[0] if prop else None
        except error.XError:
            return None

    def windows_named(self, name, process=None):
        return [w for w in self._tree() if self.name(w) == name and self.viewable(w)
                and (process is None or self.pid(w) == process.pid)]

    def window_named(self, name, process=None):
        found = self.windows_named(name, process)
        return found[0] if found else None

    def popups(self, process):
        """The viewable override-redirect windows of the program (its menus)."""
        found = []
        for w in self.root.query_tree().children:
            try:
                attributes = w.get_attributes()
            except error.XError:
                continue
            if (attributes.override_redirect and attributes.map_state == X.IsViewable
                    and self.pid(w) == process.pid):
                found.append(w)
        return found

    def tray_icon(self, process):
        """The program's icon window when it is docked, visible, in the tray host."""
        panel = self.tray_panel()
        for w in self._tree(panel) if panel else []:
            if self.pid(w) == process.pid and self.viewable(w):
                return w
        return None

    def tray_panel(self):
        """The tray host's visible panel."""
        if not self.tray_host:
            return None
        for w in self._tree():
            if (self.name(w) == "panel" and self.pid(w) == self.tray_host.pid
                    and self.viewable(w)):
                return w
        return None

    def geometry(self, window):
        """Left, top, width and height of a window on the screen."""
        g = window.get_geometry()
        at = window.translate_coords(self.root, 0, 0)
        return (-at.x, -at.y, g.width, g.height)

    def opacity(self, window):
        prop = window.get_full_property(self.atom("_NET_WM_WINDOW_OPACITY"), Xatom.CARDINAL)
        return prop.value[0] if prop else 0xFFFFFFFF

    def pixels(self, left, top, width, height):
        """The screen's pixels as rows of (red, green, blue)."""
        image = self.root.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        rows = []
        for y in range(height):
            row = []
            for x in range(width):
                i = (y * width + x) * 4
                row.append((data[i + 2], data[i + 1], data[i]))
            rows.append(row)
        return rows

    def pixel(self, x, y):
        return self.pixels(x, y, 1, 1)[0][0]

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display_name, "-window", "root", path],
                       check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def keyboard_grabbed(self):
        """True while another client holds the keyboard, as an open menu does."""
        status = self.root.grab_keyboard(False, X.GrabModeAsync, X.GrabModeAsync, X.CurrentTime)
        if status == X.GrabSuccess:
            self.d.ungrab_keyboard(X.CurrentTime)
            self.d.sync()
        return status == X.AlreadyGrabbed

    def note_clients(self):
        """Records the name of every window the window manager has managed so far."""
        prop = self.root.get_full_property(self.atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
        for window_id in (prop.value if prop else []):
            w = self.d.create_resource_object("window", window_id)
            self.clients_seen.add(self.name(w))

    def pump(self):
        """Takes the X events that came and notes every change of the managed windows."""
        while self.d.pending_events():
            self.d.next_event()
        self.note_clients()

    # --- real input -----------------------------------------------------------------

    def move_pointer(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        self.d.sync()

    def press(self, button):
        xtest.fake_input(self.d, X.ButtonPress, button)
        self.d.sync()

    def release(self, button):
        xtest.fake_input(self.d, X.ButtonRelease, button)
        self.d.sync()

    def click(self, x, y, button=1, times=1):
        """Clicks times in quick succession at (x, y), never so soon after the last click
        that the program would take the two for a double click."""
        pause = self.last_click + DOUBLE_CLICK_SECONDS - time.monotonic()
        if pause > 0:
            time.sleep(pause)
        self.move_pointer(x, y)
        # Sent in one go, so that a busy machine cannot spread a double click apart.
        for _ in range(times):
            xtest.fake_input(self.d, X.ButtonPress, button)
            xtest.fake_input(self.d, X.ButtonRelease, button)
        self.d.sync()
        self.last_click = time.monotonic()

    def key(self, name):
        keycode = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(self.d, X.KeyPress, keycode)
        xtest.fake_input(self.d, X.KeyRelease, keycode)
        self.d.sync()

    def keys(self, *chords):
        """Types key chords such as "shift+F10" or "Menu", as a keyboard user does."""
        subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60"] + list(chords),
                       env=self.env, check=True)

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], env=self.env, check=True)

    def activate(self, window):
        """Asks the window manager to bring a window to the front, as a task list does."""
        message = event.ClientMessage(
            window=window, client_type=self.atom("_NET_ACTIVE_WINDOW"),
            data=(32, [2, X.CurrentTime, 0, 0, 0]))
        self.root.send_event(message, event_mask=X.SubstructureRedirectMask
                             | X.SubstructureNotifyMask)
        self.d.sync()

    def close_window(self, window):
        """Asks the window manager to close a window, as its close button does."""
        message = event.ClientMessage(
            window=window, client_type=self.atom("_NET_CLOSE_WINDOW"),
            data=(32, [X.CurrentTime, 2, 0, 0, 0]))
        self.root.send_event(message, event_mask=X.SubstructureRedirectMask
                             | X.SubstructureNotifyMask)
        self.d.sync()

    def minimise(self, window):
        """Asks the window manager to minimise a window, as its minimise command does."""
        message = event.ClientMessage(
            window=window, client_type=self.atom("WM_CHANGE_STATE"),
            data=(32, [3, 0, 0, 0, 0]))  # IconicState
        self.root.send_event(message, event_mask=X.SubstructureRedirectMask
                             | X.SubstructureNotifyMask)
        self.d.sync()
