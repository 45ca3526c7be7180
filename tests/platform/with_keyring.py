#!/usr/bin/python3
"""Runs a command with a private session bus and an unlocked test keyring on it.

Usage: with_keyring.py COMMAND [ARG...]
The bus, the keyring daemon and their folders (a temporary HOME and XDG_RUNTIME_DIR, so no
keyring of the machine's user is touched) exist only while the command runs.
"""
import os
import subprocess
import sys
import tempfile
import time

with tempfile.TemporaryDirectory(prefix="ruxa-keyring-") as folder:
    runtime = os.path.join(folder, "run")
    os.makedirs(runtime, mode=0o700)
    env = dict(os.environ, HOME=folder, XDG_RUNTIME_DIR=runtime,
               XDG_DATA_HOME=os.path.join(folder, "data"),
               XDG_CONFIG_HOME=os.path.join(folder, "config"))
    env.pop("DISPLAY", None)
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                            "--address=unix:path=" + os.path.join(runtime, "bus")],
                           stdout=subprocess.PIPE, env=env, text=True)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    keyring = subprocess.Popen(["gnome-keyring-daemon", "--foreground", "--unlock",
                                "--components=secrets"],
                               stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, env=env)
    keyring.stdin.write(b"test-keyring-password")
    keyring.stdin.close()
    for _ in range(100):
        probe = subprocess.run(["dbus-send", "--session", "--print-reply",
                                "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                "org.freedesktop.DBus.NameHasOwner",
                                "string:org.freedesktop.secrets"],
                               env=env, capture_output=True, text=True)
        if "true" in probe.stdout:
            break
        time.sleep(0.1)
    try:
        status = subprocess.run(sys.argv[1:], env=env).returncode
    finally:
        keyring.terminate()
        keyring.wait()
        bus.terminate()
        bus.wait()
    sys.exit(status)
