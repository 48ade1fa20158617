#!/bin/sh
# Installs into a temporary prefix and checks that program, launcher, data, icon and desktop file arrive.
set -e
build="$1"
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
cmake --install "$build" --prefix "$ziel/prefix" >/dev/null
for f in bin/quantora bin/quantora-start share/applications/quantora.desktop \
         share/icons/hicolor/48x48/apps/quantora.png share/quantora/daten/Gruppen.nfo share/quantora/daten/Gebiet.nfo; do
    [ -e "$ziel/prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
grep -q '^Exec=quantora-start' "$ziel/prefix/share/applications/quantora.desktop"
# The launcher fills an empty data folder and never overwrites a changed file.
mkdir -p "$ziel/home/.local/share/quantora"
echo geaendert > "$ziel/home/.local/share/quantora/Gebiet.nfo"
HOME="$ziel/home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen timeout 8 "$ziel/prefix/bin/quantora-start" || true
[ -e "$ziel/home/.local/share/quantora/Gruppen.nfo" ]
[ "$(cat "$ziel/home/.local/share/quantora/Gebiet.nfo")" = geaendert ]
echo "installation ok"
