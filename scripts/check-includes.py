#!/usr/bin/env python3
"""Fails when a file under src/ includes a folder above or beside its own.

Folders point one way: app over the feature folders, over ui, over common, over store.
Feature folders never include each other."""
import pathlib
import re
import sys

LEVEL = {"store": 0, "common": 1, "ui": 2, "app": 4}
FEATURES = {"browser", "search", "assistants", "calc", "maint", "reference", "print", "exchange"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/', re.M)


def level(folder):
    return 3 if folder in FEATURES else LEVEL.get(folder)


def main(root):
    src = pathlib.Path(root) / "src"
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        own = path.relative_to(src).parts[0]
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if target == own or level(target) is None or level(own) is None:
                continue
            if level(target) >= level(own):
                faults.append(f"{path.relative_to(root)}: includes {target}/")
    for f in faults:
        print(f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
