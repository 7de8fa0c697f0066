"""End-to-end scenarios: a real IRC server, the live host (the module in
hostsim's live mode under Wine, through the real event relay), a real IRC
client and scripted requesters. Every wait has a deadline; everything
started is stopped by process id, also on failure. Prints one line a
scenario and "N passed, M failed".

usage: e2e.py LOADER BUILD FIXTURES WINEPREFIX [--pids FILE] [--only NAME...] [--keep FOLDER]"""
import argparse
import glob
import os
import re
import signal
import sys
import tempfile
import threading
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import served  # noqa: E402
from ircd import Ircd  # noqa: E402
from livehost import LiveHost  # noqa: E402
from load import run_load  # noqa: E402
from requester import Requester, sha256_of  # noqa: E402
from weechat import Weechat  # noqa: E402

SCENARIOS = []


def scenario(function):
    SCENARIOS.append(function)
    return function


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


class World:
    def __init__(self, args, scratch):
        self.args, self.scratch = args, scratch
        self.served = os.path.join(args.wineprefix, "drive_c", "qvs-e2e")
        self.sizes = served.write(self.served)
        self.ircd = self.host = None
        self.started = []  # requesters and clients to stop

    def start(self, penalty=-1, quiet=False):
        self.ircd = Ircd(self.scratch, penalty)
        self.ircd.start()
        self.note_pid(self.ircd.process.pid)
        extra = ("--close-finished",) + (("--quiet",) if quiet else ())
        self.host = LiveHost(self.args.loader, self.args.build, os.path.join(self.scratch, "host"),
                             self.args.fixtures, self.ircd.port, extra=extra)
        self.host.start(on_started=self.note_pid)
        self.quiet = quiet

    def note_pid(self, pid):
        if self.args.pids:
            with open(self.args.pids, "a") as out:
                out.write("%d\n" % pid)

    def requester(self, nick, **options):
        r = Requester(self.ircd.port, nick, os.path.join(self.scratch, "in", nick), **options)
        self.started.append(r)
        r.connect()
        if not self.quiet:  # a quiet host does not say; the relay keeps the order anyway
            self.host.expect(r"^relay Reachable 1 %s$" % nick, 20)
        return r

    def original(self, name):
        return os.path.join(self.served, name)

    def list_file(self):
        found = glob.glob(os.path.join(self.host.folder, "QVS", "Files*.txt"))
        check(found, "no list file in the module's folder")
        return found[0]

    def stop(self):
        for client in self.started:
            client.quit() if isinstance(client, Requester) else client.stop()
        self.started = []
        if self.host:
            self.host.stop()
        if self.ircd:
            self.ircd.stop()


def check_identical(download, original):
    check(download.done, "%s: %d of %d bytes arrived" % (download.name, download.received, download.size))
    check(download.sha256 == sha256_of(original), "%s differs from the original" % download.name)


# ---------------------------------------------------------------- scenarios

@scenario
def real_client_list_and_file(w):
    """weechat asks for the list and a file and receives both byte-identical."""
    wee = Weechat(os.path.join(w.scratch, "wee"), w.ircd.port)
    w.started.append(wee)
    w.note_pid(wee.process.pid)
    w.host.expect(r"^relay Reachable 1 wee$", 30)
    listing = w.list_file()
    wee.say("@files")
    got = wee.wait_for_file(os.path.basename(listing), os.path.getsize(listing), 60)
    check(sha256_of(got) == sha256_of(listing), "the list weechat received differs from the list file")
    wee.say("!files one.bin")
    got = wee.wait_for_file("one.bin", 1, 60)
    check(sha256_of(got) == sha256_of(w.original("one.bin")), "one.bin differs")


@scenario
def files_byte_identical(w):
    """One byte, no byte, 50 MB under the speed limit, a name with blanks and accents."""
    r = w.requester("sizes")
    for name in ("one.bin", "empty.bin", "été 2.txt", "big.bin"):
        r.say("!files " + name)
        download = r.downloaded(name, 180 if name == "big.bin" else 60)
        check_identical(download, w.original(name))
    big = r.downloaded("big.bin")
    limit = 20000 * 1024
    check(big.finished - big.started >= 0.9 * big.size / limit,
          "big.bin arrived faster than the speed limit allows (%.1fs)" % (big.finished - big.started))


QUEUED = r"I have added (.+?) as (\d+) in my ([\w/-]+) queue"
ON_THE_WAY = r"After waiting \d+ min\(s\), (.+?) is on the way"


def holding():
    """An offer policy that takes the first offer but reads nothing until
    released, and accepts every later one: it keeps one slot busy."""
    release = threading.Event()
    first = []

    def policy(name, size):
        if first:
            return ("accept",)
        first.append(name)
        return ("hold", release)
    return policy, release


