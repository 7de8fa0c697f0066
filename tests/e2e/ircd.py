"""The IRC server of the end-to-end tests: Debian's ngircd with a
configuration of its own, on 127.0.0.1 only, at a free port, started and
stopped by process id."""
import os
import socket
import subprocess
import time

from processes import stop_process

CONFIG = """[Global]
Name = irc.qvs.test
Info = QVS end-to-end server
Network = QVSNet
Listen = 127.0.0.1
Ports = {port}
MotdPhrase = QVS end-to-end tests
[Limits]
MaxConnectionsIP = 0
MaxJoins = 0
MaxNickLength = 30
PingTimeout = 600
PongTimeout = 60
MaxPenaltyTime = {penalty}
[Operator]
Name = tester
Password = tester
[Options]
OperCanUseMode = yes
PAM = no
Ident = no
DNS = no
"""


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Ircd:
    """penalty: ngircd's MaxPenaltyTime; -1 keeps the server's own flood
    throttling, 0 switches it off (the load run measures the module, not
    the server)."""

    def __init__(self, folder, penalty=-1):
        self.folder = folder
        self.port = free_port()
        self.config = os.path.join(folder, "ngircd.conf")
        with open(self.config, "w") as out:
            out.write(CONFIG.format(port=self.port, folder=folder, penalty=penalty))
        self.log = open(os.path.join(folder, "ngircd.log"), "w")
        self.process = None

    def start(self, deadline=15):
        self.process = subprocess.Popen(["/usr/sbin/ngircd", "--nodaemon", "--config", self.config],
                                        stdout=self.log, stderr=subprocess.STDOUT)
        end = time.monotonic() + deadline
        while time.monotonic() < end:
            if self.process.poll() is not None:
                raise RuntimeError("ngircd ended at start, see " + self.log.name)
            try:
                socket.create_connection(("127.0.0.1", self.port), timeout=1).close()
                return
            except OSError:
                time.sleep(0.1)
        raise RuntimeError("ngircd never listened on port %d" % self.port)

    def stop(self):
        stop_process(self.process)
        self.log.close()
