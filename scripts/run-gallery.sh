#!/usr/bin/env bash
# Installs what is missing, builds the gallery and runs it: on screen when a
# display is available, otherwise as screenshots of every page and look.
# Extra arguments go to veltrix-gallery (e.g. --style flat).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset gallery
cmake --build --preset gallery --target veltrix-gallery --parallel "$(nproc)"
gallery=build/gallery/examples/gallery/veltrix-gallery
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$gallery" "$@"
fi
out="${VELTRIX_SCREENSHOT_DIR:-$PWD/build/screenshots}"
echo "No display: writing screenshots of every page to $out"
"$gallery" --screenshot "$out" --style all "$@"
