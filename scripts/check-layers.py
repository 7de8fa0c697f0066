#!/usr/bin/env python3
"""Checks that the includes of src/ only go down the floors.

The floors are written once, in the README's layout table (ground floor
first, one row per floor). Every #include "..." in src/ is resolved against
the including file's folder and then against src/; a file belongs to the
longest listed folder that prefixes its path. The check prints the includes
between folders and fails on one that goes up, on folders of one floor that
include each other (directly or round a loop), on a row's own "may include"
list being overstepped, and on a file in a folder the table does not list.

    python3 scripts/check-layers.py [--root DIR]
"""
import argparse
import os
import re
import sys
from collections import defaultdict

SOURCE_SUFFIXES = (".h", ".hpp", ".c", ".cpp", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
FOLDER = re.compile(r"`src/([^`]+?)/?`")
BELOW_ALL = "every floor below"


class Floor:
    def __init__(self, level, folders, allowed):
        self.level = level
        self.folders = folders
        self.allowed = allowed  # explicit folders, or None for every floor below


def read_floors(readme_path):
    """The rows of the table under "## Layout": | floor | folders | may include | what |."""
    with open(readme_path, encoding="utf-8") as readme:
        text = readme.read()
    section = text.split("\n## Layout", 1)
    if len(section) != 2:
        raise ValueError("README has no '## Layout' section")
    floors = []
    for line in section[1].split("\n## ", 1)[0].splitlines():
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) < 3 or not FOLDER.search(cells[1]):
            continue
        folders = FOLDER.findall(cells[1])
        allowed = None if BELOW_ALL in cells[2] else FOLDER.findall(cells[2])
        floors.append(Floor(len(floors), folders, allowed))
    if not floors:
        raise ValueError("README's layout table lists no src/ folders")
    return floors


def owner(relative, folders):
    """The longest listed folder that prefixes the path, or None."""
    best = None
    for folder in folders:
        if (relative + "/").startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return best


def source_files(src):
    for base, _dirs, names in os.walk(src):
        for name in sorted(names):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.relpath(os.path.join(base, name), src).replace(os.sep, "/")


def resolve(src, relative, target):
    """The included file's path under src/, or None for a file outside src/."""
    for base in (os.path.dirname(relative), ""):
        candidate = os.path.normpath(os.path.join(base, target)).replace(os.sep, "/")
        if not candidate.startswith("..") and os.path.isfile(os.path.join(src, candidate)):
            return candidate
    return None


def folder_includes(src, folders):
    """{(from, to): count} between different folders, and files in no folder."""
    edges = defaultdict(int)
    strays = []
    for relative in source_files(src):
        source = owner(relative, folders)
        if source is None:
            strays.append(relative)
            continue
        with open(os.path.join(src, relative), encoding="utf-8", errors="replace") as handle:
            targets = INCLUDE.findall(handle.read())
        for target in targets:
            resolved = resolve(src, relative, target)
            destination = resolved and owner(resolved, folders)
            if destination and destination != source:
                edges[(source, destination)] += 1
    return edges, strays


def reaches(edges, start, goal, within):
    seen, todo = set(), [start]
    while todo:
        node = todo.pop()
        for (source, destination) in edges:
            if source == node and destination in within and destination not in seen:
                if destination == goal:
                    return True
                seen.add(destination)
                todo.append(destination)
    return False


def faults(floors, edges, strays):
    floor_of = {folder: floor for floor in floors for folder in floor.folders}
    found = ["src/%s: in no folder of the layout table" % stray for stray in strays]
    for (source, destination) in sorted(edges):
        upper, lower = floor_of[source], floor_of[destination]
        if upper.allowed is not None and destination not in upper.allowed:
            found.append("%s -> %s: %s may include only %s" % (source, destination, source, ", ".join(upper.allowed)))
        elif lower.level > upper.level:
            found.append("%s -> %s: goes up the floors" % (source, destination))
        elif lower is upper and reaches(edges, destination, source, set(upper.folders)):
            found.append("%s -> %s: folders of one floor include each other" % (source, destination))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    root = parser.parse_args().root
    floors = read_floors(os.path.join(root, "README.md"))
    edges, strays = folder_includes(os.path.join(root, "src"), [f for floor in floors for f in floor.folders])
    for (source, destination), count in sorted(edges.items()):
        print("%-12s -> %-12s %3d" % (source, destination, count))
    found = faults(floors, edges, strays)
    for fault in found:
        print("layers: " + fault, file=sys.stderr)
    print("layers: %d folders on %d floors, %d includes between folders, %d faults"
          % (sum(len(f.folders) for f in floors), len(floors), sum(edges.values()), len(found)))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
