#!/usr/bin/env bash
# Builds Glimra.exe and runs it under Wine in a private prefix (build/windows/wineprefix-system).
# With no display it runs headless in Xvfb and saves a screenshot to build/windows/glimra-screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
exec /usr/bin/python3 tools/run_glimra.py
