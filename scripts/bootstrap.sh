#!/usr/bin/env bash
# Installs the Debian 12 packages Veltrix needs to build, test and run its
# gallery with Qt 5 and with Qt 6; only those that are missing. Safe to run
# again. VELTRIX_WITH_DOCS=1 adds what the API reference needs (target docs),
# VELTRIX_WITH_FUZZERS=1 what the fuzzers need.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libqt6opengl6-dev
    fonts-dejavu-core
)
# libqt6opengl6-dev is only a recommendation of qt6-base-dev, but Qt 6's
# Designer and UI Tools packages cannot be found by CMake without it.
if [ "${VELTRIX_WITH_DOCS:-0}" = 1 ]; then
    # Doxygen and Graphviz, Qt's Qt Help generator, Qt's own reference (for
    # links to Qt's classes) and python3 for the docs build's scripts.
    packages+=(doxygen graphviz qhelpgenerator-qt5 qtbase5-doc-html python3)
fi
if [ "${VELTRIX_WITH_FUZZERS:-0}" = 1 ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "bootstrap: all build dependencies are installed."
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "bootstrap: missing packages: ${missing[*]}" >&2
    echo "bootstrap: run this script as root (or: sudo apt-get install ${missing[*]})." >&2
    exit 1
fi

echo "bootstrap: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
