#!/usr/bin/env bash
# Renders the main window and a message box in every motif, the home bar dialog and the assistants under
# Xvfb into docs/screenshots/.
# Needs a built dev tree (cmake --build --preset dev).
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
mkdir -p "$out"
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1024x768x24" build/dev/image/velta98-screenshots "$out" "$@"
rm -rf "$XDG_RUNTIME_DIR"
ls "$out"
