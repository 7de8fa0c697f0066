#!/usr/bin/env python3
"""The companion script's lint passes the shipped script and fails each
planted fault."""
import importlib.util
import pathlib
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
spec = importlib.util.spec_from_file_location("lint_script", ROOT / "scripts" / "lint-script.py")
lint_script = importlib.util.module_from_spec(spec)
spec.loader.exec_module(lint_script)

SCRIPT = (ROOT / "script" / "qvs.mrc").read_text()

# (what is planted, text replaced, replacement, words the fault names)
PLANTED = [
    ("missing identifier", "alias GetMinute {", "alias GetMinuteX {", "GetMinute: defined 0"),
    ("duplicate alias", "alias SendFile {", "alias SendFile { }\nalias SendFile {", "SendFile: defined 2"),
    ("local module alias", "alias QVSListDone {", "alias -l QVSListDone {", "is local"),
    ("unknown relay export", "$qvs.relay(Join,", "$qvs.relay(Joined,", "Joined is not an export"),
    ("unknown module export", "$qvs.module(ShowPanel,", "$qvs.module(Show,", "Show is not an export"),
    ("open brace", "alias GetNick {", "alias GetNick { {", "left open"),
    ("stray brace", "on *:CONNECT:{", "}\non *:CONNECT:{", "closing brace"),
    ("scid with a command", "scid %cid\n  if ($status", "scid %cid dcc send $2 $qt(%path)\n  if ($status",
     "/scid or /scon"),
    ("double slash", "{ var %posted = $qvs.relay(Text,", "{ //echo $1- | var %posted = $qvs.relay(Text,",
     "// command"),
    ("eval", "var %chan = $comchan($nick, 1)", "var %chan = $eval($1-, 2)", "$eval"),
    ("eval brackets", "var %chan = $comchan($nick, 1)", "var %chan = [ $1- ]", "brackets"),
    ("timer calling a local alias", "  qvs.warnlock\n  var %running", "  .timerqvs 1 1 qvs.replay\n  var %running",
     "local alias qvs.replay"),
    ("timer with text", "  qvs.warnlock\n  var %running", "  .timerqvs 1 1 msg $nick $1-\n  var %running", "timer"),
    ("send status mIRC never reports", "$istok(active waiting,", "$istok(active inactive,", 'status "inactive"'),
    ("status compared to an unknown word", "if (%i) && ($qvs.running(%i)) return $send(%i).file",
     "if ($send(%i).status != done) return $send(%i).file", 'status "done"'),
    ("send window not minimized", "else dcc send -m $3", "else dcc send $3", "unminimized"),
]


def lint_text(text):
    with tempfile.TemporaryDirectory() as folder:
        path = pathlib.Path(folder) / "qvs.mrc"
        path.write_text(text)
        return lint_script.lint(path, ROOT)


class LintScript(unittest.TestCase):
    def test_shipped_script_is_clean(self):
        self.assertEqual(lint_text(SCRIPT), [])

    def test_each_planted_fault_is_found(self):
        for what, old, new, words in PLANTED:
            with self.subTest(what):
                self.assertTrue(old in SCRIPT, "planted text not in the script")
                faults = lint_text(SCRIPT.replace(old, new, 1))
                self.assertTrue(any(words in fault for fault in faults), faults)


if __name__ == "__main__":
    unittest.main()
