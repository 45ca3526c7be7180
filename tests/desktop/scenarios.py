"""The calendar's roads as a person takes them, one scenario each, in a private X session.

Usage: scenarios.py SCENARIO CALENDAR LOOPBACK_CALENDAR
CALENDAR is the program as built; LOOPBACK_CALENDAR is the same program with the weather
window's hosts on 127.0.0.1, for the weather scenarios.
"""

import calendar
import datetime
import glob
import http.server
import os
import sys
import threading
import time

from Xlib import X, XK, Xatom
from Xlib.ext import xtest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from notifications import Notifications  # noqa: E402
from xsession import SCREEN_HEIGHT, SCREEN_WIDTH, Session, Timeout, wait_for  # noqa: E402

MAIN_TITLE = "万年历"
POPUP_TITLE = "便签列表"
WEATHER_TITLE = "天气预报"
SETTINGS_TITLE = "便签设置"

# The menu's commands, counted from the top without the separators: a person walks there
# with the arrow keys.
HIDE_OR_SHOW_GRID, WEATHER, NOTE_EDITOR, NOTES_POPUP, NOTE_SETTINGS, NOTES_HISTORY, \
    MINIMISE_TO_TRAY, QUIT, ABOUT = range(1, 10)

# Places in the main window.
MENU_BUTTON = (207, 13)
YEAR_SPINNER = (56, 16)
MONTH_SPINNER = (147, 16)
MONTH_PLUS = (168, 16)
PANEL_SURFACE = (20, 160)
YEAR_NAME_AND_ZODIAC = (60, 188, 102, 120)
GRID = (221, 0, 410, 330)

# Places in the note settings window.
SESSION_SWITCH = (263, 57)
SETTINGS_SAVE = (263, 118)


def expected_opacity(alpha):
    return int(alpha / 255.0 * 0xFFFFFFFF + 0.5)


def centre(s, window):
    left, top, width, height = s.geometry(window)
    return left + width // 2, top + height // 2


def open_menu_from_button(s, program, main):
    left, top, _, _ = s.geometry(main)
    s.click(left + MENU_BUTTON[0], top + MENU_BUTTON[1])
    return wait_for(lambda: s.popups(program), "the menu to drop down")[0]


def open_menu_from_tray(s, program):
    icon = wait_for(lambda: s.tray_icon(program), "the tray icon")
    x, y = centre(s, icon)
    s.click(x, y, button=3)
    return wait_for(lambda: s.popups(program), "the tray menu")[0]


def choose(s, program, command):
    wait_for(s.keyboard_grabbed, "the menu to take the keyboard")
    for _ in range(command):
        s.key("Down")
    s.key("Return")
    wait_for(lambda: not s.popups(program), "the menu to close")


