"""Checks pkzipc's archives with two independent readers (unzip -t and
Python's zipfile, content byte for byte) and its answers to bad input.
Usage: pkzipc_check.py PKZIPC
       pkzipc_check.py --wine LOADER PKZIPC.EXE   (paths handed over as Z:\...)"""
import os
import random
import subprocess
import sys
import tempfile
import zipfile

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


COMMAND = []
WINDOWS_PATHS = False


def path_arg(arg):
    if WINDOWS_PATHS and arg.startswith("/"):
        return "Z:" + arg.replace("/", "\\")
    return arg


def run(*args):
    return subprocess.run(COMMAND + [path_arg(a) for a in args], capture_output=True, text=True, timeout=120)


def reasons(stderr):
    """pkzipc's own lines; the loader may add lines of its own."""
    return [line for line in stderr.splitlines() if not (WINDOWS_PATHS and not line.startswith("pkzipc"))]


def archive_holds(archive, name, content):
    tested = subprocess.run(["unzip", "-t", archive], capture_output=True, text=True, timeout=60)
    check(tested.returncode == 0, f"unzip -t {name}: {tested.stdout}{tested.stderr}")
    with zipfile.ZipFile(archive) as opened:
        check(opened.testzip() is None, f"zipfile CRC {name}")
        check(opened.namelist() == [name], f"entry names {opened.namelist()}")
        check(opened.read(name) == content, f"content of {name}")


def good_archives(folder):
    rng = random.Random(7)
    samples = {
        "empty.txt": b"",
        "KM-SciFi.12-07-2026.txt": b"This list contains 2 files\r\n!get a.avi\r\n!get b  c.avi\r\n",
        "random.bin": bytes(rng.getrandbits(8) for _ in range(1 << 20)),
        "repetitive.txt": b"!get Some Artist - Track.mp3     - 4.2 MB\r\n" * 80000,
    }
    for name, content in samples.items():
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(content)
        archive = os.path.join(folder, name + ".zip")
        result = run("-add", archive, path)
        check(result.returncode == 0, f"-add {name}: {result.stderr}")
        archive_holds(archive, name, content)
    # An old archive of the same name is replaced, not appended to.
    path = os.path.join(folder, "empty.txt")
    with open(path, "wb") as f:
        f.write(b"second")
    check(run("-ADD", os.path.join(folder, "empty.txt.zip"), path).returncode == 0, "again")
    archive_holds(os.path.join(folder, "empty.txt.zip"), "empty.txt", b"second")


def refusals(folder):
    archive = os.path.join(folder, "refused.zip")
    cases = [
        ([], "no arguments"),
        (["-add", archive], "no file"),
        (["-extract", archive, os.path.join(folder, "empty.txt")], "unknown switch"),
        (["-add", archive, os.path.join(folder, "missing.txt")], "missing file"),
        (["-add", archive, folder], "a folder for the file"),
        (["-add", os.path.join(folder, "no", "such.zip"), os.path.join(folder, "empty.txt")], "archive folder"),
    ]
    for args, what in cases:
        result = run(*args)
        check(result.returncode != 0, f"{what}: status 0")
        lines = reasons(result.stderr)
        check(len(lines) == 1 and lines[0].startswith("pkzipc: "), f"{what}: {result.stderr!r}")
        check(not os.path.exists(archive), f"{what}: archive left behind")


def same_file_refusals(folder):
    """An archive that is the input itself, by its own path, through a link
    or under a second name, is refused and the input stays as it was."""
    content = b"!get a.avi\r\n" * 1000
    path = os.path.join(folder, "self.txt")
    with open(path, "wb") as f:
        f.write(content)
    names = [path, os.path.join(folder, ".", "self.txt")]
    for maker, name in ((os.symlink, "link.zip"), (os.link, "hard.zip")):
        try:
            maker(path, os.path.join(folder, name))
            names.append(os.path.join(folder, name))
        except OSError as error:
            print(f"no {name}: {error}")
    for archive in names:
        result = run("-add", archive, path)
        check(result.returncode == 1, f"archive {archive} is the input: status {result.returncode}")
        lines = reasons(result.stderr)
        check(len(lines) == 1 and lines[0].startswith("pkzipc: "), f"archive {archive}: {result.stderr!r}")
        with open(path, "rb") as f:
            check(f.read() == content, f"archive {archive}: the input changed")


def main():
    global WINDOWS_PATHS
    if sys.argv[1] == "--wine":
        WINDOWS_PATHS = True
        COMMAND.extend(sys.argv[2:4])
    else:
        COMMAND.append(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="qvs-pkzipc-") as folder:
        good_archives(folder)
        refusals(folder)
        same_file_refusals(folder)
    print("pkzipc: %d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