@scenario
def search_queue_and_remove(w):
    """@find answers from the list; @nick-que tells the place of a waiting
    file; -remove empties the nick's queue."""
    policy, release = holding()
    r = w.requester("seeker", accept=policy)
    r.say("@find mid")
    r.expect(r"I have \d+ match\(es\) for mid in listfile: Files")
    r.expect(r"!files mid-a\.bin")
    r.say("!files mid-a.bin")
    r.expect(ON_THE_WAY)
    r.say("!files mid-b.bin")
    r.expect(QUEUED.replace("(.+?)", r"mid-b\.bin"))
    since = r.mark()
    r.say("@QVS-que")
    r.expect(r"in my regular queue, mid-b\.bin is 1", since=since)
    r.say("@QVS-remove")
    since = r.mark()
    r.say("@QVS-que")
    r.expect(r"You have NO files in my regular queue", since=since)
    release.set()
    check_identical(r.downloaded("mid-a.bin", 60), w.original("mid-a.bin"))
    check(not [d for d in r.downloads if d.name == "mid-b.bin"], "the removed mid-b.bin was sent")


@scenario
def dropped_transfer_resent(w):
    """A receiver that breaks off half-way gets the file again, whole."""
    half = w.sizes["mid-d.bin"] // 2
    r = w.requester("dropper", accept=lambda name, size: ("drop", half) if not r.downloads else ("accept",))
    r.say("!files mid-d.bin")
    first = r.downloaded("mid-d.bin", 60)
    check(not first.done, "the first transfer was not broken off")
    r.expect(r"Resend attempt 1 of 2 : mid-d\.bin")
    check_identical(r.downloaded("mid-d.bin", 60, count=2), w.original("mid-d.bin"))


@scenario
def no_resend(w):
    """-NoResend after a failed attempt: the next failure is final."""
    r = w.requester("noresend", accept=lambda name, size: ("drop", 1000))
    r.say("!files mid-c.bin")
    r.expect(r"Resend attempt 1 of 2 : mid-c\.bin", 60)
    r.say("@QVS-NoResend")
    r.expect(r"Resend cancelled")
    r.downloaded("mid-c.bin", 60, count=2)
    w.host.expect(r"^relay SendFail 1 noresend .*mid-c\.bin", 30)
    time.sleep(3)  # a third offer would come at once
    check(len(r.offers) == 2, "%d offers after -NoResend, expected 2" % len(r.offers))


@scenario
def slot_limit_two_requesters(w):
    """Two regular slots: a third requester waits until a send ends."""
    holds = [holding() for _ in range(3)]
    names = ("slot1", "slot2", "slot3")
    rs = [w.requester(n, accept=h[0]) for n, h in zip(names, holds)]
    since = w.host.mark()
    for r, f in zip(rs, ("mid-a.bin", "mid-b.bin", "mid-c.bin")):
        r.say("!files " + f)
        r.expect(QUEUED.replace("(.+?)", re.escape(f)))
    w.host.expect(r"^send offered to slot2", 20, since)
    time.sleep(2)  # a third send would be offered at once
    check(w.host.count(r"^send offered to slot", since) == 2, "more than two regular sends at once")
    holds[0][1].set()
    check_identical(rs[0].downloaded("mid-a.bin", 60), w.original("mid-a.bin"))
    w.host.expect(r"^send offered to slot3", 20, since)
    for r, h, f in zip(rs[1:], holds[1:], ("mid-b.bin", "mid-c.bin")):
        h[1].set()
        check_identical(r.downloaded(f, 60), w.original(f))


@scenario
def nick_change_while_queued(w):
    """A requester renamed while one send runs and one file waits gets both
    under the new nick, and the running one is counted under it."""
    policy, release = holding()
    r = w.requester("nicky", accept=policy)
    r.say("!files mid-a.bin")
    r.expect(ON_THE_WAY)
    r.say("!files mid-b.bin")
    r.expect(QUEUED.replace("(.+?)", r"mid-b\.bin"))
    r.change_nick("nicky2")
    w.host.expect(r"^relay NickChange 1 nicky nicky2$", 20)
    since = r.mark()
    r.say("@QVS-que")
    r.expect(r"in my regular queue, mid-b\.bin is 1", since=since)
    release.set()
    check_identical(r.downloaded("mid-a.bin", 60), w.original("mid-a.bin"))
    w.host.expect(r"^relay SendComplete 1 nicky2 \d+ \d+ .*mid-a\.bin$", 20)
    check_identical(r.downloaded("mid-b.bin", 60), w.original("mid-b.bin"))


@scenario
def many_files_many_requesters(w):
    """Four requesters ask for five files each; all twenty arrive whole."""
    rs = [w.requester("many%d" % i) for i in range(4)]
    for i, r in enumerate(rs):
        for k in range(5):
            r.say("!files " + served.load_name(i * 5 + k))
    for i, r in enumerate(rs):
        for k in range(5):
            name = served.load_name(i * 5 + k)
            check_identical(r.downloaded(name, 90), w.original(name))


