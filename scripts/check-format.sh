#!/usr/bin/env bash
# Fails when a C++ source file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | while read -r f; do [ -f "$f" ] && echo "$f"; done)
[ ${#files[@]} -gt 0 ] || exit 0
clang-format --dry-run --Werror "${files[@]}"
