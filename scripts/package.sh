#!/usr/bin/env bash
# Builds the Debian package velta98_<version>_<arch>.deb from a release build:
# installs into a staging root, computes the dependencies from the binaries, packs the root and
# checks the package with lintian, desktop-file-validate and appstreamcli.
#   scripts/package.sh [PRESET]    (default: release; another preset packs that build instead)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
bash scripts/setup-debian.sh
cmake --preset "$preset" >/dev/null
# The two programs and everything their image and the desktop files are made of; no tests or
# benchmarks.
cmake --build --preset "$preset" --target velta98 veltadb velta_databuild velta_media velta_photos \
  velta_desktop_files

build=build/$preset
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
work=$build/package
root=$work/root
rm -rf "$work"
mkdir -p "$root"
DESTDIR="$PWD/$root" cmake --install "$build" --prefix /usr --strip >/dev/null

doc=$root/usr/share/doc/velta98
gzip -9n "$root"/usr/share/man/man1/*.1
cat >"$work/changelog" <<CHANGELOG
velta98 ($version) unstable; urgency=medium

  * Release $version.

 -- Velta Cocktails 98 <velta98@example.org>  $(date -R -d @"${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}")
CHANGELOG
gzip -9n -c "$work/changelog" >"$doc/changelog.gz"

# dpkg-shlibdeps reads the package names from a control file in debian/.
mkdir -p "$work/debian"
printf 'Source: velta98\n\nPackage: velta98\nArchitecture: any\n' >"$work/debian/control"
depends=$(cd "$work" && dpkg-shlibdeps -O -e root/usr/bin/velta98 -e root/usr/bin/veltadb 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')

mkdir -p "$root/DEBIAN"
cat >"$root/DEBIAN/control" <<CONTROL
Package: velta98
Version: $version
Architecture: $arch
Maintainer: Velta Cocktails 98 <velta98@example.org>
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $depends, fonts-liberation2, fonts-wine, fonts-symbola
Recommends: qt6-wayland, timgm6mb-soundfont | sf2-soundfont-gm
Section: misc
Priority: optional
Homepage: https://velta98.example.org/
Description: German cocktail database for the home
 Velta Cocktails 98 keeps an alphabetical list of drinks, each with its
 recipe, ingredients, strength, garnish, instructions and photo. It
 searches by criteria, keeps three home bars and shows what they can mix,
 plans shopping and parties, prints recipe cards and bar menus, exports
 text and JSON-LD and backs up the data. The user interface is German.
 .
 The package brings the program velta98, the command-line tool veltadb
 and the shipped recipe data; each user's first start sets up a copy of
 the data in the user's own folder.
CONTROL
(cd "$root" && find usr -type f -printf '%P\n' | LC_ALL=C sort | sed 's|^|usr/|' | xargs md5sum) \
  >"$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

deb=velta98_${version}_${arch}.deb
fakeroot dpkg-deb --root-owner-group -Zxz --build "$root" "$build/$deb" >/dev/null
desktop-file-validate "$root/usr/share/applications/de.velta98.velta98.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/de.velta98.velta98.metainfo.xml"
lintian --fail-on error --suppress-tags-from-file /dev/null "$build/$deb" || {
  echo "lintian meldet Fehler." >&2
  exit 1
}
echo "Paket: $build/$deb"
