#!/usr/bin/env python3
"""Spell-check the shipped texts with hunspell (German dictionary from Debian).

Reads the text fields of data/ and the help pages, runs `hunspell -d de_DE -l`
over them and prints every word that is neither in the dictionary nor in the
accepted word list data/proofread-words.txt, with file and line.

Usage: scripts/proofread.py [--counts] [--unused]
  --counts  print the number of files, words and flagged words at the end
  --unused  also list accepted words that no text uses any more
Exit status 1 when an unaccepted word is found.
"""
import html
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
WORDLIST = ROOT / "data" / "proofread-words.txt"
# Keys whose values are prose or names; numbers, picture names and the
# ingredient references of recipe lines ("Zutat:") are not text.
TEXT_KEYS = {"Name", "Anleitung", "Bemerkung", "Kommentar", "Text"}
KEY_RE = re.compile(r"^([A-Za-zÄÖÜäöüß]+):\s?(.*)$")


def block_texts(path):
    """Yield (line number, text) for the text fields of a block file."""
    key = None
    for no, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if line.startswith("#") or not line.strip() or line.startswith("["):
            key = None if line.startswith("[") else key
            continue
        if line.startswith("  ") and key:
            if key in TEXT_KEYS:
                yield no, line.strip()
            continue
        m = KEY_RE.match(line)
        if m:
            key = m.group(1)
            if key in TEXT_KEYS:
                yield no, m.group(2)


def list_texts(path):
    for no, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if line.strip() and not line.startswith("#"):
            yield no, line


def html_texts(path):
    for no, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        text = html.unescape(re.sub(r"<[^>]*>", " ", line))
        if text.strip():
            yield no, text


def sources():
    data = ROOT / "data"
    for p in sorted((data / "zutaten").glob("*.txt")):
        yield p, block_texts(p)
    for p in sorted((data / "rezepte").glob("*.txt")):
        yield p, block_texts(p)
    for name in ("deko.txt", "lexikon.txt"):
        yield data / name, block_texts(data / name)
    for name in ("kategorien.txt", "geschmack.txt"):
        yield data / name, list_texts(data / name)
    for p in sorted((ROOT / "src" / "ui" / "help").glob("*.html")):
        yield p, html_texts(p)


# A word: letters (with German letters and accents), inner hyphens and
# apostrophes allowed; hyphenated compounds are checked part by part.
WORD_RE = re.compile(r"[A-Za-zÀ-ÖØ-öø-ÿ]+(?:['’][A-Za-zÀ-ÖØ-öø-ÿ]+)*")


def accepted_words():
    words = set()
    if WORDLIST.exists():
        for line in WORDLIST.read_text(encoding="utf-8").splitlines():
            line = line.split("#", 1)[0].strip()
            if line:
                words.add(line)
    return words


def main():
    counts = "--counts" in sys.argv
    occurrences = {}  # word -> list of "file:line"
    nfiles = nwords = 0
    for path, lines in sources():
        nfiles += 1
        rel = path.relative_to(ROOT)
        for no, text in lines:
            for w in WORD_RE.findall(text):
                nwords += 1
                occurrences.setdefault(w, []).append(f"{rel}:{no}")
    words = sorted(occurrences)
    out = subprocess.run(["hunspell", "-d", "de_DE", "-l"], input="\n".join(words) + "\n",
                         capture_output=True, text=True, encoding="utf-8", check=True).stdout
    flagged = sorted(set(out.split()))
    accepted = accepted_words()
    bad = [w for w in flagged if w not in accepted]
    for w in bad:
        where = occurrences.get(w, ["?"])
        print(f"{w}\t{len(where)}\t{', '.join(where[:3])}")
    if counts:
        print(f"# files {nfiles}, words {nwords}, distinct {len(words)}, "
              f"flagged by hunspell {len(flagged)}, accepted {len(flagged) - len(bad)}, "
              f"open {len(bad)}", file=sys.stderr)
    if "--unused" in sys.argv:
        for w in sorted(accepted - set(flagged)):
            print(f"unused accepted word: {w}", file=sys.stderr)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
