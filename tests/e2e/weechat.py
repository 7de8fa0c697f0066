"""weechat-headless as a requester: a real IRC client without a terminal,
told what to do through its FIFO, receiving files by DCC with auto-accept."""
import glob
import os
import subprocess
import time

from processes import stop_process


class Weechat:
    def __init__(self, folder, port, nick="wee", channel="#files"):
        self.home = os.path.join(folder, "weechat")
        self.downloads = os.path.join(folder, "weechat-downloads")
        os.makedirs(self.home, exist_ok=True)
        os.makedirs(self.downloads, exist_ok=True)
        setup = ";".join([
            "/set xfer.file.auto_accept_files on",
            "/set xfer.file.download_path " + self.downloads,
            "/set xfer.file.auto_rename off",
            "/set xfer.file.use_nick_in_filename off",
            "/set irc.server_default.nicks " + nick,
            "/set irc.server_default.autojoin " + channel,
            "/server add local 127.0.0.1/%d" % port,
            "/set irc.server.local.autoconnect on",
            "/connect local",
        ])
        self.log = open(os.path.join(folder, "weechat.out"), "w")
        self.process = subprocess.Popen(["weechat-headless", "--dir", self.home, "--run-command", setup],
                                        stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT)
        self.channel = channel

    def fifo(self, deadline=20):
        end = time.monotonic() + deadline
        while time.monotonic() < end:
            found = glob.glob(os.path.join(self.home, "weechat_fifo*"))
            if found:
                return found[0]
            time.sleep(0.2)
        raise RuntimeError("weechat never opened its FIFO")

    def say(self, text):
        with open(self.fifo(), "w") as pipe:
            pipe.write("irc.local.%s *%s\n" % (self.channel, text))

    def wait_for_file(self, name, size, deadline):
        path = os.path.join(self.downloads, name)
        end = time.monotonic() + deadline
        while time.monotonic() < end:
            if os.path.exists(path) and os.path.getsize(path) == size:
                time.sleep(0.3)  # let the client finish its own bookkeeping
                return path
            time.sleep(0.2)
        raise RuntimeError("weechat did not receive %s (%d bytes) within %ds" % (name, size, deadline))

    def stop(self):
        stop_process(self.process)
        self.log.close()
