"""The live host: hostsim.exe in its live mode under Wine, with the module
and the real event relay in a scratch folder of their own, started and
stopped by process id. Its transcript is read as it is written."""
import os
import re
import shutil
import subprocess
import threading
import time

from processes import stop_process


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


class LiveHost:
    def __init__(self, loader, build, folder, fixtures, port, nick="QVS", channels="#files",
                 listgen=("Files",), extra=()):
        os.makedirs(folder, exist_ok=True)
        for name in ("qvs.dll", "qvsrelay.dll"):
            shutil.copy(os.path.join(build, name), folder)
        shutil.copytree(fixtures, os.path.join(folder, "QVS"), dirs_exist_ok=True)
        self.folder, self.nick = folder, nick
        self.command = [loader, os.path.join(build, "hostsim.exe"), windows_path(os.path.join(folder, "qvs.dll")),
                        "live", windows_path(os.path.join(folder, "qvsrelay.dll")), "127.0.0.1", str(port), nick,
                        channels]
        for name in listgen:
            self.command += ["--listgen", name]
        self.command += list(extra)
        self.lines = []
        self.lock = threading.Condition()
        self.log = open(os.path.join(folder, "..", os.path.basename(folder) + ".log"), "w")

    def start(self, deadline=90, on_started=lambda pid: None):
        self.process = subprocess.Popen(self.command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT)
        on_started(self.process.pid)
        threading.Thread(target=self._read, daemon=True).start()
        self.expect(r"^joined #files$", deadline)

    def _read(self):
        for raw in self.process.stdout:
            line = raw.decode("utf-8", "replace").rstrip("\r\n")
            self.log.write(line + "\n")
            self.log.flush()
            with self.lock:
                self.lines.append(line)
                self.lock.notify_all()
        with self.lock:
            self.lines.append("<ended>")
            self.lock.notify_all()

    def control(self, line):
        self.process.stdin.write(line.encode() + b"\n")
        self.process.stdin.flush()

    def mark(self):
        with self.lock:
            return len(self.lines)

    def expect(self, pattern, deadline=20, since=0):
        end = time.monotonic() + deadline
        with self.lock:
            while True:
                for i in range(since, len(self.lines)):
                    m = re.search(pattern, self.lines[i])
                    if m:
                        return i, m
                if "<ended>" in self.lines[since:]:
                    raise RuntimeError("the live host ended while waiting for %r" % pattern)
                left = end - time.monotonic()
                if left <= 0:
                    raise RuntimeError("waited %ds for the live host to print %r" % (deadline, pattern))
                self.lock.wait(min(left, 0.5))

    def count(self, pattern, since=0):
        with self.lock:
            return sum(1 for line in self.lines[since:] if re.search(pattern, line))

    def memory(self, deadline=10):
        since = self.mark()
        self.control("memory")
        _, m = self.expect(r"^memory: committed (\d+) working (\d+)", deadline, since)
        return int(m.group(1)), int(m.group(2))

    def stop(self, deadline=30):
        stop_process(getattr(self, "process", None), lambda: self.control("quit"), deadline)
        self.log.close()
