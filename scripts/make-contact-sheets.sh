#!/usr/bin/env bash
# Renders the review sheets of the generated media into docs/media/: per theme the main window's
# frame and a dialog painted with the theme's skins, with the text backgrounds behind sample text
# (theme-1.png ... theme-7.png), and 40 drink photos (photos.png). Builds the image first.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
build=build/$preset
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target velta_mediagen velta_media velta_photos
"$build/tools/mediagen/velta_mediagen" sheets "$build/image" docs/media
# The assistant, splash and default pictures side by side, as the dialogs show them.
montage -background '#28282c' -geometry +6+6 -tile 6x \
    "$build"/image/DATEN/{c1,c2,c3,c4,c5,e1,b1,b2,b3,b4,b5,info}.bmp docs/media/assistants.png
montage -background '#28282c' -geometry +6+6 -tile 2x \
    "$build"/image/DATEN/{INTROHI,INTROLO}.BMP docs/media/splash.png
ls -l docs/media
