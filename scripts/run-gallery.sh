#!/usr/bin/env bash
# Installs what is missing, builds the gallery and runs it: on screen when a
# display is available, otherwise as screenshots of every page and look.
#   scripts/run-gallery.sh [--qt 5|6] [GALLERY OPTIONS]
# --qt 6 builds and runs the Qt 6 build (veltrix-gallery6); other arguments
# go to the gallery (e.g. --style flat).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=gallery
gallery=build/gallery/examples/gallery/veltrix-gallery
shots=build/screenshots
if [ "${1:-}" = --qt ]; then
    case "${2:-}" in
        5) ;;
        6) preset=gallery-qt6 gallery=build/gallery-qt6/examples/gallery/veltrix-gallery6 shots=build/screenshots-qt6 ;;
        *) echo "run-gallery: --qt takes 5 or 6" >&2; exit 2 ;;
    esac
    shift 2
fi
scripts/bootstrap.sh
cmake --preset "$preset"
cmake --build --preset "$preset" --target veltrix-gallery --parallel "$(nproc)"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$gallery" "$@"
fi
out="${VELTRIX_SCREENSHOT_DIR:-$PWD/$shots}"
echo "No display: writing screenshots of every page to $out"
"$gallery" --screenshot "$out" --style all "$@"
