#!/usr/bin/env python3
"""Fixture web services for the tests: HTTP and HTTPS on loopback.

Answers come from canned files tests/fixtures/<host>/<name>.http, chosen by
the Host header (without its port) and the request target. Every request is
recorded; the recording is read back through GET /__fixture/requests on the
HTTP port.

  fixture_server.py start --state FILE --root DIR --work DIR
  fixture_server.py stop --state FILE
  fixture_server.py serve --state FILE --root DIR --work DIR

"start" runs "serve" in the background and returns once the state file
exists; "stop" ends the server named in the state file.

A canned answer: header lines, a line "---", then the body bytes exactly as
they stand up to the end of the file.

  match: /s.php?site=example.com   request target exactly as on the wire
  match-prefix: /s.php?            alternative; the longest prefix wins
  method: GET                      optional
  status: 302 Found                default "200 OK"
  header: Location: /next          repeatable, sent in order
  no-content-length: true          no Content-Length; the close ends the body
  delay-ms: 1500                   wait before answering
  truncate-body: 100               announce the full length, close after 100
  reset: true                      reset the connection without answering
  body-repeat: 4096                the body this many times
  body-file: page.html             the body from another file of the folder
  # comment

A request no file matches gets "404 Not Found" with a small body.
"""

import argparse
import json
import os
import signal
import socket
import socketserver
import ssl
import struct
import subprocess
import sys
import threading
import time
import urllib.parse

CONTROL_PREFIX = "/__fixture/"
MAX_HEADER_BYTES = 256 * 1024
MAX_BODY_BYTES = 64 * 1024 * 1024


def pct(data):
    """Percent-encodes everything but unreserved bytes, so a field never holds
    a blank, a colon or a line break."""
    if isinstance(data, str):
        data = data.encode("latin-1")
    return urllib.parse.quote_from_bytes(data, safe="-._~")


class Canned:
    def __init__(self, path):
        self.path = path
        self.match = None
        self.match_prefix = None
        self.method = None
        self.status = "200 OK"
        self.headers = []
        self.content_length = True
        self.delay_ms = 0
        self.truncate_body = None
        self.reset = False
        self.body_repeat = 1
        self.body = b""
        self._parse()

    def _parse(self):
        with open(self.path, "rb") as f:
            data = f.read()
        body_file = None
        pos = 0
        while True:
            end = data.find(b"\n", pos)
            if end < 0:
                raise ValueError("%s: no '---' line" % self.path)
            line = data[pos:end].rstrip(b"\r").decode("utf-8")
            pos = end + 1
            if line == "---":
                break
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            key, sep, value = line.partition(":")
            if not sep:
                raise ValueError("%s: bad line %r" % (self.path, line))
            key = key.strip().lower()
            value = value.strip()
            if key == "match":
                self.match = value
            elif key == "match-prefix":
                self.match_prefix = value
            elif key == "method":
                self.method = value
            elif key == "status":
                self.status = value
            elif key == "header":
                self.headers.append(value)
            elif key == "no-content-length":
                self.content_length = value.lower() != "true"
            elif key == "delay-ms":
                self.delay_ms = int(value)
            elif key == "truncate-body":
                self.truncate_body = int(value)
            elif key == "reset":
                self.reset = value.lower() == "true"
            elif key == "body-repeat":
                self.body_repeat = int(value)
            elif key == "body-file":
                body_file = value
            else:
                raise ValueError("%s: unknown key %r" % (self.path, key))
        if self.match is None and self.match_prefix is None:
            raise ValueError("%s: needs match or match-prefix" % self.path)
        if body_file is not None:
            name = os.path.basename(body_file)
            with open(os.path.join(os.path.dirname(self.path), name), "rb") as f:
                self.body = f.read()
        else:
            self.body = data[pos:]
        self.body = self.body * max(self.body_repeat, 0)


class Catalogue:
    """Canned answers per host folder, re-read when a file changes."""

    def __init__(self, root):
        self.root = root
        self.lock = threading.Lock()
        self.cache = {}  # host -> (signature, [Canned])

    def _load(self, host):
        folder = os.path.join(self.root, host)
        if not host or host.startswith(".") or "/" in host or "\\" in host or not os.path.isdir(folder):
            return []
        names = sorted(n for n in os.listdir(folder) if n.endswith(".http"))
        signature = tuple((n, os.stat(os.path.join(folder, n)).st_mtime_ns) for n in names)
        with self.lock:
            cached = self.cache.get(host)
            if cached and cached[0] == signature:
                return cached[1]
        entries = []
        for n in names:
            try:
                entries.append(Canned(os.path.join(folder, n)))
            except (ValueError, OSError) as e:
                sys.stderr.write("fixture: %s\n" % e)
        with self.lock:
            self.cache[host] = (signature, entries)
        return entries

    def find(self, host, method, target):
        entries = self._load(host)
        candidates = [e for e in entries if e.method is None or e.method == method]
        for e in candidates:
            if e.match is not None and e.match == target:
                return e
        best = None
        for e in candidates:
            if e.match_prefix is not None and target.startswith(e.match_prefix):
                if best is None or len(e.match_prefix) > len(best.match_prefix):
                    best = e
        return best


