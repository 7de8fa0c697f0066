#!/usr/bin/env python3
"""The include check on the real tree and on copies with one planted fault."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
CHECK = os.path.join(ROOT, "scripts", "check-layers.py")

# (what is planted, {file under src/: line appended}, text the fault names)
PLANTED = [
    ("an include up the floors", {"model/text.cpp": '#include "intake/server_events.h"'}, "model -> intake: goes up"),
    ("a subfolder counts as its parent", {"persistence/compound/planted.h": '#include "requests/dispatch.h"'},
     "persistence -> requests: goes up"),
    ("two folders of one floor include each other",
     {"ads/ad_timers.cpp": '#include "sending/hold.h"', "sending/hold.cpp": '#include "ads/ad_timers.h"'},
     "folders of one floor include each other"),
    ("a file in no listed folder", {"stray/planted.h": "#pragma once"}, "src/stray/planted.h: in no folder"),
    ("a row that names what it may include", {"relay/planted.cpp": '#include "model/records.h"'},
     "relay -> model: relay may include only wire"),
]


def run_check(root):
    return subprocess.run([sys.executable, CHECK, "--root", root], capture_output=True, text=True)


class CheckLayersTest(unittest.TestCase):
    def test_real_tree_passes(self):
        result = run_check(ROOT)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("hostlink     -> model", result.stdout)

    def test_planted_faults_fail(self):
        for name, plants, fault in PLANTED:
            with self.subTest(name), tempfile.TemporaryDirectory() as copy:
                shutil.copytree(os.path.join(ROOT, "src"), os.path.join(copy, "src"))
                shutil.copy(os.path.join(ROOT, "README.md"), copy)
                for relative, line in plants.items():
                    path = os.path.join(copy, "src", relative)
                    os.makedirs(os.path.dirname(path), exist_ok=True)
                    with open(path, "a", encoding="utf-8") as planted:
                        planted.write("\n" + line + "\n")
                result = run_check(copy)
                self.assertEqual(result.returncode, 1, result.stdout)
                self.assertIn(fault, result.stderr)


if __name__ == "__main__":
    unittest.main()
