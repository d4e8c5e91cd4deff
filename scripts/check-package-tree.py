#!/usr/bin/env python3
"""Installs a build into a throw-away root, as scripts/package.sh does before it packs, and checks
what a user of the package gets: the file list, the validators of the desktop entry, the metadata and
the manual pages, the completion, the programs' --help and --version, and a first start that sets up
the user's data from the installed image.

  check-package-tree.py BUILDFOLDER"""
import os
import pathlib
import signal
import struct
import subprocess
import sys
import tempfile
import time

REQUIRED = [
    "usr/bin/velta98",
    "usr/bin/veltadb",
    "usr/share/velta98/DATEN/RE.DBF",
    "usr/share/velta98/DATEN/ZU.DBF",
    "usr/share/velta98/DATEN/VE.DAT",
    "usr/share/velta98/DATEN/VELTA.MID",
    "usr/share/velta98/DATEN/1.WAV",
    "usr/share/velta98/UPDATE/V98_R.DBF",
    "usr/share/applications/de.velta98.velta98.desktop",
    "usr/share/metainfo/de.velta98.velta98.metainfo.xml",
    "usr/share/man/man1/velta98.1",
    "usr/share/man/man1/veltadb.1",
    "usr/share/bash-completion/completions/veltadb",
    "usr/share/doc/velta98/copyright",
    "usr/share/doc/velta98/SOURCES.md",
]
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
ALLOWED_TOP = ("usr/bin/", "usr/share/velta98/", "usr/share/applications/", "usr/share/metainfo/",
               "usr/share/icons/hicolor/", "usr/share/man/man1/", "usr/share/bash-completion/completions/",
               "usr/share/doc/velta98/")

faults = []


def check(ok, text):
    if not ok:
        faults.append(text)
    return ok


def run(args, **kw):
    return subprocess.run(args, capture_output=True, encoding="utf-8", **kw)


def png_size(path):
    header = path.read_bytes()[:24]
    return struct.unpack(">II", header[16:24]) if header[:8] == b"\x89PNG\r\n\x1a\n" else None


def check_tree(root):
    files = sorted(str(p.relative_to(root)) for p in root.rglob("*") if p.is_file() or p.is_symlink())
    for f in REQUIRED:
        check(f in files, f"fehlt: {f}")
    for size in ICON_SIZES:
        icon = root / f"usr/share/icons/hicolor/{size}x{size}/apps/velta98.png"
        check(icon.is_file() and png_size(icon) == (size, size), f"Symbol {size}x{size} fehlt oder falsch")
    check(len([f for f in files if f.startswith("usr/share/velta98/BILDER/")]) > 100, "Fotos fehlen")
    check(len([f for f in files if f.startswith("usr/share/doc/velta98/") and f.endswith(".txt")]) >= 3,
          "Lizenztexte fehlen")
    for f in files:
        check(f.startswith(ALLOWED_TOP), f"unerwartete Datei: {f}")
        mode = (root / f).stat().st_mode & 0o777
        want = 0o755 if f.startswith("usr/bin/") else 0o644
        check(mode == want, f"{f}: Rechte {oct(mode)} statt {oct(want)}")
    # No maintainer scripts: the icon cache and menu are refreshed by the system's own triggers.
    check(not (root / "DEBIAN").exists(), "Wartungsskripte im Installationsbaum")


def check_validators(root):
    desktop = root / "usr/share/applications/de.velta98.velta98.desktop"
    result = run(["desktop-file-validate", str(desktop)])
    check(result.returncode == 0 and not result.stdout.strip(), "desktop-file-validate: " + result.stdout)
    result = run(["appstreamcli", "validate", "--no-net", "--pedantic",
                  str(root / "usr/share/metainfo/de.velta98.velta98.metainfo.xml")])
    check(result.returncode == 0, "appstreamcli: " + result.stdout)
    for name in ("velta98", "veltadb"):
        page = root / f"usr/share/man/man1/{name}.1"
        env = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80")
        result = run(["man", "--warnings", "-E", "UTF-8", "-l", str(page)], env=env)
        text = result.stdout
        check(result.returncode == 0 and not result.stderr.strip(), f"man {name}: {result.stderr}")
        for heading in ("NAME", "ÜBERSICHT", "ERSTER START", "DATEIEN", "SIEHE AUCH"):
            check(heading in text, f"man {name}: Abschnitt {heading} fehlt")
    page = run(["man", "-l", str(root / "usr/share/man/man1/veltadb.1")], env=dict(os.environ, LC_ALL="C.UTF-8"))
    for verb in ("zuruecksichern-rueckgaengig", "json-import", "recipe-add", "decoration-delete"):
        check(verb in page.stdout, f"man veltadb: {verb} fehlt")


