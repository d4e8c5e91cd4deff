#!/usr/bin/env python3
"""Makes the manual page and the bash completion of a program from what its "--help" prints.

  shell-docs.py man PROGRAM SUMMARY VERSION OUT   roff page NAME(1) of the program
  shell-docs.py completion PROGRAM OUT            bash completion of veltadb's verbs

The help text is read as: a first line "Aufruf: ...", paragraphs of plain lines, headings (a line
ending in ":" alone), and items ("  TERM  DESCRIPTION", two spaces or more between them; deeper
indented lines continue the description)."""
import os
import re
import subprocess
import sys

ITEM = re.compile(r"^  (\S.*?)(?:\s{2,}(\S.*))?$")
HEADING = re.compile(r"^(\S[^:]*):$")


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


def term(text):
    # The program name, the verb and literal options in bold, the placeholders (capitals) in italics.
    words = []
    for i, word in enumerate(text.split(" ")):
        literal = i == 0 or not any(c.isupper() for c in word)
        words.append(("\\fB%s\\fR" if literal else "\\fI%s\\fR") % roff(word))
    return " ".join(words)


def parse(lines):
    """Yields (kind, value): ("usage", text), ("heading", text), ("text", text), ("item", (term, desc))."""
    item = None
    for line in lines:
        if line.startswith("Aufruf: "):
            yield "usage", line[len("Aufruf: "):]
            continue
        if item and line.startswith("    ") and line.strip():
            item[1] = (item[1] + " " + line.strip()).strip()
            continue
        if item:
            yield "item", tuple(item)
            item = None
        if not line.strip():
            yield "break", None
        elif HEADING.match(line):
            yield "heading", HEADING.match(line).group(1)
        elif ITEM.match(line):
            m = ITEM.match(line)
            item = [m.group(1), m.group(2) or ""]
        else:
            yield "text", line.strip()
    if item:
        yield "item", tuple(item)


def man(name, summary, version, help_text):
    out = [f'.TH {name.upper()} 1 "" "Velta Cocktails 98 {version}" "Velta Cocktails 98"',
           ".SH NAME", f"{roff(name)} \\- {roff(summary)}"]
    described = False
    for kind, value in parse(help_text.splitlines()):
        if kind == "usage":
            out += [".SH ÜBERSICHT", term(value)]
        elif kind == "heading":
            out += [".SH " + roff(value.upper())]
            described = True
        elif kind == "text":
            if not described:
                out += [".SH BESCHREIBUNG"]
                described = True
            out.append(roff(value))
        elif kind == "break":
            if out[-1] != ".PP" and not out[-1].startswith(".SH"):
                out.append(".PP")
        elif kind == "item":
            out += [".TP", term(value[0]) if value[0].startswith(name) else "\\fB%s\\fR" % roff(value[0]),
                    roff(value[1]) if value[1] else ".br"]
    while out[-1] == ".PP":
        out.pop()
    return "\n".join(out) + "\n"


def verbs(help_text):
    found = re.findall(r"^  veltadb (\S+)", help_text, re.M) + re.findall(r"\bebenso ([a-z]+-[a-z]+)", help_text)
    return sorted(set(found), key=found.index)


def completion(help_text):
    words = " ".join(verbs(help_text))
    return f"""# bash completion for veltadb, made from "veltadb --help" by the build.
_veltadb() {{
    local cur="${{COMP_WORDS[COMP_CWORD]}}"
    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY=($(compgen -W "{words}" -- "$cur"))
    else
        # Folders, tables and files: what the shell offers anyway.
        compopt -o default
        COMPREPLY=()
    fi
}}
complete -F _veltadb veltadb
"""


def help_of(program):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
    return subprocess.run([program, "--help"], env=env, check=True, capture_output=True, encoding="utf-8").stdout


def main(args):
    if len(args) == 5 and args[0] == "man":
        program, summary, version, target = args[1:]
        text = man(os.path.basename(program), summary, version, help_of(program))
    elif len(args) == 3 and args[0] == "completion":
        text = completion(help_of(args[1]))
        target = args[2]
    else:
        print(__doc__, file=sys.stderr)
        return 2
    with open(target, "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
