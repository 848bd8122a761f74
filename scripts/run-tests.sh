#!/usr/bin/env bash
# Installs what is missing, builds everything with the given preset (default:
# ci) for Qt 5 and with its Qt 6 twin (<preset>-qt6), then runs both test
# suites with CTest, Qt 5's first. The Qt 6 suite also compares the two
# builds (validator states, both installed into one prefix).
#   scripts/run-tests.sh [--qt 5|6] [PRESET]   --qt: one major only
set -euo pipefail
cd "$(dirname "$0")/.."
majors=(5 6)
if [ "${1:-}" = --qt ]; then
    majors=("$2")
    shift 2
fi
preset="${1:-ci}"
scripts/bootstrap.sh
presets=()
for major in "${majors[@]}"; do
    case "$major" in
        5) presets+=("$preset") ;;
        6) presets+=("$preset-qt6") ;;
        *) echo "run-tests: --qt takes 5 or 6" >&2; exit 2 ;;
    esac
done
for p in "${presets[@]}"; do
    cmake --preset "$p"
    cmake --build --preset "$p" --parallel "$(nproc)"
done
for p in "${presets[@]}"; do
    echo "== tests: $p =="
    ctest --preset "$p" --parallel "$(nproc)"
done