def check_completion(root):
    script = root / "usr/share/bash-completion/completions/veltadb"
    probe = (f'source "{script}"; COMP_WORDS=(veltadb "$1"); COMP_CWORD=1; _veltadb; '
             'printf "%s\\n" "${COMPREPLY[@]}"')
    for typed, expected in (("zu", {"zuruecksichern", "zuruecksichern-rueckgaengig"}),
                            ("taste-", {"taste-list", "taste-add", "taste-rename", "taste-delete"}),
                            ("json", {"json", "json-import"})):
        offered = set(run(["bash", "-c", probe, "probe", typed]).stdout.split())
        check(offered == expected, f"Vervollständigung von {typed!r}: {sorted(offered)}")


def check_programs(root, home):
    env = dict(os.environ, LC_ALL="C.UTF-8")
    env.pop("DISPLAY", None)
    env.pop("QT_QPA_PLATFORM", None)  # --help and --version need no window system
    for name in ("velta98", "veltadb"):
        program = str(root / "usr/bin" / name)
        version = run([program, "--version"], env=env)
        check(version.returncode == 0 and version.stdout.startswith(f"{name} (Velta Cocktails 98) "),
              f"{name} --version: {version.stdout}{version.stderr}")
        helped = run([program, "--help"], env=env)
        check(helped.returncode == 0 and helped.stdout.startswith(f"Aufruf: {name} ") and
              "Erster Start:" in helped.stdout, f"{name} --help: {helped.stdout[:200]}{helped.stderr}")

    # The first start of a user: the data come from the installed image, once.
    runtime = home / "runtime"
    runtime.mkdir(mode=0o700, parents=True)
    env = {k: v for k, v in os.environ.items() if not k.startswith(("XDG_", "VELTA98_"))}
    env.update(HOME=str(home), USER=f"package-tree-{os.getpid()}", QT_QPA_PLATFORM="offscreen",
               XDG_RUNTIME_DIR=str(runtime), LC_ALL="C.UTF-8")
    ini = home / ".config/velta98/VELTA98.INI"
    program = subprocess.Popen([str(root / "usr/bin/velta98")], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    deadline = time.monotonic() + 60
    while not ini.exists() and program.poll() is None and time.monotonic() < deadline:
        time.sleep(0.2)
    time.sleep(2)  # the main window and the notice come up
    running = program.poll() is None
    program.send_signal(signal.SIGTERM)
    try:
        code = program.wait(60)
    except subprocess.TimeoutExpired:
        program.kill()
        code = "hängt"
    check(running and code == 0, f"Erster Start: Ende {code}; {program.stderr.read()[-2000:]}")
    check((home / ".local/share/velta98/DATEN/RE.DBF").is_file(), "Erster Start: keine Daten eingerichtet")
    image = str(root / "usr/share/velta98/")
    check(ini.exists() and image in ini.read_text(encoding="latin-1"),
          "Erster Start: VELTA98.INI nennt das installierte Abbild nicht")


def main(build):
    with tempfile.TemporaryDirectory() as scratch:
        root = pathlib.Path(scratch) / "root"
        env = dict(os.environ, DESTDIR=str(root))
        result = run(["cmake", "--install", build, "--prefix", "/usr"], env=env)
        if result.returncode != 0:
            print(result.stdout, result.stderr)
            return 1
        check_tree(root)
        check_validators(root)
        check_completion(root)
        check_programs(root, pathlib.Path(scratch) / "home")
    for f in faults:
        print(f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
