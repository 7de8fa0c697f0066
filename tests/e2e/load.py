"""The load run: 20 requester connections keep 10,000 requests waiting,
then send 1,000 channel lines a second in total for 60 seconds (triggers,
searches, chatter) while a voiced requester downloads the 50 MB file.
Counts the answers the module owes and the answers it gave, the live
host's memory before and after, and the DCC throughput under the load."""
import os
import threading
import time

import served
from requester import Requester

REQUESTERS = 20
# Smaller figures for a quick try: QVS_LOAD="waiting lines-per-second seconds".
WAITING, LINES_PER_SECOND, SECONDS = map(int, os.environ.get("QVS_LOAD", "10000 1000 60").split())
QUEUED = r"I have added .+? as \d+ in my regular queue"
SEARCHED = r"I have \d+ match\(es\) for load-"
ALREADY = r"You already have .+? in my queue"


def paced(requester, lines, per_second, stop=None):
    """Writes the lines at per_second, on time however long each write takes."""
    began = time.monotonic()
    for i, line in enumerate(lines):
        if stop and stop.is_set():
            return
        delay = began + i / per_second - time.monotonic()
        if delay > 0:
            time.sleep(delay)
        requester.say(line)


def heard(requesters, pattern):
    return sum(r.counted.get(pattern, 0) for r in requesters)


def wait_for_answers(rs, pattern, owed, deadline, what):
    end = time.monotonic() + deadline
    while heard(rs, pattern) < owed and time.monotonic() < end:
        time.sleep(0.5)
    got = heard(rs, pattern)
    if got < owed:
        raise RuntimeError("%d of %d answers to the %s after %ds" % (got, owed, what, deadline))
    return "%d/%d" % (got, owed)


def in_parallel(jobs):
    threads = [threading.Thread(target=job) for job in jobs]
    for t in threads:
        t.start()
    for t in threads:
        t.join()


def fill_queue(rs):
    per = WAITING // REQUESTERS
    in_parallel([lambda r=r: paced(r, ["!files " + served.load_name(k) for k in range(per)],
                                   LINES_PER_SECOND / REQUESTERS) for r in rs])


def mixed_lines(i):
    """One second of one requester: a search, a request for a file it has
    waiting far back in the queue, chatter."""
    waiting = WAITING // REQUESTERS
    lines = ["@find " + served.load_name((i * 7) % served.LOAD_FILES), "!files " + served.load_name(waiting - 1 - i % 10)]
    return lines + ["chatter %d: nothing to see here, just talking" % k for k in range(LINES_PER_SECOND // REQUESTERS - 2)]


def fetch_until(downloader, over):
    """The voiced requester fetches the 50 MB file again and again while the load runs."""
    while not over.is_set():
        count = len(downloader.downloads) + 1
        downloader.say("!files big.bin")
        downloader.downloaded("big.bin", 300, count=count)


def megabytes(memory):
    committed, working = memory
    return "%.1f MB committed, %.1f MB working set" % (committed / 1e6, working / 1e6)


def run_load(w, check):
    rs = [w.requester("load%02d" % i, accept=lambda name, size: ("ignore",)) for i in range(REQUESTERS)]
    for r in rs:
        r.count(QUEUED, SEARCHED, ALREADY)
    figures = {"memory at start": megabytes(w.host.memory())}
    began = time.monotonic()
    fill_queue(rs)
    figures["queue filled in s"] = round(time.monotonic() - began, 1)
    figures["admissions answered/owed"] = wait_for_answers(rs, QUEUED, WAITING, 300, "admissions")
    figures["memory with the queue filled"] = megabytes(w.host.memory())

    downloader = w.requester("loaddl")
    w.host.control("raw MODE #files +v loaddl")
    w.host.expect(r"^control: raw MODE", 10)
    time.sleep(1)
    over = threading.Event()
    fetching = threading.Thread(target=fetch_until, args=(downloader, over))
    fetching.start()
    began = time.monotonic()
    in_parallel([lambda r=r: paced(r, [l for s in range(SECONDS) for l in mixed_lines(s)],
                                   LINES_PER_SECOND / REQUESTERS) for r in rs])
    figures["load seconds"] = round(time.monotonic() - began, 1)
    over.set()
    fetching.join()
    owed = {"searches": (SEARCHED, REQUESTERS * SECONDS), "repeated requests": (ALREADY, REQUESTERS * SECONDS)}
    for name, (pattern, count) in owed.items():
        figures[name + " answered/owed"] = wait_for_answers(rs, pattern, count, 300, name)
    bigs = [d for d in downloader.downloads if d.ended]
    check(bigs and all(d.done for d in bigs), "big.bin did not arrive whole under load")
    figures["50 MB downloads during the load"] = len(bigs)
    figures["DCC MB/s under load"] = round(sum(d.size for d in bigs) / sum(d.finished - d.started for d in bigs) / 1e6, 1)
    figures["memory after the load"] = megabytes(w.host.memory())
    figures["live host disconnected"] = w.host.count(r"^disconnected")
    return figures