def managed(s, name):
    s.note_clients()
    prop = s.root.get_full_property(s.atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
    ids = prop.value if prop else []
    return [i for i in ids if s.name(s.d.create_resource_object("window", i)) == name]


def active_window(s):
    prop = s.root.get_full_property(s.atom("_NET_ACTIVE_WINDOW"), Xatom.WINDOW)
    return prop.value[0] if prop and len(prop.value) else None


def hidden_to_tray(s, program):
    """The main window is gone from the screen and from the window list; the icon stays."""
    return (not s.window_named(MAIN_TITLE) and not managed(s, MAIN_TITLE)
            and s.tray_icon(program))


def start_with_tray_icon(s, program_file):
    program = s.start_calendar(program_file)
    main = s.main_window(program)
    wait_for(lambda: s.tray_icon(program), "the tray icon")
    return program, main


def minimise_to_tray_by_menu(s, program, main):
    open_menu_from_button(s, program, main)
    choose(s, program, MINIMISE_TO_TRAY)
    wait_for(lambda: hidden_to_tray(s, program), "the calendar to go to the tray")


def restore_from_tray(s, program):
    icon = wait_for(lambda: s.tray_icon(program), "the tray icon")
    x, y = centre(s, icon)
    s.click(x, y, times=2)
    return wait_for(lambda: s.window_named(MAIN_TITLE), "the main window to come back")


def choose_by_keys(s, program, command):
    """Opens the menu with Shift+F10 and walks to the command with the arrow keys."""
    s.keys("shift+F10")
    wait_for(lambda: s.popups(program), "the menu from Shift+F10")
    choose(s, program, command)


def iconic(s, window):
    prop = window.get_full_property(s.atom("WM_STATE"), X.AnyPropertyType)
    return prop is not None and prop.value[0] == 3


def grid_pixels(s, main):
    left, top, _, _ = s.geometry(main)
    return s.pixels(left + GRID[0], top + GRID[1], GRID[2], GRID[3])


def settled(read):
    """A reading of the screen that stays the same twice running: drawing has finished."""
    seen = []

    def still():
        seen.append(read())
        return len(seen) > 1 and seen[-2] == seen[-1] and seen[-1]
    return still


# --- scenarios --------------------------------------------------------------------------

def menu_from_button(s, program_file, _):
    program = s.start_calendar(program_file)
    main = s.main_window(program)
    left, top, width, height = s.geometry(main)
    assert (width, height) == (631, 386), s.geometry(main)
    assert (left, top) == ((SCREEN_WIDTH - 631) // 2, (SCREEN_HEIGHT - 386) // 2)

    menu = open_menu_from_button(s, program, main)
    menu_left, menu_top, _, menu_height = s.geometry(menu)
    assert abs(menu_left - (left + 200)) <= 200 and top <= menu_top <= top + 40, \
        (s.geometry(menu), (left, top))
    assert menu_height > 150, s.geometry(menu)
    choose(s, program, HIDE_OR_SHOW_GRID)
    wait_for(lambda: s.geometry(main)[2] == 221, "the grid to be hidden")

    open_menu_from_button(s, program, main)
    choose(s, program, HIDE_OR_SHOW_GRID)
    wait_for(lambda: s.geometry(main)[2] == 631, "the grid to come back")


def opacity_keys(s, program_file, _):
    program = s.start_calendar(program_file)
    main = s.main_window(program)
    wait_for(lambda: active_window(s) == main.id, "the main window to have the focus")

    def level(alpha):
        wait_for(lambda: s.opacity(main) == expected_opacity(alpha), "opacity %d" % alpha)

    for alpha in range(245, 124, -10):
        s.key("x")
        level(alpha)
    # At 125 X does nothing: the next Z lands on 135, not on 125.
    s.key("x")
    s.key("z")
    level(135)
    for alpha in range(145, 256, 10):
        s.key("z")
        level(min(alpha, 255))
    s.key("z")
    s.key("x")
    level(245)


def drag_by_panel(s, program_file, _):
    program = s.start_calendar(program_file)
    main = s.main_window(program)
    left, top, _, _ = s.geometry(main)
    s.move_pointer(left + PANEL_SURFACE[0], top + PANEL_SURFACE[1])
    s.press(1)
    s.move_pointer(left + PANEL_SURFACE[0] + 120, top + PANEL_SURFACE[1] + 70)
    s.release(1)
    wait_for(lambda: s.geometry(main)[:2] == (left + 120, top + 70), "the window to move")


def spinners_without_window_manager(s, program_file, _):
    """With nobody to activate the window, the grid still follows the spinners."""
    program = s.start_calendar(program_file)
    main = s.main_window(program)
    left, top, _, _ = s.geometry(main)
    x, y, w, h = YEAR_NAME_AND_ZODIAC
    region = (left + x, top + y, w, h)
    shown = []

    def painted_and_still():
        rows = s.pixels(*region)
        red = any(r > 200 and g < 80 and b < 80 for row in rows for r, g, b in row)
        shown.append(rows)
        return red and len(shown) > 1 and shown[-2] == rows and rows

    before = wait_for(painted_and_still, "the year's name and animal to be drawn")
    s.move_pointer(left + YEAR_SPINNER[0], top + YEAR_SPINNER[1])
    s.press(4)
    s.release(4)
    wait_for(lambda: s.pixels(*region) != before, "the next year's name and animal")
    s.press(5)
    s.release(5)
    wait_for(lambda: s.pixels(*region) == before, "this year's name and animal again")


def minimise_to_tray_and_restore_twice(s, program_file, _):
    program, main = start_with_tray_icon(s, program_file)
    print("minimising by the menu", flush=True)
    minimise_to_tray_by_menu(s, program, main)
    main = restore_from_tray(s, program)

    # The window manager's own minimise takes the same road.
    print("minimising by the window manager", flush=True)
    s.minimise(main)
    wait_for(lambda: hidden_to_tray(s, program), "the calendar to go to the tray again")
    main = restore_from_tray(s, program)
    assert managed(s, MAIN_TITLE) and s.tray_icon(program)


def windows_from_tray_menu_while_hidden(s, program_file, _):
    program, main = start_with_tray_icon(s, program_file)
    minimise_to_tray_by_menu(s, program, main)

    today = datetime.date.today()
    editor_title = "便签维护 - %d年%d月%d日" % (today.year, today.month, today.day)
    for command, title in ((ABOUT, "关于本软件"), (NOTE_EDITOR, editor_title),
                           (NOTES_HISTORY, "便签历史记录"), (NOTE_SETTINGS, "便签设置")):
        print("opening %s from the tray menu" % title, flush=True)
        open_menu_from_tray(s, program)
        choose(s, program, command)
        window = wait_for(lambda: s.window_named(title), "the window " + title)
        if command == ABOUT:
            left, top, _, _ = s.geometry(window)
            s.click(left + 288 + 26, top + 168 + 12)  # its button "确  定"
        else:
            s.close_window(window)
        wait_for(lambda: not s.window_named(title), "the window %s to close" % title)
        # The program answers the tray again: the next round opens its menu.
        assert program.poll() is None, "closing %s ended the program" % title
        assert not s.window_named(MAIN_TITLE)

    open_menu_from_tray(s, program)
    choose(s, program, QUIT)
    assert program.wait(timeout=10) == 0


def tray_host_later_and_restarted(s, program_file, _):
    program = s.start_calendar(program_file)
    assert s.tray_icon(program) is None
    s.start_tray()
    wait_for(lambda: s.tray_icon(program), "the icon in a tray host started later")
    s.stop_tray()
    s.start_tray()
    wait_for(lambda: s.tray_icon(program), "the icon in the restarted tray host")
    assert program.poll() is None


def second_start(s, program_file, _):
    first, main = start_with_tray_icon(s, program_file)
    minimise_to_tray_by_menu(s, first, main)

    second = s.start_calendar(program_file, wait=False)
    assert second.wait(timeout=10) == 0
    wait_for(lambda: s.window_named(MAIN_TITLE), "the running calendar to come back")
    assert len(s.windows_named(MAIN_TITLE)) == 1 and len(managed(s, MAIN_TITLE)) == 1
    wait_for(lambda: active_window(s) == s.window_named(MAIN_TITLE).id,
             "the running calendar to be the active window")

    # A killed calendar leaves its lock file with the name of its door; the next start is not
    # blocked.
    s.stop(first, sig=9)
    third = s.start_calendar(program_file)
    assert third.poll() is None


class FakedClock:
    """The program's clock through libfaketime: it reads the time set last and runs on from
    there (nothing in the program reads the environment for it)."""

    def __init__(self, s):
        self.file = os.path.join(s.root_dir, "clock")
        library = glob.glob("/usr/lib/*/faketime/libfaketime.so.1")
        assert library, "libfaketime is missing (Debian package faketime)"
        self.env = {"LD_PRELOAD": library[0], "FAKETIME_TIMESTAMP_FILE": self.file,
                    "FAKETIME_NO_CACHE": "1", "FAKETIME_DONT_FAKE_MONOTONIC": "1"}

    def set(self, stamp):
        """The program's clock reads stamp (UTC) now and runs on from there."""
        target = calendar.timegm(time.strptime(stamp, "%Y-%m-%d %H:%M:%S"))
        with open(self.file + ".new", "w") as file:
            file.write("%+d\n" % round(target - time.time()))
        os.replace(self.file + ".new", self.file)
        return time.monotonic()


def write_note_at_two(s):
    """Reminders on, the popup in the bottom right corner, and one note at 14:00 today."""
    data = os.path.join(s.folders["data"], "RuxaCalendar")
    os.makedirs(data)
    with open(os.path.join(data, "Config.ini"), "w") as config:
        config.write("[NoteSet]\nPosition=3\nAlarm=1\nblend=10\n")
    notes = ('<?xml version="1.0" encoding="GB2312"?>\n<便签列表><Date2026-12-11>'
             '<标题>开会</标题><日期>2026-12-11 14:00</日期><提醒>是</提醒>'
             '<内容>三楼会议室</内容></Date2026-12-11></便签列表>\n')
    with open(os.path.join(data, "Notes.xml"), "wb") as file:
        file.write(notes.encode("gb2312"))
    return data


def reminder_at_two(s, program_file, _):
    """A reminder at 14:00 with a running clock, the popup in the bottom right corner."""
    write_note_at_two(s)
    clock = FakedClock(s)
    started = clock.set("2026-12-11 13:59:57")
    program = s.start_calendar(program_file, clock.env, wait=False)

    popup = wait_for(lambda: s._check_alive(program) and s.window_named(POPUP_TITLE),
                     "the reminder's popup")
    assert time.monotonic() - started > 2.5, "the popup came before 14:00"
    _, _, width, height = s.geometry(popup)
    corner = (SCREEN_WIDTH - width, SCREEN_HEIGHT - height)

    def near_corner():
        left, top, _, _ = s.geometry(popup)
        return abs(left - corner[0]) <= 1 and abs(top - corner[1]) <= 1

    assert near_corner(), (s.geometry(popup), corner)

    # Past the minute the popup stays shown and at rest in its corner.
    clock.set("2026-12-11 14:00:58")
    still_since = [None]

    def at_rest():
        if s.geometry(popup)[:2] != corner:
            still_since[0] = None
            return False
        still_since[0] = still_since[0] or time.monotonic()
        return time.monotonic() - still_since[0] > 2.0

    wait_for(at_rest, "the popup to come to rest in its corner")
    assert s.window_named(POPUP_TITLE) and program.poll() is None


def keys_menu_grid_and_year(s, program_file, _):
    """Everything here by keys alone: the menu, the days of the grid, a year typed."""
    program = s.start_calendar(program_file)
    main = s.main_window(program)
    wait_for(lambda: active_window(s) == main.id, "the main window to have the focus")
    s.move_pointer(0, SCREEN_HEIGHT - 1)

    choose_by_keys(s, program, HIDE_OR_SHOW_GRID)
    wait_for(lambda: s.geometry(main)[2] == 221, "the grid to be hidden")
    choose_by_keys(s, program, HIDE_OR_SHOW_GRID)
    wait_for(lambda: s.geometry(main)[2] == 631, "the grid to come back")

    # Year, month, the menu button, then the grid.
    s.keys("Tab", "Tab", "Tab")
    this_month = wait_for(settled(lambda: grid_pixels(s, main)), "the grid with its focus mark")
    s.keys(*["Down"] * 6)
    wait_for(lambda: grid_pixels(s, main) != this_month, "a month on in the grid")
    s.keys(*["Up"] * 6)
    wait_for(lambda: grid_pixels(s, main) == this_month, "the month of today again")

    left, top, _, _ = s.geometry(main)
    x, y, w, h = YEAR_NAME_AND_ZODIAC

    def year_name():
        return s.pixels(left + x, top + y, w, h)

    this_year = wait_for(settled(year_name), "the year's name and animal")
    s.keys("Tab")  # from the grid round to the year
    s.type_text("2030")
    wait_for(lambda: year_name() != this_year, "the name and animal of the year typed")
    s.type_text(time.strftime("%Y"))
    wait_for(lambda: year_name() == this_year, "this year's name and animal again")


def minimise_without_tray_then_with_a_tray(s, program_file, _):
    """No tray host: the window is minimised, not hidden, and comes back from the window
    manager; once a tray appears, minimising goes to the tray."""
    program = s.start_calendar(program_file)
    main = s.main_window(program)
    wait_for(lambda: active_window(s) == main.id, "the main window to have the focus")
    choose_by_keys(s, program, MINIMISE_TO_TRAY)
    wait_for(lambda: iconic(s, main), "the calendar to be minimised")
    assert managed(s, MAIN_TITLE), "the minimised calendar left the window list"
    s.activate(main)
    wait_for(lambda: s.window_named(MAIN_TITLE) and active_window(s) == main.id,
             "the calendar back from the window list")

    s.start_tray()
    wait_for(lambda: s.tray_icon(program), "the icon in the tray that came later")
    minimise_to_tray_by_menu(s, program, main)
    restore_from_tray(s, program)


def status_notifier_tray(s, program_file, _):
    """A desktop whose tray is a StatusNotifierItem host: the watcher comes after the
    calendar, a click on the item brings the hidden calendar back, and a restarted watcher
    gets the item again."""
    import dbus

    address = s.start_session_bus()
    program = s.start_calendar(program_file, {"DBUS_SESSION_BUS_ADDRESS": address})
    main = s.main_window(program)
    item = "org.kde.StatusNotifierItem-%d-1" % program.pid

    watcher, log = s.start_sni_watcher(address)
    wait_for(lambda: "registered " + item in s.read_log(log), "the item in the late watcher")
    wait_for(lambda: "asked IsStatusNotifierHostRegistered" in s.read_log(log),
             "the calendar to ask for the host")

    bus = dbus.bus.BusConnection(address)
    properties = bus.get_object(item, "/StatusNotifierItem")
    tooltip = properties.Get("org.kde.StatusNotifierItem", "ToolTip",
                             dbus_interface="org.freedesktop.DBus.Properties")
    today = time.localtime()
    expected = "%d年%d月%d日" % (today.tm_year, today.tm_mon, today.tm_mday)
    assert str(tooltip[3]).startswith(expected), tooltip
    assert properties.Get("org.kde.StatusNotifierItem", "Status",
                          dbus_interface="org.freedesktop.DBus.Properties") == "Active"

    minimise_by_menu = lambda: (open_menu_from_button(s, program, main),  # noqa: E731
                                choose(s, program, MINIMISE_TO_TRAY))
    minimise_by_menu()
    wait_for(lambda: not s.window_named(MAIN_TITLE) and not managed(s, MAIN_TITLE),
             "the calendar to go to the tray")
    properties.Activate(0, 0, dbus_interface="org.kde.StatusNotifierItem")
    wait_for(lambda: s.window_named(MAIN_TITLE), "the calendar back from the item's click")

    s.stop(watcher)
    _, log = s.start_sni_watcher(address)
    wait_for(lambda: "registered " + item in s.read_log(log), "the item in the new watcher")
    assert program.poll() is None


class Accessibility:
    """The calendar as a screen reader reads it: the accessibility bus of a session bus, the
    program's tree of accessible objects and the focus changes it announces."""
    ATSPI = "org.a11y.atspi."

    def __init__(self, s, session_bus):
        import dbus
        self.dbus = dbus
        session = dbus.bus.BusConnection(session_bus)
        launcher = session.get_object("org.a11y.Bus", "/org/a11y/bus")
        self.address = str(launcher.GetAddress(dbus_interface="org.a11y.Bus"))
        self.bus = dbus.bus.BusConnection(self.address)
        # A listener known to the registry, or the program announces nothing.
        registry = self.bus.get_object(self.ATSPI + "Registry", "/org/a11y/atspi/registry")
        registry.RegisterEvent("object:state-changed:focused", dbus.Array([], signature="s"),
                               "", dbus_interface=self.ATSPI + "Registry")
        self.events = os.path.join(s.root_dir, "focus-events.log")
        s._spawn("focus-events", ["dbus-monitor", "--address", self.address,
                                  "type='signal',interface='org.a11y.atspi.Event.Object',"
                                  "member='StateChanged'"])

    def call(self, ref, interface, method, *args):
        target = self.bus.get_object(ref[0], ref[1], introspect=False)
        return getattr(target, method)(*args, dbus_interface=self.ATSPI + interface)

    def prop(self, ref, interface, name):
        target = self.bus.get_object(ref[0], ref[1], introspect=False)
        return target.Get(self.ATSPI + interface, name,
                          dbus_interface="org.freedesktop.DBus.Properties")

    def name(self, ref):
        return str(self.prop(ref, "Accessible", "Name"))

    def role(self, ref):
        return str(self.call(ref, "Accessible", "GetRoleName"))

    def children(self, ref):
        return [(str(b), str(p)) for b, p in self.call(ref, "Accessible", "GetChildren")]

    def application(self, pid):
        root = (self.ATSPI + "Registry", "/org/a11y/atspi/accessible/root")
        daemon = self.bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus")
        for app in self.children(root):
            if daemon.GetConnectionUnixProcessID(app[0], dbus_interface="org.freedesktop.DBus") \
                    == pid:
                return app
        return None

    def find(self, ref, role, name=None, depth=12):
        """The objects of a role (and name) under ref, depth first."""
        found = []
        if self.role(ref) == role and (name is None or self.name(ref) == name):
            found.append(ref)
        if depth > 0:
            for child in self.children(ref):
                found += self.find(child, role, name, depth - 1)
        return found

    def focused_names(self):
        """The names of the objects that announced the focus, in order."""
        names = []
        with open(self.events, errors="replace") as log:
            lines = log.read().split("\n")
        for i, line in enumerate(lines):
            if "member=StateChanged" not in line:
                continue
            sender = line.split("sender=")[1].split(" ")[0]
            path = line.split("path=")[1].split(";")[0]
            body = " ".join(lines[i + 1:i + 4])
            if '"focused"' in body and "int32 1" in body.split('"focused"')[1][:30]:
                names.append(self.name((sender, path)))
        return names


def screen_reader(s, program_file, _):
    """Over AT-SPI the grid is a table of the week with named days, moving the selection
    announces the next day, and the note editor's controls have names."""
    address = s.start_session_bus()
    reader = Accessibility(s, address)
    clock = FakedClock(s)
    clock.set("2024-02-10 10:00:00")
    program = s.start_calendar(program_file, dict(
        clock.env, DBUS_SESSION_BUS_ADDRESS=address, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    main = s.main_window(program)
    app = wait_for(lambda: reader.application(program.pid), "the calendar on the AT-SPI bus")

    grid = reader.find(app, "table")
    assert len(grid) == 1, grid
    grid = grid[0]
    assert reader.prop(grid, "Table", "NColumns") == 7
    header = reader.call(grid, "Table", "GetColumnHeader", 6)
    assert reader.name(header) == "星期六", reader.name(header)
    # February 2024 begins on a Thursday: the 10th is the last cell of the second week.
    cell = reader.call(grid, "Table", "GetAccessibleAt", 1, 6)
    name = reader.name(cell)
    assert name.startswith("2024年2月10日 星期六") and all(
        word in name for word in ("正月初一", "春节", "休")), name
    spinners = [reader.name(r) for r in reader.find(app, "spin box")]
    assert sorted(spinners) == ["年份", "月份"], spinners
    assert reader.find(app, "push button", "命令菜单")

    wait_for(lambda: active_window(s) == main.id, "the main window to have the focus")
    s.keys("Tab", "Tab", "Tab")
    wait_for(lambda: any(n.startswith("2024年2月10日") for n in reader.focused_names()),
             "the grid's focus on today's cell")
    s.keys("Right")
    wait_for(lambda: reader.focused_names()[-1].startswith("2024年2月11日 星期日 农历正月初二"),
             "the focus change naming the next day")

    choose_by_keys(s, program, NOTE_EDITOR)
    editor_title = "便签维护 - 2024年2月10日"
    wait_for(lambda: s.window_named(editor_title), "the note editor")
    editor = wait_for(lambda: reader.find(app, "dialog", editor_title), "the editor's dialog")[0]
    named = {reader.name(r) for role in ("text", "combo box", "push button", "check box",
                                         "tree", "list", "table")
             for r in reader.find(editor, role)}
    for control in ("标题", "时间", "提醒", "内容", "确   定", "退   出"):
        assert control in named, (control, named)
def missed_reminder_and_snooze(s, program_file, _):
    """Off over 14:00: the next start sends the missed reminder once and its popup lists it;
    a later start sends nothing; the notification's snooze brings it again ten minutes on,
    across a restart."""
    data = write_note_at_two(s)
    clock = FakedClock(s)
    service = Notifications(s.root_dir)
    env = dict(clock.env, DBUS_SESSION_BUS_ADDRESS=service.address)
    try:
        clock.set("2026-12-11 13:59:00")
        first = s.start_calendar(program_file, env)
        time.sleep(5)
        s.stop(first)
        assert not service.notifications() and not s.window_named(POPUP_TITLE)

        clock.set("2026-12-11 14:30:00")
        second = s.start_calendar(program_file, env)
        notice = wait_for(lambda: service.notifications(), "the missed reminder's notification")[0]
        assert notice["summary"] == "错过的提醒：开会", notice
        assert notice["body"] == "2026-12-11 14:00\n三楼会议室", notice
        assert notice["actions"][2:] == ["snooze", "10分钟后再提醒", "done", "知道了"], notice
        wait_for(lambda: s.window_named(POPUP_TITLE, second), "the popup with the missed reminder")

        service.invoke_action(notice["id"], "snooze")
        remembered = os.path.join(data, "Reminders.txt")
        wait_for(lambda: "snoozed\t" in open(remembered, encoding="utf-8").read(),
                 "the snooze to be remembered")
        s.stop(second)

        clock.set("2026-12-11 14:31:00")
        third = s.start_calendar(program_file, env)
        time.sleep(3)
        assert len(service.notifications()) == 1, service.notifications()
        assert not s.window_named(POPUP_TITLE), "nothing comes at a start after the reminder came"

        clock.set("2026-12-11 14:40:00")
        again = wait_for(lambda: service.notifications()[1:], "the snoozed reminder")[0]
        assert again["summary"] == "开会", again
        wait_for(lambda: s.window_named(POPUP_TITLE, third), "the popup of the snoozed reminder")
        time.sleep(2)
        assert len(service.notifications()) == 2, service.notifications()
    finally:
        service.close()


def session_start_switch(s, program_file, _):
    """The switch 登录时启动 writes and removes the autostart entry; a start from the entry
    waits in the tray."""
    entry = os.path.join(s.folders["config"], "autostart", "ruxa-calendar.desktop")

    def turn_switch():
        program_main = s.main_window(program)
        open_menu_from_button(s, program, program_main)
        choose(s, program, NOTE_SETTINGS)
        settings = wait_for(lambda: s.window_named(SETTINGS_TITLE), "the note settings")
        left, top, _, _ = s.geometry(settings)
        s.click(left + SESSION_SWITCH[0], top + SESSION_SWITCH[1])
        s.click(left + SETTINGS_SAVE[0], top + SETTINGS_SAVE[1])
        wait_for(lambda: not s.window_named(SETTINGS_TITLE), "the note settings to close")

    program = s.start_calendar(program_file)
    turn_switch()
    with open(entry, encoding="utf-8") as file:
        text = file.read()
    assert '\nExec="%s" --autostart\n' % os.path.realpath(program_file) in text, text
    turn_switch()
    assert not os.path.exists(entry)

    s.stop(program)
    started = s._spawn("calendar", [program_file, "--autostart"], s.env)
    wait_for(lambda: s._check_alive(started) and s.tray_icon(started), "the tray icon")
    time.sleep(1)
    assert not s.window_named(MAIN_TITLE) and not managed(s, MAIN_TITLE)
    restore_from_tray(s, started)


def day_cell(col, row):
    """The centre of a day cell of the grid: column 0 (Sunday) .. 6, week row 1 .. 6."""
    return 221 + col * 58 + 29, 27 + (row - 1) * 50 + 25


def type_text(s, text):
    """Types letters, digits, blanks and colons as a person does, with Shift for the colon."""
    shift = s.d.keysym_to_keycode(XK.string_to_keysym("Shift_L"))
    for char in text:
        if char == ":":
            xtest.fake_input(s.d, X.KeyPress, shift)
            s.key("colon")
            xtest.fake_input(s.d, X.KeyRelease, shift)
            s.d.sync()
        else:
            s.key({" ": "space"}.get(char, char))


def highlighted(rgb):
    """The warm ground of the due note in today's popup."""
    r, g, b = rgb
    return r > 235 and 200 <= g <= 235 and b < 170


def lunar_birthday_a_year_on(s, program_file, _):
    """A note written by a double click on a day of next month, at 09:30, repeating each lunar
    year with a reminder: a year on, at 09:30 of its next lunar day, the popup comes with the
    note first and standing out, and one notification is sent, naming the lunar day."""
    data = os.path.join(s.folders["data"], "RuxaCalendar")
    os.makedirs(data)
    with open(os.path.join(data, "Config.ini"), "w") as config:
        config.write("[NoteSet]\nPosition=3\nAlarm=1\nblend=10\n")
    clock = FakedClock(s)
    service = Notifications(s.root_dir)
    env = dict(clock.env, DBUS_SESSION_BUS_ADDRESS=service.address)
    try:
        clock.set("2026-11-11 10:00:00")
        program = s.start_calendar(program_file, env)
        main = s.main_window(program)
        left, top, _, _ = s.geometry(main)

        # December 2026: the 28th, 十一月二十, is the Monday of week 5.
        month_field = (left + MONTH_SPINNER[0] - 12, top + 8, 24, 16)
        wait_for(lambda: s.pixels(*month_field) == s.pixels(*month_field), "the month drawn")
        november = s.pixels(*month_field)
        s.click(left + MONTH_PLUS[0], top + MONTH_PLUS[1])
        wait_for(lambda: s.pixels(*month_field) != november, "the next month")
        x, y = day_cell(1, 5)
        s.click(left + x, top + y, times=2)
        caption = "便签维护 - 2026年12月28日"
        editor = wait_for(lambda: s.window_named(caption), "the editor of 2026-12-28")
        wait_for(lambda: active_window(s) == editor.id, "the editor to take the keyboard")
        type_text(s, "grandma 80")
        s.key("Tab")  # the list
        s.key("Tab")  # the time
        type_text(s, "09:30")
        s.key("Tab")  # 提醒
        s.key("space")
        s.key("Tab")  # 重复: its last choice is 每年农历
        s.key("End")
        e_left, e_top, _, _ = s.geometry(editor)
        s.click(e_left + 268, e_top + 140)  # the arrow into the list
        s.click(e_left + 411, e_top + 273)  # OK
        wait_for(lambda: not s.window_named(caption), "the editor to close")
        with open(os.path.join(data, "Notes.xml"), "rb") as file:
            saved = file.read().decode("gb2312")
        assert ("<Date2026-12-28><标题>grandma 80</标题><日期>2026-12-28 09:30</日期>"
                "<提醒>是</提醒>") in saved and "<重复>每年农历</重复>" in saved, saved

        # OK showed today's popup: it is put away by the menu before the clock moves on.
        wait_for(lambda: s.window_named(POPUP_TITLE), "today's popup after OK")
        open_menu_from_button(s, program, main)
        choose(s, program, NOTES_POPUP)
        wait_for(lambda: not s.window_named(POPUP_TITLE), "the popup to hide")

        # 十一月二十 of the next lunar year is 2027-12-17.
        started = clock.set("2027-12-17 09:29:57")
        popup = wait_for(lambda: s._check_alive(program) and s.window_named(POPUP_TITLE),
                         "the reminder's popup", seconds=30)
        assert time.monotonic() - started > 2.5, "the popup came before 09:30"
        wait_for(lambda: service.notifications(), "the notification")
        p_left, p_top, _, _ = s.geometry(popup)
        # The first entry, at the top of the text, stands out on a warm ground.
        first = s.pixels(p_left + 10, p_top + 34, 200, 12)
        assert sum(highlighted(rgb) for row in first for rgb in row) > 200, "not first"
        time.sleep(3)
        notices = service.notifications()
        assert len(notices) == 1, notices
        assert notices[0]["summary"] == "grandma 80", notices
        assert notices[0]["body"] == "2027-12-17 09:30 农历十一月二十", notices
        assert program.poll() is None
    finally:
        service.close()


class WeatherPage(http.server.BaseHTTPRequestHandler):
    """A light page with one dark block of 40 x 30 pixels at (50, 100)."""
    targets = []
    page = (b'<!DOCTYPE html><html><head><meta charset="utf-8"></head>'
            b'<body style="margin:0;background:#F8F8FC;height:800px">'
            b'<div style="position:absolute;left:50px;top:100px;width:40px;height:30px;'
            b'background:#204080"></div></body></html>')

    def do_GET(self):
        WeatherPage.targets.append(self.path)
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(self.page)))
        self.end_headers()
        self.wfile.write(self.page)

    def log_message(self, *args):
        pass


def serve_weather_page():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), WeatherPage)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