@scenario
def private_request_and_own_nick(w):
    """A request by private message is served; after the host's own nick
    changes, the stock triggers answer to the new nick."""
    r = w.requester("whisper")
    r.tell(w.host.nick, "!files one.bin")
    check_identical(r.downloaded("one.bin", 60), w.original("one.bin"))
    for nick in ("QVS2", w.host.nick):
        w.host.control("nick " + nick)
        w.host.expect(r"^relay OwnNick 1 %s$" % nick, 20)
        since = r.mark()
        r.say("@%s-que" % nick)
        r.expect(r"You have NO files in my regular queue", since=since)


@scenario
def part_and_rejoin_restores_queue(w):
    """Leaving the channel (parted or kicked) saves the queue, the running
    send included; joining again restores it in its order."""
    policy, release = holding()
    r = w.requester("parter", accept=policy)
    r.say("!files mid-a.bin")
    r.expect(ON_THE_WAY)
    for f in ("mid-b.bin", "mid-c.bin"):
        r.say("!files " + f)
        r.expect(QUEUED.replace("(.+?)", re.escape(f)))
    # The requester becomes a channel operator to kick the host later.
    r.raw("OPER tester tester")
    r.raw("MODE #files +o parter")
    # Left by its own PART, then by a KICK: each time the queue comes back,
    # the send that the leave broke off first, in its old place.
    leaves = (lambda: w.host.control("part #files"), lambda: r.raw("KICK #files %s :leave" % w.host.nick))
    for leave in leaves:
        since = w.host.mark()
        leave()
        w.host.expect(r"^relay Part 1 #files$", 20, since)
        w.host.control("join #files")
        w.host.expect(r"^relay Join 1 #files$", 20, since)
        time.sleep(1)  # the names of the channel arrive after the join
        mark = r.mark()
        r.say("@QVS-que")
        for place, f in enumerate(("mid-a", "mid-b", "mid-c"), 1):
            r.expect(r"in my regular queue, %s\.bin is %d" % (f, place), since=mark)
    release.set()


@scenario
def burst_without_flood_disconnect(w):
    """Fifty requests at once from five nicks are all answered, and the
    server never disconnects the live host for flooding."""
    rs = [w.requester("burst%d" % i, accept=lambda name, size: ("ignore",)) for i in range(5)]
    since = w.host.mark()
    for i, r in enumerate(rs):
        for k in range(10):
            r.say("!files " + served.load_name(100 + i * 10 + k))
    for r in rs:
        r.wait(lambda: sum(1 for h in r.heard if re.search(QUEUED, h[2])) >= 10, 120,
               "ten answers to " + r.nick)
    check(w.host.count(r"^disconnected", since) == 0, "the server disconnected the live host")


# ---------------------------------------------------------------- running

def run_load_world(args):
    """The load run in a world of its own; prints its figures."""
    with tempfile.TemporaryDirectory(prefix="qvs-load-") as scratch:
        world = World(args, scratch)
        try:
            world.start(penalty=0, quiet=True)
            for name, value in run_load(world, check).items():
                print("LOAD %s: %s" % (name, value), flush=True)
            print("1 passed, 0 failed")
            return 0
        except Exception as error:
            print("FAIL load: %s" % error, flush=True)
            traceback.print_exc()
            print("0 passed, 1 failed")
            world.stop()
            if args.keep:
                os.system("cp -r %s %s" % (scratch, args.keep))
            return 1
        finally:
            world.stop()


def run(args):
    passed = failed = 0
    chosen = [s for s in SCENARIOS if not args.only or s.__name__ in args.only]
    with tempfile.TemporaryDirectory(prefix="qvs-e2e-") as scratch:
        world = World(args, scratch)
        try:
            world.start()
            for function in chosen:
                began = time.monotonic()
                try:
                    function(world)
                    passed += 1
                    print("PASS %s (%.1fs)" % (function.__name__, time.monotonic() - began), flush=True)
                except Exception as error:  # every failure is reported, then the next scenario runs
                    failed += 1
                    print("FAIL %s: %s" % (function.__name__, error), flush=True)
                    if not isinstance(error, Failure):
                        traceback.print_exc()
        except Exception as error:
            failed += 1
            print("FAIL start: %s" % error, flush=True)
        finally:
            world.stop()
            if failed and args.keep:
                os.system("cp -r %s %s" % (scratch, args.keep))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser()
    for name in ("loader", "build", "fixtures", "wineprefix"):
        parser.add_argument(name)
    parser.add_argument("--only", nargs="*")
    parser.add_argument("--load", action="store_true", help="the load run alone, on a server without throttling")
    parser.add_argument("--pids", help="every process id started is written here, for the caller to stop")
    parser.add_argument("--keep", help="copy the scratch folder here when anything failed")
    # Ended from outside (the run's time limit): stop what was started first.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    args = parser.parse_args()
    sys.exit(run_load_world(args) if args.load else run(args))


if __name__ == "__main__":
    main()
