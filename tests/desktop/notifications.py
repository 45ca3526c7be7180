"""A private session bus with a notification service of the suite's own on it: it records
every notification it is sent and invokes their actions on request, as a desktop's
notification daemon would when the user clicks one."""

import os
import queue
import subprocess
import threading
import time

from jeepney import DBusAddress, MessageType, new_error, new_method_return, new_signal
from jeepney.bus_messages import message_bus
from jeepney.io.blocking import open_dbus_connection
from jeepney.low_level import HeaderFields

SERVICE = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"

BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=%s</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


class Notifications:
    """Starts the bus daemon in folder and owns the service name on it; address is what a
    program's DBUS_SESSION_BUS_ADDRESS should be."""

    def __init__(self, folder):
        socket_path = os.path.join(folder, "session-bus")
        config = os.path.join(folder, "session-bus.conf")
        with open(config, "w") as file:
            file.write(BUS_CONFIG % socket_path)
        self.address = "unix:path=" + socket_path
        self.daemon = subprocess.Popen(["dbus-daemon", "--nofork", "--config-file=" + config],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.received = []
        self._lock = threading.Lock()
        self._signals = queue.Queue()
        self._running = True
        self._connection = None
        for _ in range(100):
            try:
                self._connection = open_dbus_connection(bus=self.address)
                break
            except OSError:
                time.sleep(0.05)
        assert self._connection, "the private session bus did not start"
        reply = self._connection.send_and_get_reply(message_bus.RequestName(SERVICE))
        assert reply.body[0] == 1, "the notification service name is taken"
        self._thread = threading.Thread(target=self._serve, daemon=True)
        self._thread.start()

    def notifications(self):
        with self._lock:
            return list(self.received)

    def invoke_action(self, notification_id, action):
        self._signals.put((notification_id, action))

    def close(self):
        self._running = False
        self._thread.join(timeout=5)
        self._connection.close()
        self.daemon.terminate()
        self.daemon.wait(timeout=5)

    def _serve(self):
        emitter = DBusAddress(PATH, interface=SERVICE)
        while self._running:
            while not self._signals.empty():
                notification_id, action = self._signals.get()
                self._connection.send(new_signal(emitter, "ActionInvoked", "us",
                                                 (notification_id, action)))
            try:
                message = self._connection.receive(timeout=0.05)
            except TimeoutError:
                continue
            if message.header.message_type == MessageType.method_call:
                self._connection.send(self._answer(message))

    def _answer(self, message):
        member = message.header.fields.get(HeaderFields.member)
        if member == "GetCapabilities":
            return new_method_return(message, "as", (["actions", "body"],))
        if member == "GetServerInformation":
            return new_method_return(message, "ssss", ("suite", "ruxa", "1", "1.2"))
        if member == "Notify":
            app, _, icon, summary, body, actions, hints, _ = message.body
            with self._lock:
                notification_id = len(self.received) + 1
                self.received.append({"id": notification_id, "summary": summary, "body": body,
                                      "actions": list(actions)})
            return new_method_return(message, "u", (notification_id,))
        if member == "CloseNotification":
            return new_method_return(message)
        return new_error(message, "org.freedesktop.DBus.Error.UnknownMethod", "s",
                         ("no method " + str(member),))
