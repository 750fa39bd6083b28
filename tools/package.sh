#!/usr/bin/env bash
# Builds the release and makes both packages in build/release/packages: the portable zip
# Glimra-<version>-win64.zip, the installer Glimra-<version>-win64-setup.exe and the debug file.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --workflow --preset release
ls -l build/release/packages
