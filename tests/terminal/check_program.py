"""ruxa-cal as a program: exit statuses and silent standard output on faults, today's mark
only on a terminal without NO_COLOR, the shipped and data-folder holiday files, and both
feeds read by Python's icalendar."""

import datetime
import os
import pty
import subprocess
import sys
import tempfile

import icalendar

PROGRAM, REFERENCE = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def run(*args, env=None):
    return subprocess.run([PROGRAM, *args], capture_output=True, env=env, timeout=60)


def on_terminal(env):
    """Runs ruxa-cal with its standard output on a pseudo-terminal; returns what it wrote."""
    master, slave = pty.openpty()
    process = subprocess.Popen([PROGRAM], stdout=slave, stderr=subprocess.DEVNULL, env=env)
    os.close(slave)
    output = b""
    while True:
        try:
            chunk = os.read(master, 4096)
        except OSError:
            break
        if not chunk:
            break
        output += chunk
    process.wait(timeout=60)
    os.close(master)
    return output


with tempfile.TemporaryDirectory() as home:
    env = dict(os.environ, XDG_DATA_HOME=home, TZ="Asia/Shanghai")
    env.pop("NO_COLOR", None)
    folder = os.path.join(home, "RuxaCalendar")
    os.makedirs(folder)

    for args in (["--day", "2401-01-01"], ["--table", "2024-02-02", "2024-02-01"], ["--x"]):
        done = run(*args, env=env)
        check(done.returncode == 2, f"{args}: status {done.returncode}")
        check(done.stdout == b"", f"{args}: wrote to standard output")
        check(done.stderr.decode().count("\n") == 1, f"{args}: not one line on stderr")

    piped = run(env=env)
    check(piped.returncode == 0 and b"\x1b" not in piped.stdout, "colour into a pipe")
    check(b"\x1b[7m" in on_terminal(env), "no today mark on a terminal")
    check(b"\x1b[7m" not in on_terminal(dict(env, NO_COLOR="1")), "today mark with NO_COLOR")

    # The year's feed, read by a second parser.
    done = run("--ics", "2024-01-01", "2024-12-31", env=env)
    check(done.returncode == 0, "--ics failed")
    events = icalendar.Calendar.from_ical(done.stdout).walk("VEVENT")
    with open(os.path.join(REFERENCE, "holidays.csv"), encoding="utf-8") as rows:
        holidays = sum(1 for row in rows if row.startswith("2024-"))
    check(len(events) == 24 + 16 + holidays, f"{len(events)} events in 2024")
    check(len({str(e["UID"]) for e in events}) == len(events), "UIDs repeat")
    for event in events:
        start = event["DTSTART"].dt
        check(type(start) is datetime.date and start.year == 2024, f"start {start}")
        check(event["DTEND"].dt == start + datetime.timedelta(days=1), f"end of {start}")
        check(str(event["TRANSP"]) == "TRANSPARENT" and "DTSTAMP" in event, f"{start}")
    by_summary = {str(e["SUMMARY"]): e["DTSTART"].dt for e in events}
    check(by_summary.get("春节") == datetime.date(2024, 2, 10), "春节")
    check(by_summary.get("清明") == datetime.date(2024, 4, 4), "清明")

    # A data-folder holiday file replaces its year; a malformed one is reported and ignored.
    with open(os.path.join(folder, "holidays.csv"), "w", encoding="utf-8") as local:
        local.write("date,kind,holiday\n2024-02-05,休,测试假\n")
    done = run("--table", "2024-02-04", "2024-02-05", env=env)
    check(done.stdout.decode().splitlines()[1].endswith("\t休\t"), "data-folder year")
    check(done.stdout.decode().splitlines()[0].endswith("\t\t16:27"), "the year is replaced whole")
    with open(os.path.join(folder, "holidays.csv"), "w", encoding="utf-8") as local:
        local.write("date,kind\n")
    done = run("--table", "2024-02-04", "2024-02-04", env=env)
    check(done.returncode == 0 and done.stdout.decode().endswith("\t班\t16:27\n"), "shipped table")
    check("格式有误" in done.stderr.decode(), "malformed file not reported")

    # A name with control characters (ESC, BEL, a CSI, NUL) is refused with its file, and
    # nothing raw reaches the output; nor does anything in place of the file but a file.
    for name in ("\x1b[2J", "响\x07铃", "\u009b31m", "半\x00截"):
        with open(os.path.join(folder, "holidays.csv"), "w", encoding="utf-8") as local:
            local.write(f"date,kind,holiday\n2024-02-05,休,{name}\n")
        for args in (["--day", "2024-02-05"], ["--table", "2024-02-05", "2024-02-05"],
                     ["2024", "2"], ["--ics", "2024-02-05", "2024-02-05"]):
            done = run(*args, env=env)
            out = done.stdout.decode()
            check(done.returncode == 0, f"{name!r} {args}: status {done.returncode}")
            check(not any(c in out for c in "\x00\x07\x9b") and "\x1b[2J" not in out,
                  f"{name!r} {args}: a control character written")
            check("控制字符" in done.stderr.decode(), f"{name!r} {args}: not reported")
    os.remove(os.path.join(folder, "holidays.csv"))
    for make in (lambda p: os.mkfifo(p), lambda p: os.mkdir(p),
                 lambda p: os.symlink("/dev/zero", p), lambda p: os.symlink("/nowhere", p)):
        path = os.path.join(folder, "holidays.csv")
        make(path)
        done = run("--table", "2024-02-04", "2024-02-04", env=env)
        check(done.returncode == 0 and done.stderr.decode().count("\n") == 1,
              f"{os.path.islink(path) and os.readlink(path)}: holiday file fault not told")
        os.rmdir(path) if os.path.isdir(path) and not os.path.islink(path) else os.remove(path)

    # Output that cannot be written is told in one line; a reader that has gone is not.
    with open("/dev/full", "wb") as full:
        done = subprocess.run([PROGRAM, "2024"], stdout=full, stderr=subprocess.PIPE, env=env,
                              timeout=60)
    check(done.returncode == 1 and done.stderr.decode().count("\n") == 1
          and "无法写出" in done.stderr.decode(), f"/dev/full: {done.returncode} {done.stderr}")
    done = subprocess.run([PROGRAM, "2024"], stderr=subprocess.PIPE, env=env, timeout=60,
                          preexec_fn=lambda: os.close(1))
    check(done.returncode == 1 and "无法写出" in done.stderr.decode(),
          f"closed output: {done.returncode} {done.stderr}")
    reader = subprocess.Popen([PROGRAM, "--table", "1901-01-01", "2050-12-31"],
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
    reader.stdout.read(100)
    reader.stdout.close()
    err = reader.stderr.read()
    reader.wait(timeout=60)
    check(reader.returncode in (-13, 141) and err == b"",
          f"closed pipe: {reader.returncode} {err}")

    done = run("--notes-ics", env=env)
    check(done.returncode == 1 and done.stdout == b"", "missing notes file")
    with open(os.path.join(folder, "Notes.xml"), "w", encoding="utf-8") as notes:
        notes.write('<?xml version="1.0" encoding="UTF-8"?><便签列表><Date2024-05-01>'
                    "<标题>开会</标题><日期>2024-05-01 14:00</日期><提醒>是</提醒>"
                    "<内容>三楼</内容><标题>买菜</标题><日期></日期><提醒>否</提醒>"
                    "<内容>西红柿</内容></Date2024-05-01></便签列表>")
    done = run("--notes-ics", env=env)
    check(done.returncode == 0, "--notes-ics failed")
    notes = icalendar.Calendar.from_ical(done.stdout).walk("VEVENT")
    check(len(notes) == 2, f"{len(notes)} note events")
    if len(notes) == 2:
        meeting, shopping = notes
        start = meeting["DTSTART"].dt
        check(start.utcoffset() == datetime.timedelta(hours=8) and start.hour == 14,
              f"meeting at {start}")
        check(len(meeting.walk("VALARM")) == 1, "meeting alarm")
        check(shopping["DTSTART"].dt == datetime.date(2024, 5, 1), "all-day note")

for failure in failures:
    print("FAILED:", failure)
print(f"{0 if failures else 1} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
