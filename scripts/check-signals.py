#!/usr/bin/env python3
"""Fails on a signal of a window, session or command that nothing in the program connects to.

A window that announces a request nobody receives loses a feature without a sound, and a test that
only spies on the signal does not notice. Every signal declared under src/ by a widget (a class
derived from a Qt widget class) or by a session, command or controller must be named in a connect()
of the program (src/ or tools/), as `&Class::signal` of its own class or of a class derived from it.
Players and other plumbing whose signals only report progress are outside the rule."""
import pathlib
import re
import sys

CLASS = re.compile(r"^\s*class\s+(\w+)\s*(?:final\s*)?(?::\s*([^{]*))?\{", re.M)
SECTION = re.compile(r"^\s*(signals|Q_SIGNALS|public|private|protected)\b[^:\n]*:", re.M)
SIGNAL = re.compile(r"^\s*void\s+(\w+)\s*\(", re.M)
USE = re.compile(r"&(\w+)::(\w+)\b")
ROLES = ("Session", "Command", "Controller", "Dialog", "Menu", "Table", "Window", "Fenster")


def declared_signals(text):
    """(class, signal) for every signal in the header's class bodies."""
    found = []
    classes = list(CLASS.finditer(text))
    for k, match in enumerate(classes):
        end = classes[k + 1].start() if k + 1 < len(classes) else len(text)
        body = text[match.end():end]
        sections = list(SECTION.finditer(body))
        for j, section in enumerate(sections):
            if section.group(1) not in ("signals", "Q_SIGNALS"):
                continue
            stop = sections[j + 1].start() if j + 1 < len(sections) else len(body)
            stop = min(stop, body.find("\n};") if "\n};" in body else stop)
            for name in SIGNAL.findall(body[section.end():stop]):
                found.append((match.group(1), name))
    return found


def bases(text):
    """class -> direct base class names."""
    out = {}
    for match in CLASS.finditer(text):
        names = re.findall(r"(?:public|protected|private)?\s*(\w+)\s*(?:,|$)", match.group(2) or "")
        out[match.group(1)] = [n for n in names if n not in ("public", "protected", "private")]
    return out


def main(root):
    root = pathlib.Path(root)
    files = [p for folder in ("src", "tools") for p in (root / folder).rglob("*") if p.suffix in (".h", ".cpp")]
    texts = {p: p.read_text(encoding="utf-8") for p in files}
    signals, parents, used = [], {}, set()
    for path, text in texts.items():
        if path.suffix == ".h" and path.parts[len(root.parts)] == "src":
            signals += [(path, cls, name) for cls, name in declared_signals(text)]
        parents.update(bases(text))
        used.update(USE.findall(text))

    def family(cls):
        # The class and every class derived from it: a connect names the signal through either.
        members = {cls}
        grown = True
        while grown:
            grown = False
            for child, base_list in parents.items():
                if child not in members and members & set(base_list):
                    members.add(child)
                    grown = True
        return members

    def ancestors(cls):
        seen, todo = set(), [cls]
        while todo:
            for base in parents.get(todo.pop(), []):
                if base not in seen:
                    seen.add(base)
                    todo.append(base)
        return seen

    def in_scope(cls):
        if cls.endswith(ROLES):
            return True
        return any(a.startswith("Q") and a not in ("QObject", "QRunnable") for a in ancestors(cls))

    faults = []
    for path, cls, name in signals:
        if not in_scope(cls):
            continue
        if not any((member, name) in used for member in family(cls)):
            faults.append(f"{path.relative_to(root)}: {cls}::{name} is emitted but nothing connects to it")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
