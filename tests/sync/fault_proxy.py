#!/usr/bin/python3
"""A loopback proxy in front of the tests' CalDAV server that misbehaves on purpose.

Usage: fault_proxy.py SERVER_PORT SEED FAULT_SHARE CALM_FILE
Prints the port it listens on, then serves until killed; once CALM_FILE exists it only passes
requests on. Each request, with the chance
FAULT_SHARE, meets one fault: the connection dropped before the request reaches the server,
the connection dropped after the server did the request (so the answer is lost), an answer
delayed by up to a second and a half, a 500 instead of an answer, or a 412 to a write.
"""
import http.client
import os
import http.server
import random
import sys
import threading
import time

SERVER_PORT = int(sys.argv[1])
RANDOM = random.Random(int(sys.argv[2]))
FAULT_SHARE = float(sys.argv[3])
CALM_FILE = sys.argv[4]
LOCK = threading.Lock()


def choose(method):
    with LOCK:
        if os.path.exists(CALM_FILE) or RANDOM.random() >= FAULT_SHARE:
            return "pass"
        faults = ["drop-before", "drop-after", "delay", "500"]
        if method in ("PUT", "DELETE"):
            faults.append("412")
        return RANDOM.choice(faults)


class Proxy(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def handle_one_request(self):
        try:
            super().handle_one_request()
        except ConnectionError:
            self.close_connection = True

    def forward(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else None
        fault = choose(self.command)
        if fault == "drop-before":
            self.close_connection = True
            return
        if fault in ("500", "412"):
            code = int(fault)
            self.send_response(code)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        if fault == "delay":
            time.sleep(RANDOM.uniform(0.2, 1.5))
        headers = {k: v for k, v in self.headers.items()
                   if k.lower() not in ("host", "connection", "content-length")}
        upstream = http.client.HTTPConnection("127.0.0.1", SERVER_PORT, timeout=30)
        upstream.request(self.command, self.path, body=body, headers=headers)
        answer = upstream.getresponse()
        data = answer.read()
        upstream.close()
        if fault == "drop-after":
            self.close_connection = True
            return
        self.send_response(answer.status, answer.reason)
        for name, value in answer.getheaders():
            if name.lower() not in ("transfer-encoding", "connection", "content-length",
                                    "date", "server"):
                self.send_header(name, value)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = do_MKCALENDAR = forward
    do_OPTIONS = do_HEAD = forward


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Proxy)
print(server.server_address[1], flush=True)
server.serve_forever()
