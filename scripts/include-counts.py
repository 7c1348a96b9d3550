#!/usr/bin/env python3
"""Counts the includes between modules: one line per pair, `<from> -> <to> <count>`.

A file belongs to the first module its path starts with (longest prefix first); an include
`#include "module/..."` names the module it reaches. Tests are counted apart, as `<module>/tests`.
Run from anywhere; it reads the tracked C++ files of the repository.
"""
import collections
import pathlib
import re
import subprocess

MODULES = ["table/layout/", "table/card_art/", "records/ui/", "engine/", "records/",
           "session/", "table/", "ui/", "tools/"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def module_of(path):
    for prefix in MODULES:
        if path.startswith(prefix):
            return prefix[:-1]
    return None


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    files = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], cwd=root, check=True,
                           capture_output=True, text=True).stdout.split()
    counts = collections.Counter()
    for path in files:
        home = module_of(path)
        if home is None:
            continue
        source = home + "/tests" if "/tests/" in path else home
        for line in (root / path).read_text(encoding="utf-8", errors="replace").splitlines():
            m = INCLUDE.match(line)
            target = module_of(m.group(1)) if m else None
            if target and target != home:
                counts[(source, target)] += 1
    for (source, target), n in sorted(counts.items()):
        print(f"{source} -> {target} {n}")


if __name__ == "__main__":
    main()
