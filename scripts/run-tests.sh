#!/usr/bin/env bash
# Installs what is missing, builds everything with the given preset
# (default: ci) and runs the whole test suite with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-ci}"
scripts/bootstrap.sh
cmake --preset "$preset"
cmake --build --preset "$preset" --parallel "$(nproc)"
ctest --preset "$preset" --parallel "$(nproc)"
