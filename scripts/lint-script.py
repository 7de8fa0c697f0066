#!/usr/bin/env python3
"""Checks the companion script, which cannot run here (no mIRC):

- every identifier and alias the module evaluates or executes is defined
  exactly once, and not as a local alias (the module calls it from outside);
- every relay or module export the script calls is in that DLL's .def file;
- braces balance;
- a timer never calls a local alias (it runs outside the script);
- no line evaluates text a second time: /scid or /scon with a command,
  a // command, $eval or $(...), [ ] evaluation brackets, or a timer whose
  command holds anything to evaluate;
- it reads mIRC as it is: a send window's status is one of mIRC's four
  ("active", "waiting", "sent", "failed"), and every DCC send opens its
  window minimized (-m).

    lint-script.py [script] [source root]

Prints one line per fault and exits 1 when there is any.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

# What the module relies on, whether or not today's sources call it yet.
CONTRACT = {
    "GetComChan", "GetOpStatus", "GetVoiceStatus", "GetSendCountPerNick", "GetSendPathName",
    "GetSendFileName", "GetSendCpsForNick", "GetNickCount", "GetNick", "GetMinute",
    "SendFile", "SendFileLimit", "SendFileAlternate", "SendFileAlternateLimit", "QVSListDone",
}
# The helpers through which the script calls each DLL, and that DLL's .def file.
DLL_CALLERS = {"qvs.relay": "src/relay_win32/qvsrelay.def", "qvs.module": "qvs.def"}

MODULE_USE = re.compile(r'"(?:/scid %lu )?[$/]((?:Get|SendFile|QVSListDone)[A-Za-z]*)\b')
ALIAS = re.compile(r"^\s*alias\s+(-l\s+)?([^\s{]+)", re.IGNORECASE)
DLL_CALL = re.compile(r"\$(qvs\.relay|qvs\.module)\(\s*([^,\s)]+)")
SCID_WITH_COMMAND = re.compile(r"(?:^|[\s|{])\.?sc(?:id|on)\s+(?!-r\b)\S+\s+\S", re.IGNORECASE)
DOUBLE_SLASH = re.compile(r"(?:^|[|{]\s*)//")
EVAL = re.compile(r"\$(?:eval|evalnext)\b|\$\(", re.IGNORECASE)
BRACKETS = re.compile(r"(?:^|\s)\[\s.*\s\](?:\s|$)")
SEND_STATUS = re.compile(r"\.status\s*(?:==|!=)\s*(\w+)|\$istok\(([^,]*),\s*\$send\([^)]*\)\.status", re.IGNORECASE)
SEND_STATUSES = {"active", "waiting", "sent", "failed"}
DCC_SEND = re.compile(r"(?:^|[\s|{])\.?dcc\s+send\s+(\S+)", re.IGNORECASE)
TIMER = re.compile(r"(?:^|[\s|{])\.?timer\S*\s+(.*)", re.IGNORECASE)


def code_lines(text):
    """(number, line) of every line that is not a comment."""
    for number, line in enumerate(text.splitlines(), 1):
        if not line.strip().startswith(";"):
            yield number, line


def module_names(source_root):
    names = set(CONTRACT)
    for path in (source_root / "src").rglob("*.cpp"):
        names.update(MODULE_USE.findall(path.read_text(errors="replace")))
    return names


def def_exports(source_root, relative):
    found = sorted((source_root / "src").rglob(pathlib.Path(relative).name))
    if not found:
        return None
    lines = found[0].read_text().splitlines()
    return {line.split()[0] for line in lines[1:] if line.split()}


def check_definitions(lines, names):
    faults, defined = [], {}
    for number, line in lines:
        match = ALIAS.match(line)
        if match:
            defined.setdefault(match.group(2).lower(), []).append((number, bool(match.group(1))))
    for name in sorted(names):
        places = defined.get(name.lower(), [])
        if len(places) != 1:
            faults.append(f"{name}: defined {len(places)} times, needs exactly one")
        elif places[0][1]:
            faults.append(f"line {places[0][0]}: {name} is local (-l), the module cannot call it")
    return faults


def check_exports(lines, source_root):
    faults = []
    tables = {caller: def_exports(source_root, path) for caller, path in DLL_CALLERS.items()}
    for number, line in lines:
        for caller, export in DLL_CALL.findall(line):
            if tables[caller] is None:
                faults.append(f"line {number}: no export table for ${caller}")
            elif export not in tables[caller]:
                faults.append(f"line {number}: {export} is not an export of ${caller}'s DLL")
    return faults


def check_braces(lines):
    depth = 0
    for number, line in lines:
        depth += line.count("{") - line.count("}")
        if depth < 0:
            return [f"line {number}: closing brace without an opening one"]
    return [] if depth == 0 else [f"{depth} brace(s) left open at the end"]


def timer_command(arguments):
    """The command of a timer line: what follows its switches and numbers."""
    words = arguments.split()
    while words and (words[0].startswith("-") or words[0].isdigit()):
        words.pop(0)
    return words[0] if words else ""


def check_timers(lines):
    local = set()
    for _, line in lines:
        match = ALIAS.match(line)
        if match and match.group(1):
            local.add(match.group(2).lower())
    faults = []
    for number, line in lines:
        timer = TIMER.search(line)
        if timer and timer_command(timer.group(1)).lower() in local:
            faults.append(f"line {number}: a timer calls the local alias {timer_command(timer.group(1))}")
    return faults


def check_evaluation(lines):
    faults = []
    rules = [
        (SCID_WITH_COMMAND, "/scid or /scon with a command evaluates it again"),
        (DOUBLE_SLASH, "a // command evaluates its line again"),
        (EVAL, "$eval evaluates its text again"),
        (BRACKETS, "[ ] brackets evaluate their text again"),
    ]
    for number, line in lines:
        faults += [f"line {number}: {why}" for rule, why in rules if rule.search(line)]
        timer = TIMER.search(line)
        if timer and re.search(r"[$%]", timer.group(1)):
            faults.append(f"line {number}: a timer evaluates its command again when it fires")
    return faults


def check_host_usage(lines):
    faults = []
    for number, line in lines:
        for compared, listed in SEND_STATUS.findall(line):
            unknown = {word.lower() for word in (compared + " " + listed).split()} - SEND_STATUSES
            faults += [f"line {number}: mIRC reports no send status \"{word}\"" for word in sorted(unknown)]
        send = DCC_SEND.search(line)
        if send and not (send.group(1).startswith("-") and "m" in send.group(1)):
            faults.append(f"line {number}: a DCC send window opens unminimized (no -m)")
    return faults


def lint(script, source_root):
    lines = list(code_lines(script.read_text(errors="replace")))
    return (check_definitions(lines, module_names(source_root)) + check_exports(lines, source_root) +
            check_braces(lines) + check_timers(lines) + check_evaluation(lines) + check_host_usage(lines))


def main(argv):
    script = pathlib.Path(argv[1]) if len(argv) > 1 else ROOT / "script" / "qvs.mrc"
    source_root = pathlib.Path(argv[2]) if len(argv) > 2 else ROOT
    faults = lint(script, source_root)
    for fault in faults:
        print(f"{script.name}: {fault}")
    print(f"{script.name}: {'clean' if not faults else f'{len(faults)} fault(s)'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
