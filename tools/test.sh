#!/usr/bin/env bash
# Builds and runs every test: unit tests (native, ASan+UBSan), fuzzers (bounded), the release build and its
# packages, Windows tests under Wine, and system tests that drive the real Glimra.exe, its installer and its
# zip under Wine in Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"

tools/deps.sh
export PATH="/usr/bin:$PATH"   # Debian's python3 with its pytest, whatever else is on PATH
export CTEST_OUTPUT_ON_FAILURE=1

step() { printf '\n=== %s ===\n' "$*"; }

step "Unit tests (native)"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j2

step "Fuzzers (bounded)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
tools/run-fuzzers.sh build/fuzz "${GLIMRA_FUZZ_SECONDS:-20}"

# What ships: the reproducible, stripped release and its two packages, the zip and the installer.
step "Release build and packages"
cmake --workflow --preset release
/usr/bin/python3 -m pytest -q -p no:cacheprovider tests/release --release-dir build/release

# The tests' Windows build points the program's web addresses at a local test host (38457 on 127.0.0.1).
step "Windows build"
cmake --preset windows-test >/dev/null
cmake --build --preset windows-test
x86_64-w64-mingw32-objdump -p build/windows-test/Glimra.exe | tools/check-imports.sh

source tools/wine-env.sh build/windows-test
glimra_start_display
trap 'glimra_stop_wine; glimra_stop_display' EXIT
glimra_init_prefix

step "Windows tests (Wine)"
/usr/bin/python3 tests/windows/run_windows_tests.py build/windows-test
glimra_stop_wine

step "System tests (Wine, Xvfb)"
/usr/bin/python3 -m pytest -q -p no:cacheprovider tests/system --build-dir build/windows-test --release-dir build/release
