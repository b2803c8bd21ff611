#!/usr/bin/env python3
"""Checks that the program's folders include one another in one direction only.

Every `#include "folder/..."` in a source folder must name that folder itself or one listed below as
allowed for it; two folders that include each other, directly or through others, are reported as a cycle.
Exit status 0 when the tree follows the layering, 1 otherwise (each wrong include is printed).

    scripts/check_layers.py [ROOT]        check the tree at ROOT (default: this checkout)
    scripts/check_layers.py --self-test   also prove that a planted wrong include is caught
"""
import pathlib
import re
import shutil
import sys
import tempfile

# Lowest first. A folder may include the folders listed for it, and nothing else of the program.
SUBSYSTEM_BASE = ["raster", "platform", "color", "commands"]
ALLOWED = {
    "raster": [],
    "platform": ["raster"],
    "color": ["raster"],
    "commands": ["raster", "platform", "color"],
    "measure": SUBSYSTEM_BASE,
    "capture": SUBSYSTEM_BASE,
    "settings": SUBSYSTEM_BASE,
    "help": SUBSYSTEM_BASE,
    "lens": SUBSYSTEM_BASE + ["measure", "capture", "settings", "help"],
    "platform/win32": ["raster", "platform"],
    "app": SUBSYSTEM_BASE + ["measure", "capture", "settings", "help", "lens", "platform/win32", "resources"],
}
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".rc"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(relative: str) -> str | None:
    """The layer a path belongs to: the longest listed folder that holds it."""
    best = None
    for folder in ALLOWED:
        if relative == folder or relative.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def check(root: pathlib.Path) -> list[str]:
    problems = []
    edges: dict[str, set[str]] = {}
    for folder in ALLOWED:
        base = root / folder
        if not base.is_dir():
            continue
        for path in sorted(base.rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            relative = path.relative_to(root).as_posix()
            source_layer = folder_of(relative)
            if source_layer != folder:
                continue  # belongs to a deeper listed folder, checked there
            text = path.read_text(encoding="utf-8", errors="replace")
            for match in INCLUDE.finditer(text):
                target = folder_of(match.group(1))
                if target is None or target == source_layer:
                    continue
                edges.setdefault(source_layer, set()).add(target)
                if target not in ALLOWED[source_layer]:
                    line = text.count("\n", 0, match.start()) + 1
                    problems.append(f"{relative}:{line}: {source_layer}/ may not include {match.group(1)}")
    # Cycles among the folders actually included (the table above has none, but keep it honest if edited).
    state: dict[str, int] = {}

    def visit(node: str, trail: list[str]) -> None:
        state[node] = 1
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == 1:
                cycle = trail[trail.index(nxt):] + [nxt] if nxt in trail else [node, nxt]
                problems.append("folder cycle: " + " -> ".join(cycle))
            elif nxt not in state:
                visit(nxt, trail + [nxt])
        state[node] = 2

    for node in sorted(edges):
        if node not in state:
            visit(node, [node])
    return problems


def self_test(root: pathlib.Path) -> bool:
    """A copy of the sources with one include against the direction must fail the check."""
    with tempfile.TemporaryDirectory() as scratch:
        copy = pathlib.Path(scratch)
        for folder in {f.split("/")[0] for f in ALLOWED}:
            if (root / folder).is_dir():
                shutil.copytree(root / folder, copy / folder,
                                ignore=shutil.ignore_patterns("*.bmp", "*.wav", "*.ico", "*.png", "tools"))
        planted = copy / "raster" / "planted.h"
        planted.write_text('#pragma once\n#include "lens/form_filter.h"\n')
        found = check(copy)
        return any("raster/planted.h" in p for p in found)


def main() -> int:
    args = [a for a in sys.argv[1:] if a != "--self-test"]
    root = pathlib.Path(args[0] if args else pathlib.Path(__file__).resolve().parent.parent)
    problems = check(root)
    for p in problems:
        print(p)
    if "--self-test" in sys.argv and not self_test(root):
        print("the layering check missed a planted include of lens/ from raster/")
        return 1
    if problems:
        return 1
    print("layering: every folder includes only the folders below it")
    return 0


if __name__ == "__main__":
    sys.exit(main())
