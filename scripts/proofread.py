#!/usr/bin/env python3
"""Spell-check the shipped texts with hunspell (German dictionary from Debian).

Reads the text fields of data/ and the help pages, runs `hunspell -d de_DE -l`
over them and prints every word that is neither in the dictionary nor in the
accepted word list data/proofread-words.txt, with file and line.

Usage: scripts/proofread.py [--counts] [--unused] [--style]
  --counts  print the number of files, words and flagged words at the end
  --unused  also list accepted words that no text uses any more
  --style   also report the house-style slips that a spell checker cannot
            see (separable verbs written apart, avoidable anglicisms, one
            spelling per compound); continued lines are joined first, so a
            line break does not hide a hit
Exit status 1 when an unaccepted word or a style slip is found.
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


# A word: letters (German letters, accents and the other letters Windows-1252 stores), inner hyphens and
# apostrophes allowed; hyphenated compounds are checked part by part.
WORD_RE = re.compile(r"[A-Za-zÀ-ÖØ-öø-ÿŠšŽžŒœŸ]+(?:['’][A-Za-zÀ-ÖØ-öø-ÿŠšŽžŒœŸ]+)*")


# Slips the dictionary accepts word by word. Each pattern is matched against
# a whole field with its continuation lines joined.
STYLE_RULES = [
    ("separable verb written apart",
     re.compile(r"\b(darauf|darüber|daneben|hinein|hinzu|heraus|zurück|obendrauf)"
                r" (gießen|geben|laufen|gleiten|legen|setzen|stellen|stecken|streuen"
                r"|träufeln|tropfen|reiben|schichten|spritzen|hängen|seihen)\b")),
    ("anglicism: say schütteln or auffüllen",
     re.compile(r"\b(ge)?(shaken|shakt|geshak\w*|toppen|getoppt|toppt|muddeln|gemuddelt)\b",
                re.IGNORECASE)),
    ("Champagnercocktail is one word",
     re.compile(r"\bChampagner[ -]Cocktail")),
    ("decades are written with a hyphen (1980er-Jahre)",
     re.compile(r"\b\d{2,4}er Jahr")),
    ("one phrase for straining twice: per Double Strain",
     re.compile(r"\b[Ii]m Double Strain")),
    ("one word for pouring unstrained: ungeseiht",
     re.compile(r"\b[Uu]nge(siebt|filtert)\b")),
    ("instruction without its verb (dazugeben)",
     re.compile(r"\b(Eiswürfel|Minzblätter|Eis) dazu und\b")),    # The accepted word list has to know these stems for hyphenated compounds; standing apart
    # before a noun they are a missing hyphen ("Himbeer Fizz").
    ("compound needs its hyphen (Himbeer-Fizz)",
     re.compile(r"\b(Him|Erd|Brom|Heidel|Johannis|Preisel|Stachel)beer [A-ZÄÖÜ]")),
    ("Wodka, not Vodka, in German text and names",
     re.compile(r"\bVodka\b")),
]
# The lexicon article that explains a term may name it.
STYLE_EXEMPT_NAMES = {"Muddeln", "Stößel"}


def joined_fields():
    """Yield (file, line, key, name, text) per field with continuation lines joined."""
    data = ROOT / "data"
    files = sorted((data / "zutaten").glob("*.txt")) + sorted((data / "rezepte").glob("*.txt"))
    files += [data / "deko.txt", data / "lexikon.txt"]
    for path in files:
        name = key = None
        start, parts = 0, []
        lines = path.read_text(encoding="utf-8").splitlines() + [""]
        for no, line in enumerate(lines, 1):
            if line.startswith("  ") and key:
                parts.append(line.strip())
                continue
            if key in TEXT_KEYS:
                yield path, start, key, name, " ".join(parts)
            key = None
            m = KEY_RE.match(line)
            if m and not line.startswith("#"):
                key, start, parts = m.group(1), no, [m.group(2)]
                if key == "Name":
                    name = m.group(2).strip()
            elif line.startswith("["):
                name = None


def style_slips():
    slips = []
    for path, no, key, name, text in joined_fields():
        if key == "Name":
            continue
        for what, rule in STYLE_RULES:
            for m in rule.finditer(text):
                if name in STYLE_EXEMPT_NAMES and what.startswith("anglicism"):
                    continue
                slips.append(f"{path.relative_to(ROOT)}:{no}\t{m.group(0)}\t{what}")
    # one spelling per compound: "Rum-Drink" next to "Rumdrink"
    words = {}
    for path, no, key, name, text in joined_fields():
        if key == "Name":  # names of drinks and ingredients stay as they are
            continue
        for w in re.findall(r"[A-Za-zÄÖÜäöüß]+(?:-[A-Za-zÄÖÜäöüß]+)+", text):
            words.setdefault(w, f"{path.relative_to(ROOT)}:{no}")
    plain = set()
    for path, no, key, name, text in joined_fields():
        plain.update(w.lower() for w in WORD_RE.findall(text))
    for w, where in sorted(words.items()):
        if w.replace("-", "").lower() in plain and not w.endswith("-"):
            slips.append(f"{where}\t{w}\tcompound also written without hyphen")
    return slips


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
    slips = style_slips() if "--style" in sys.argv else []
    for line in slips:
        print(line)
    return 1 if bad or slips else 0


if __name__ == "__main__":
    sys.exit(main())
