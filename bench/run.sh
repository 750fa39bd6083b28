#!/usr/bin/env bash
# Builds Glimra and the minimal tray program, then compares them under Wine (takes about three minutes).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
exec /usr/bin/python3 bench/benchmark.py "$@"
