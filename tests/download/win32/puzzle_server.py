#!/usr/bin/env python3
"""A puzzle server on 127.0.0.1 for the downloader's tests, which runs a
command while it serves and answers with the command's exit status.

  puzzle_server.py --root FOLDER -- COMMAND...

It serves the files under FOLDER (a file that is not there gives 404) and,
by the first part of the path, misbehaves on purpose:

  /html/...          200 with an HTML page instead of the file
  /cut/N/FILE        announces FILE's whole length but sends N bytes and closes
  /endless/FILE      FILE, then filler bytes for as long as the client reads
  /slow/FILE         FILE in pieces of 100 bytes with a pause after each
  /stall/...         takes the request and never answers
  /trickle/MS/FILE   FILE's headers, then one byte every MS milliseconds
  /redirect/N/FILE   N redirects in a row, then FILE
  /loop/N            redirects to /loop/N+1, for ever
  /https/FILE        redirects to FILE on https://

A path the tests cannot prefix (the manifest's) is made endless by a file
of its name plus ".endless" beside it.

The command finds the server in TRELUX_TEST_SERVER (host:port), the folder in
TRELUX_TEST_SERVER_ROOT, in TRELUX_TEST_CLOSED_PORT a port nothing
listens on, and in TRELUX_TEST_STALLED_PORT one whose queue is full, so that
a connection to it is never made. Python's standard library only.
"""
import argparse
import http.server
import os
import socket
import subprocess
import sys
import threading
import time


class Handler(http.server.BaseHTTPRequestHandler):
    root = "."

    def log_message(self, *args):
        pass

    def file_bytes(self, relative):
        path = os.path.realpath(os.path.join(self.root, relative.lstrip("/")))
        if not path.startswith(os.path.realpath(self.root) + os.sep) or not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def head(self, status, length=None, kind="application/octet-stream"):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        if length is not None:
            self.send_header("Content-Length", str(length))
        self.end_headers()

    def endless(self, body):
        self.head(200)
        self.wfile.write(body)
        filler = b"Q" * 65536
        for _ in range(4096):  # 256 MiB at most, should a client never stop
            self.wfile.write(filler)

    def redirect(self, location):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def misbehave(self, parts):
        """Answers a path that stalls, trickles or redirects; False for others."""
        if parts[0] == "stall":
            time.sleep(60)  # the client gives up long before
        elif parts[0] == "trickle":
            body = self.file_bytes("/".join(parts[2:])) or b""
            self.head(200, len(body))
            for byte in body:
                self.wfile.write(bytes([byte]))
                self.wfile.flush()
                time.sleep(int(parts[1]) / 1000)
        elif parts[0] == "redirect":
            left = int(parts[1])
            rest = "/".join(parts[2:])
            self.redirect("/redirect/%d/%s" % (left - 1, rest) if left > 1 else "/" + rest)
        elif parts[0] == "loop":
            self.redirect("/loop/%d" % (int(parts[1]) + 1))
        elif parts[0] == "https":
            self.redirect("https://%s/%s" % (self.headers["Host"], "/".join(parts[1:])))
        else:
            return False
        return True

    def do_GET(self):
        path = self.path.split("?", 1)[0]
        parts = path.lstrip("/").split("/")
        try:
            if self.misbehave(parts):
                return
            if parts[0] == "html":
                page = b"<!DOCTYPE html><html><body><h1>Welcome</h1></body></html>\n"
                self.head(200, len(page), "text/html")
                self.wfile.write(page)
                return
            if parts[0] == "cut":
                body = self.file_bytes("/".join(parts[2:]))
                if body is None:
                    return self.head(404, 0)
                self.head(200, len(body))
                self.wfile.write(body[: int(parts[1])])
                return
            if parts[0] == "endless":
                body = self.file_bytes("/".join(parts[1:]))
                if body is None:
                    return self.head(404, 0)
                return self.endless(body)
            if parts[0] == "slow":
                body = self.file_bytes("/".join(parts[1:]))
                if body is None:
                    return self.head(404, 0)
                self.head(200, len(body))
                for at in range(0, len(body), 100):
                    self.wfile.write(body[at : at + 100])
                    self.wfile.flush()
                    time.sleep(0.005)
                return
            body = self.file_bytes(path)
            if body is None:
                return self.head(404, 0)
            if self.file_bytes(path + ".endless") is not None:
                return self.endless(body)
            self.head(200, len(body))
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client stopped reading, as it should for an endless body


def closed_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def stalled_port():
    """A listening socket that never accepts, its queue filled at once: the
    system drops further connection requests, so connecting hangs."""
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(0)
    port = listener.getsockname()[1]
    fillers = []
    for _ in range(3):
        filler = socket.socket()
        filler.setblocking(False)
        try:
            filler.connect(("127.0.0.1", port))
        except BlockingIOError:
            pass
        fillers.append(filler)
    return port, [listener] + fillers


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()
    os.makedirs(args.root, exist_ok=True)
    Handler.root = os.path.realpath(args.root)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    env = dict(os.environ)
    env["TRELUX_TEST_SERVER"] = "127.0.0.1:%d" % server.server_address[1]
    env["TRELUX_TEST_SERVER_ROOT"] = Handler.root
    env["TRELUX_TEST_CLOSED_PORT"] = str(closed_port())
    port, stalled = stalled_port()
    env["TRELUX_TEST_STALLED_PORT"] = str(port)
    try:
        status = subprocess.call(args.command, env=env)
    finally:
        server.shutdown()
    sys.exit(status)


if __name__ == "__main__":
    main()
