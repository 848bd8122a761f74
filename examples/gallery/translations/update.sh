#!/usr/bin/env bash
# Brings gallery_*.ts up to date with the gallery's sources; translations
# already made are kept. Then translate the new entries (Qt Linguist, or by
# hand: they are marked type="unfinished").
#
# The pages translate through a file-local tr(text), which stands for
# QCoreApplication::translate("Gallery", text); lupdate cannot see that, so
# the pages are scanned from copies with the call spelled out.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
gallery="$(dirname "$here")"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$gallery"/*.cpp "$gallery"/*.h "$work"/
mkdir "$work/pages"
for page in "$gallery"/pages/*.cpp; do
    perl -0pe 's/(?<![\w:>.])tr\((?=\s*")/QCoreApplication::translate("Gallery", /g' "$page" >"$work/pages/$(basename "$page")"
done
"$lupdate" -silent -no-obsolete -locations none "$work" -ts "$here"/gallery_*.ts