EXPECTED_TARGET = ("/weather/weather.aspx?uid=&cid=101010100&l=zh-CHS&p=CMA&a=1&u=C&s=11"
                   "&m=0&x=1&d=5&fc=&bgc=&bc=&ti=1&in=1&li=2&ct=iframe")
# The page's dark block as the weather window shows it: 23 pixels of scroll, the view's
# first row and column left out, the picture at (0, 31) of the window.
DARK_BLOCK = (49 + 20, 31 + 76 + 15)
OFFLINE_MESSAGE = (13, 88, 196, 57)


def open_weather(s, online, program_file):
    server = serve_weather_page()
    program = s.start_calendar(program_file, {
        "RUXA_DESKTOP_WEATHER_HOST": "127.0.0.1:%d" % server.server_address[1],
        "RUXA_DESKTOP_ONLINE": "1" if online else "0"})
    main = s.main_window(program)
    open_menu_from_button(s, program, main)
    choose(s, program, WEATHER)
    weather = wait_for(lambda: s.window_named(WEATHER_TITLE), "the weather window", pump=s.pump)
    left, top, width, _ = s.geometry(main)
    assert s.geometry(weather) == (left + width, top, 222, 385), s.geometry(weather)
    return server, weather


def dark(colour, limit=0x90):
    return max(colour) < limit