class State:
    def __init__(self, root):
        self.catalogue = Catalogue(root)
        self.lock = threading.Lock()
        self.records = []
        self.delay_ms = 0


class ConnectionClosed(Exception):
    pass


class Handler(socketserver.BaseRequestHandler):
    scheme = "http"

    def setup(self):
        self.request.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.request.settimeout(60)
        self.buffer = b""

    def _recv_more(self):
        chunk = self.request.recv(65536)
        if not chunk:
            raise ConnectionClosed()
        self.buffer += chunk

    def _read_line(self):
        while b"\n" not in self.buffer:
            if len(self.buffer) > MAX_HEADER_BYTES:
                raise ConnectionClosed()
            self._recv_more()
        line, _, self.buffer = self.buffer.partition(b"\n")
        return line.rstrip(b"\r")

    def _read_exact(self, count):
        while len(self.buffer) < count:
            self._recv_more()
        data, self.buffer = self.buffer[:count], self.buffer[count:]
        return data

    def _read_body(self, headers):
        lower = {k.lower(): v for k, v in headers}
        if "chunked" in lower.get("transfer-encoding", "").lower():
            body = b""
            while True:
                size = int(self._read_line().split(b";")[0].strip() or b"0", 16)
                if size == 0:
                    while self._read_line():
                        pass
                    return body
                body += self._read_exact(size)
                self._read_line()
                if len(body) > MAX_BODY_BYTES:
                    raise ConnectionClosed()
        length = int(lower.get("content-length", "0") or "0")
        if length < 0 or length > MAX_BODY_BYTES:
            raise ConnectionClosed()
        return self._read_exact(length)

    def handle(self):
        try:
            self._wrap()
            while self._one_request():
                pass
        except (ConnectionClosed, ConnectionError, socket.timeout, ssl.SSLError, OSError, ValueError):
            pass

    def _wrap(self):
        pass

    def _one_request(self):
        request_line = self._read_line()
        while request_line == b"":
            request_line = self._read_line()
        headers = []
        while True:
            line = self._read_line()
            if line == b"":
                break
            name, _, value = line.partition(b":")
            headers.append((name.decode("latin-1"), value.strip().decode("latin-1")))
        body = self._read_body(headers)
        text = request_line.decode("latin-1")
        first = text.find(" ")
        last = text.rfind(" ")
        method = text[:first] if first > 0 else text
        target = text[first + 1:last] if 0 < first < last else text[first + 1:] if first > 0 else ""
        version = text[last + 1:] if 0 < first < last else "HTTP/1.0"
        lower = {k.lower(): v for k, v in headers}
        host = lower.get("host", "")
        if host.startswith("["):
            host = host[: host.find("]") + 1]
        else:
            host = host.rsplit(":", 1)[0] if ":" in host else host
        host = host.lower()
        connection = lower.get("connection", "").lower()
        keep_alive = (version == "HTTP/1.1" and "close" not in connection) or (
            version == "HTTP/1.0" and "keep-alive" in connection)

        if self.scheme == "http" and target.startswith(CONTROL_PREFIX):
            return self._control(target, keep_alive)

        record = (self.scheme, host, method, target, text, headers, body)
        with self.server.state.lock:
            self.server.state.records.append(record)
            global_delay = self.server.state.delay_ms

        # A request through a proxy names the whole address; the answer is
        # chosen by its path as for any other.
        match_target = target
        lowered = target.lower()
        if lowered.startswith("http://") or lowered.startswith("https://"):
            rest = target.split("://", 1)[1]
            slash = rest.find("/")
            match_target = rest[slash:] if slash >= 0 else "/"
        canned = self.server.state.catalogue.find(host, method, match_target)
        if global_delay:
            time.sleep(global_delay / 1000.0)
        if canned is None:
            body = b"<html><body>no fixture for this address</body></html>\n"
            self._send(b"HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: %d\r\n%s\r\n" % (
                len(body), b"" if keep_alive else b"Connection: close\r\n") + (b"" if method == "HEAD" else body))
            return keep_alive
        if canned.delay_ms:
            time.sleep(canned.delay_ms / 1000.0)
        if canned.reset:
            self._reset()
            return False
        head = [("HTTP/1.1 " + canned.status).encode("latin-1")]
        head += [h.encode("utf-8") for h in canned.headers]
        if canned.content_length:
            head.append(b"Content-Length: %d" % len(canned.body))
        else:
            keep_alive = False
        if not keep_alive:
            head.append(b"Connection: close")
        payload = b"\r\n".join(head) + b"\r\n\r\n"
        if method != "HEAD":
            body_out = canned.body
            if canned.truncate_body is not None:
                body_out = body_out[: canned.truncate_body]
                keep_alive = False
            payload += body_out
        self._send(payload)
        if canned.truncate_body is not None:
            self._close_now()
        return keep_alive

    def _control(self, target, keep_alive):
        path, _, query = target.partition("?")
        params = urllib.parse.parse_qs(query)
        if path == CONTROL_PREFIX + "requests":
            with self.server.state.lock:
                records = list(self.server.state.records)
            lines = []
            for scheme, host, method, req_target, line, headers, body in records:
                fields = [pct(scheme), pct(host), pct(method), pct(req_target), pct(line), pct(body)]
                fields += ["%s:%s" % (pct(n), pct(v)) for n, v in headers]
                lines.append(" ".join(fields))
            body = ("".join(l + "\n" for l in lines)).encode("ascii")
        elif path == CONTROL_PREFIX + "delay":
            with self.server.state.lock:
                self.server.state.delay_ms = int(params.get("ms", ["0"])[0])
            body = b"ok\n"
        else:
            body = b"unknown control\n"
        self._send(b"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: %d\r\n%s\r\n" % (
            len(body), b"" if keep_alive else b"Connection: close\r\n") + body)
        return keep_alive

    def _send(self, data):
        self.request.sendall(data)

    def _reset(self):
        # SO_LINGER with a zero time-out turns close() into a TCP reset.
        self.request.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.request.close()

    def _close_now(self):
        try:
            self.request.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self.request.close()

    def finish(self):
        # The TLS wrapper is a socket of its own: close it here, or a client
        # waiting for the end of a close-delimited answer waits for ever.
        try:
            self.request.shutdown(socket.SHUT_WR)
        except OSError:
            pass
        self.request.close()


