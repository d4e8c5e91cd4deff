#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test the program.
# Idempotent: returns at once when everything is present.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake ninja-build pkg-config clang lld clang-format libclang-rt-14-dev
  # Qt 6 and multimedia
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n gstreamer1.0-plugins-good
  libfluidsynth-dev libjack-jackd2-dev timgm6mb-soundfont
  # fonts the program draws with
  fonts-liberation2 fonts-wine fonts-symbola
  # screenshots and headless runs
  xvfb xauth imagemagick poppler-utils
  # independent readers used by the tests, and the benchmark comparison
  python3 python3-dbf python3-dbfread libsqlite3-dev
  # speech and noises of the media scripts
  espeak-ng sox
  # the proofreading check of the shipped texts
  hunspell hunspell-de-de
  # the Debian package and its checks (scripts/package.sh, the test package_tree)
  dpkg-dev fakeroot lintian desktop-file-utils appstream man-db
  # Wayland: the platform plugin the package recommends, and a compositor to try it headless
  qt6-wayland weston
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Fehlende Pakete: ${missing[*]}" >&2
  echo "Bitte als root ausführen: $0" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
