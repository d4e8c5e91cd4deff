#!/usr/bin/env bash
# Builds the program, installs it for this user when no installation exists, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
image=build/dev/image
"$image/velta98-setup"
exec "$image/velta98" "$@"
