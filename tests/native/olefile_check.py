#!/usr/bin/env python3
"""Independent check of our compound-file writer with Debian's python3-olefile.

Runs the sample writer (tests/tools/compound_sample.cpp), then opens its file
with olefile, strict about format defects, and compares every storage and
stream with the writer's manifest. Exits 77 (skipped) without olefile.

Usage: olefile_check.py PATH/TO/compound_sample
"""
import os
import subprocess
import sys
import tempfile

try:
    import olefile
except ImportError:
    print("olefile check skipped: python3-olefile is not importable by " + sys.executable)
    sys.exit(77)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    with tempfile.TemporaryDirectory(prefix="qvs_olefile_") as tmp:
        path = os.path.join(tmp, "sample.dat")
        manifest_path = os.path.join(tmp, "manifest.txt")
        subprocess.run([sys.argv[1], path, manifest_path], check=True)

        expected = {}
        with open(manifest_path, encoding="utf-8") as manifest:
            for line in manifest:
                parts = line.rstrip("\n").split(" ")
                if parts[0] == "storage":
                    expected[parts[1].lower()] = ("storage", parts[1], None)
                else:
                    # Names may hold blanks: the size and hex are the last two fields.
                    name = " ".join(parts[1:-2])
                    data = bytes.fromhex(parts[-1])
                    assert len(data) == int(parts[-2])
                    expected[name.lower()] = ("stream", name, data)

        passed = failed = 0

        def check(ok, what):
            nonlocal passed, failed
            if ok:
                passed += 1
            else:
                failed += 1
                print("FAIL: " + what)

        # Any format defect olefile judges incorrect raises here.
        ole = olefile.OleFileIO(path, raise_defects=olefile.DEFECT_INCORRECT)
        check(not ole.parsing_issues, "olefile reported parsing issues: %r" % (ole.parsing_issues,))
        check(ole.header_signature == olefile.MAGIC, "signature")
        check(ole.dll_version == 3 and ole.sector_size == 512 and ole.mini_sector_size == 64,
              "version 3 with 512/64-byte sectors")
        check(ole.mini_stream_cutoff_size == 4096, "mini stream cutoff")
        check(ole.num_difat_sectors >= 1, "the big stream needs a DIFAT sector")

        found = {}
        for entry in ole.listdir(streams=True, storages=True):
            name = "/".join(entry)
            kind = ole.get_type(entry)
            if kind == olefile.STGTY_STORAGE:
                found[name.lower()] = ("storage", name, None)
            elif kind == olefile.STGTY_STREAM:
                size = ole.get_size(entry)
                data = ole.openstream(entry).read()
                check(len(data) == size, "size of %s" % name)
                found[name.lower()] = ("stream", name, data)
            else:
                check(False, "unexpected entry type %r for %s" % (kind, name))

        for key, (kind, name, data) in sorted(expected.items()):
            got = found.get(key)
            if got is None:
                check(False, "%s %s missing" % (kind, name))
                continue
            check(got[0] == kind, "%s is a %s, expected a %s" % (name, got[0], kind))
            check(got[1] == name, "name %r read back as %r" % (name, got[1]))
            if kind == "stream":
                check(got[2] == data, "content of %s (%d bytes, read %d)" % (name, len(data), len(got[2])))
        for key in sorted(set(found) - set(expected)):
            check(False, "unexpected entry %s" % found[key][1])

        # Case-insensitive lookup through olefile's own path resolution.
        check(ole.exists("1/list/1_OPTION"), "case-insensitive lookup")
        ole.close()

        print("olefile %s: %d entries checked" % (olefile.__version__, len(expected)))
        print("%d passed, %d failed" % (passed, failed))
        return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