def assert_no_stray_windows(s):
    s.pump()
    stray = s.clients_seen - {MAIN_TITLE, WEATHER_TITLE, "panel"}
    assert not stray, "windows that should never show: %s" % sorted(stray, key=str)


def weather_online(s, _, program_file):
    server, weather = open_weather(s, True, program_file)
    left, top, _, _ = s.geometry(weather)

    def block_shown():
        red, green, blue = s.pixel(left + DARK_BLOCK[0], top + DARK_BLOCK[1])
        return abs(red - 0x20) < 24 and abs(green - 0x40) < 24 and abs(blue - 0x80) < 24

    wait_for(block_shown, "the captured forecast", seconds=60, pump=s.pump)
    assert WeatherPage.targets and WeatherPage.targets[0] == EXPECTED_TARGET, WeatherPage.targets
    assert_no_stray_windows(s)
    server.shutdown()


def weather_offline(s, _, program_file):
    server, weather = open_weather(s, False, program_file)
    left, top, _, _ = s.geometry(weather)
    x, y, w, h = OFFLINE_MESSAGE

    def offline_message_shown():
        # Drawn on the window's light background, no picture under it.
        background = s.pixel(left + 5, top + 60)
        text = any(dark(c, 0x60) for row in s.pixels(left + x, top + y, w, h) for c in row)
        return (min(background) > 0xA0 and text
                and not dark(s.pixel(left + DARK_BLOCK[0], top + DARK_BLOCK[1])))

    wait_for(offline_message_shown, "the offline message", pump=s.pump)
    assert not WeatherPage.targets, WeatherPage.targets
    assert_no_stray_windows(s)
    server.shutdown()


