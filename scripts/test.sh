#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test (format check and fuzzers included).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
