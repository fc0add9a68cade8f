#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings every translatable source text into the four translation files (run from anywhere).
set -euo pipefail

cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt5/bin/lupdate}

# Folders that do not exist yet are left out: lupdate refuses missing paths.
dirs=()
for d in app targets game camera display project settings pdftool analysis cameracheck training history; do
    [ -d "$d" ] && dirs+=("$d")
done

# No source locations: the files then change only when texts change, not when code moves.
"$LUPDATE" -no-obsolete -locations none "${dirs[@]}" \
    -ts Gui/translations/fieldshot_de.ts Gui/translations/fieldshot_en.ts \
        Gui/translations/fieldshot_fr.ts Gui/translations/fieldshot_es.ts
