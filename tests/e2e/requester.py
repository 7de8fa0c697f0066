"""A requester written with Python's standard library: an IRC client that
types triggers, reads the answers, and receives DCC SEND offers the way a
user's client does, or declines, delays or drops them on purpose."""
import hashlib
import os
import re
import socket
import struct
import threading
import time

FORMATTING = re.compile(r"\x03(\d{1,2}(,\d{1,2})?)?|[\x02\x0f\x16\x1f]")
OFFER = re.compile(r'^DCC SEND (?:"([^"]*)"|(\S+)) (\d+) (\d+) (\d+)')


def plain(text):
    return FORMATTING.sub("", text)


class Deadline(Exception):
    pass


class Download:
    def __init__(self, name, size):
        self.name, self.size = name, size
        self.received = 0
        self.sha256 = None
        self.done = False  # every byte arrived
        self.ended = False  # the transfer is over, complete or not
        self.started = self.finished = None


class Requester:
    """accept(name, size) tells what to do with an offer: ("accept",), ("ignore",),
    ("drop", n) to close the transfer after n bytes, or ("hold", event) to
    connect but read nothing until the event is set."""

    def __init__(self, port, nick, folder, channel="#files", accept=None):
        self.port, self.nick, self.folder, self.channel = port, nick, folder, channel
        self.accept = accept or (lambda name, size: ("accept",))
        self.lock = threading.Condition()
        self.heard = []  # (kind, sender, plain text)
        self.offers = []
        self.downloads = []
        self.counted = {}  # pattern -> answers heard that match it
        self.keep = True
        self.registered = self.joined = False
        self.closed = False
        os.makedirs(folder, exist_ok=True)

    # ------------------------------------------------------------ IRC

    def connect(self, deadline=20):
        self.sock = socket.create_connection(("127.0.0.1", self.port), timeout=deadline)
        self.sock.settimeout(None)
        self.sending = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()
        self.raw("NICK " + self.nick)
        self.raw("USER req 0 * :e2e requester")
        self.wait(lambda: self.registered, deadline, "registration of " + self.nick)
        self.raw("JOIN " + self.channel)
        self.wait(lambda: self.joined, deadline, self.nick + " joining " + self.channel)

    def raw(self, line):
        with self.sending:
            self.sock.sendall(line.encode("utf-8") + b"\r\n")

    def say(self, text):
        self.raw("PRIVMSG %s :%s" % (self.channel, text))

    def tell(self, nick, text):
        self.raw("PRIVMSG %s :%s" % (nick, text))

    def change_nick(self, nick, deadline=10):
        self.raw("NICK " + nick)
        self.wait(lambda: self.nick == nick, deadline, "nick change to " + nick)

    def quit(self):
        try:
            self.raw("QUIT :done")
            self.sock.close()
        except OSError:
            pass

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = self.sock.recv(65536)
            except OSError:
                chunk = b""
            if not chunk:
                with self.lock:
                    self.closed = True
                    self.lock.notify_all()
                return
            pending += chunk
            *lines, pending = pending.split(b"\n")
            for line in lines:
                self._on_line(line.rstrip(b"\r").decode("utf-8", "replace"))

    def _on_line(self, line):
        prefix, _, rest = line[1:].partition(" ") if line.startswith(":") else ("", "", line)
        sender = prefix.split("!")[0]
        command, _, params = rest.partition(" ")
        target, _, text = params.partition(" :")
        if command == "PING":
            return self.raw("PONG " + params)
        with self.lock:
            if command == "001":
                self.registered = True
            elif command == "366":
                self.joined = True
            elif command == "NICK" and sender == self.nick:
                self.nick = params.lstrip(":")
            elif command in ("NOTICE", "PRIVMSG") and text.startswith("\x01"):
                self._on_ctcp(sender, text.strip("\x01"))
            elif command in ("NOTICE", "PRIVMSG"):
                self._hear(command, sender, plain(text))
            self.lock.notify_all()

    def _hear(self, command, sender, text):
        if self.keep:
            self.heard.append((command, sender, text))
        for pattern in self.counted:
            if re.search(pattern, text):
                self.counted[pattern] += 1

    def count(self, *patterns):
        """From now on, answers matching these are counted (and, in a long
        run, no longer kept one by one)."""
        with self.lock:
            self.keep = False
            for pattern in patterns:
                self.counted.setdefault(pattern, 0)

    # ------------------------------------------------------------ waiting

    def wait(self, done, deadline, what):
        end = time.monotonic() + deadline
        with self.lock:
            while not done():
                left = end - time.monotonic()
                if left <= 0:
                    raise Deadline("waited %ds for %s" % (deadline, what))
                self.lock.wait(min(left, 0.5))

    def expect(self, pattern, deadline=20, since=0):
        """The first notice or message after index since whose plain text
        matches; returns (index, match)."""
        found = []

        def match():
            for i in range(since, len(self.heard)):
                m = re.search(pattern, self.heard[i][2])
                if m:
                    found.append((i, m))
                    return True
            return False

        self.wait(match, deadline, "an answer matching %r to %s" % (pattern, self.nick))
        return found[0]

    def mark(self):
        with self.lock:
            return len(self.heard)

    # ------------------------------------------------------------ DCC

    def _on_ctcp(self, sender, body):
        m = OFFER.match(body)
        if not m:
            return
        name = m.group(1) if m.group(1) is not None else m.group(2)
        ip, port, size = int(m.group(3)), int(m.group(4)), int(m.group(5))
        self.offers.append((sender, name, size))
        decision = self.accept(name, size)
        if decision[0] == "ignore":
            return
        download = Download(name, size)
        self.downloads.append(download)
        drop = decision[1] if decision[0] == "drop" else None
        hold = decision[1] if decision[0] == "hold" else None
        address = socket.inet_ntoa(struct.pack("!I", ip))
        threading.Thread(target=self._receive, args=(download, address, port, drop, hold), daemon=True).start()

    def _receive(self, download, address, port, drop, hold):
        digest = hashlib.sha256()
        download.started = time.monotonic()
        try:
            with socket.create_connection((address, port), timeout=60) as peer, \
                    open(os.path.join(self.folder, download.name), "wb") as out:
                if hold:
                    hold.wait(120)
                while download.received < download.size:
                    want = 65536 if drop is None else min(65536, drop - download.received)
                    chunk = peer.recv(want)
                    if not chunk:
                        break
                    out.write(chunk)
                    digest.update(chunk)
                    download.received += len(chunk)
                    if drop is not None and download.received >= drop:
                        break
                    peer.sendall(struct.pack("!I", download.received & 0xFFFFFFFF))
        except OSError:
            pass
        with self.lock:
            download.finished = time.monotonic()
            download.done = download.received == download.size
            download.sha256 = digest.hexdigest()
            download.ended = True
            self.lock.notify_all()

    def downloaded(self, name, deadline=60, count=1):
        """Waits until count transfers of that name are over; the last one."""
        def over():
            return sum(1 for d in self.downloads if d.name == name and d.ended) >= count

        self.wait(over, deadline, "%s to receive %s" % (self.nick, name))
        return [d for d in self.downloads if d.name == name and d.ended][count - 1]


def sha256_of(path):
    digest = hashlib.sha256()
    with open(path, "rb") as source:
        for chunk in iter(lambda: source.read(1 << 20), b""):
            digest.update(chunk)
    return digest.hexdigest()
