#!/usr/bin/env python3
"""Fails when a file under src/ includes a folder above or beside its own.

Folders point one way: app over the feature folders, over ui, over common, over store.
Feature folders never include each other. Inside a feature, the windows and commands live in its
gui/ folder: the rules in the folder itself never include them."""
import pathlib
import re
import sys

LEVEL = {"store": 0, "common": 1, "ui": 2, "app": 4}
FEATURES = {"browser", "search", "assistants", "calc", "editors", "reference", "print", "exchange", "options"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/', re.M)
GUI_INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/gui/', re.M)


def level(folder):
    return 3 if folder in FEATURES else LEVEL.get(folder)


def main(root):
    src = pathlib.Path(root) / "src"
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        parts = path.relative_to(src).parts
        own = parts[0]
        text = path.read_text(encoding="utf-8")
        if own in FEATURES and "gui" not in parts[1:-1]:
            for target in GUI_INCLUDE.findall(text):
                faults.append(f"{path.relative_to(root)}: a rule includes the windows of {target}/gui/")
        for target in INCLUDE.findall(text):
            if target == own or level(target) is None or level(own) is None:
                continue
            if level(target) >= level(own):
                faults.append(f"{path.relative_to(root)}: includes {target}/")
    for f in faults:
        print(f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
