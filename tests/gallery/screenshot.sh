#!/bin/bash
# Shows the controls gallery under Wine on a private Xvfb display and saves the window as a PNG.
# Usage: tests/gallery/screenshot.sh <windows-build-dir> <output.png>
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir="$1"
output="$(realpath -m "$2")"
source tools/wine-env.sh "$build_dir"
glimra_start_display
glimra_init_prefix
"$GLIMRA_WINE" "$build_dir/tests/gallery/glimra_gallery.exe" &
gallery=$!
# The gallery window sits at (40, 40) and measures 294 x 398.
found=0
for _ in $(seq 1 200); do
    if xdotool search --name '^Glimra V1.3$' >/dev/null 2>&1; then
        found=1
        break
    fi
    sleep 0.1
done
sleep 1 # let the first paint and the posted glyph settings land
[[ $found == 1 ]] && import -window root -crop 294x398+40+40 +repage "$output"
kill "$gallery" 2>/dev/null || true
glimra_stop_wine
glimra_stop_display
[[ $found == 1 ]] || { echo "the gallery window did not appear" >&2; exit 1; }
echo "saved $output"