class TlsHandler(Handler):
    scheme = "https"

    def _wrap(self):
        # The handshake runs on the connection's own thread, so a slow or
        # broken client never holds up the accept loop.
        self.request = self.server.tls.wrap_socket(self.request, server_side=True)


class Server(socketserver.ThreadingMixIn, socketserver.TCPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 128


def make_certificate(work):
    os.makedirs(work, exist_ok=True)
    cert = os.path.join(work, "fixture-cert.pem")
    key = os.path.join(work, "fixture-key.pem")
    subprocess.run(
        ["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-sha256", "-days", "30",
         "-subj", "/CN=fixture.test", "-keyout", key, "-out", cert],
        check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


def serve(args):
    state = State(os.path.abspath(args.root))
    cert, key = make_certificate(args.work)
    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(cert, key)
    http = Server(("127.0.0.1", 0), Handler)
    https = Server(("127.0.0.1", 0), TlsHandler)
    for s in (http, https):
        s.state = state
        s.tls = tls
    for s in (http, https):
        threading.Thread(target=s.serve_forever, daemon=True).start()
    info = {"http_port": http.server_address[1], "https_port": https.server_address[1], "pid": os.getpid()}
    temporary = args.state + ".tmp"
    with open(temporary, "w") as f:
        json.dump(info, f)
    os.replace(temporary, args.state)

    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    signal.signal(signal.SIGINT, lambda *_: stop.set())
    while not stop.wait(0.1):
        pass
    try:
        with open(args.state) as f:
            if json.load(f).get("pid") == os.getpid():
                os.remove(args.state)
    except (OSError, ValueError):
        pass


def server_pid(state_path):
    """The pid in the state file when that process is still our server."""
    try:
        with open(state_path) as f:
            pid = int(json.load(f)["pid"])
        with open("/proc/%d/cmdline" % pid, "rb") as f:
            cmdline = f.read()
    except (OSError, ValueError, KeyError):
        return None
    if b"fixture_server.py" in cmdline and os.path.abspath(state_path).encode() in cmdline:
        return pid
    return None


def process_alive(pid):
    """False once the process has ended, also while it waits as a zombie
    for a parent that is not us."""
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except (OSError, IndexError):
        return False


def stop(args):
    pid = server_pid(args.state)
    if pid is not None:
        os.kill(pid, signal.SIGTERM)
        for _ in range(100):
            if not process_alive(pid):
                break
            time.sleep(0.05)
    try:
        os.remove(args.state)
    except OSError:
        pass
    return 0


def start(args):
    state = os.path.abspath(args.state)
    os.makedirs(os.path.dirname(state), exist_ok=True)
    # A server left behind by an interrupted run would answer with old ports.
    stop(args)
    log = open(os.path.join(os.path.dirname(state), "fixture-server.log"), "ab")
    subprocess.Popen(
        [sys.executable, os.path.abspath(__file__), "serve", "--state", state,
         "--root", os.path.abspath(args.root), "--work", os.path.abspath(args.work)],
        stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True, close_fds=True)
    deadline = time.time() + 30
    while time.time() < deadline:
        if os.path.exists(state):
            with open(state) as f:
                print("fixture services:", f.read())
            return 0
        time.sleep(0.05)
    sys.stderr.write("fixture services did not start; see %s\n" % log.name)
    return 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("command", choices=["start", "stop", "serve"])
    parser.add_argument("--state", required=True)
    parser.add_argument("--root", default=os.path.join(os.path.dirname(__file__), "..", "fixtures"))
    parser.add_argument("--work", default=None)
    args = parser.parse_args()
    if args.work is None:
        args.work = os.path.dirname(os.path.abspath(args.state))
    if args.command == "serve":
        serve(args)
        return 0
    return start(args) if args.command == "start" else stop(args)


if __name__ == "__main__":
    sys.exit(main())