SCENARIOS = {
    "menu_from_button": (menu_from_button, {}),
    "opacity_keys": (opacity_keys, {}),
    "drag_by_panel": (drag_by_panel, {}),
    "spinners_without_window_manager": (spinners_without_window_manager,
                                        {"window_manager": False, "tray": False}),
    "minimise_to_tray_and_restore_twice": (minimise_to_tray_and_restore_twice, {}),
    "windows_from_tray_menu_while_hidden": (windows_from_tray_menu_while_hidden, {}),
    "tray_host_later_and_restarted": (tray_host_later_and_restarted, {"tray": False}),
    "second_start": (second_start, {}),
    "reminder_at_two": (reminder_at_two, {}),
    "keys_menu_grid_and_year": (keys_menu_grid_and_year, {}),
    "minimise_without_tray_then_with_a_tray": (minimise_without_tray_then_with_a_tray,
                                               {"tray": False}),
    "status_notifier_tray": (status_notifier_tray, {"tray": False}),
    "screen_reader": (screen_reader, {}),
    "missed_reminder_and_snooze": (missed_reminder_and_snooze, {}),
    "lunar_birthday_a_year_on": (lunar_birthday_a_year_on, {}),
    "session_start_switch": (session_start_switch, {}),
    "weather_online": (weather_online, {}),
    "weather_offline": (weather_offline, {}),
}


def main():
    name, program_file, loopback_program_file = sys.argv[1:4]
    scenario, options = SCENARIOS[name]
    s = Session(**options)
    try:
        scenario(s, program_file, loopback_program_file)
    except (AssertionError, Timeout):
        shot = os.path.join(os.environ.get("RUXA_DESKTOP_SHOTS", "/tmp"), name + ".png")
        s.screenshot(shot)
        print("screen at the failure: " + shot)
        print(s.describe())
        print(s.logs())
        raise
    finally:
        s.close()
    print("%s: passed" % name)


if __name__ == "__main__":
    main()
