#!/usr/bin/env bash
# Installs what is missing, builds, prepares the user's data folder and starts Quantora Pro.
set -euo pipefail
cd "$(dirname "$0")"
. tools/pakete.sh
quantora_installiere
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUANTORA_TESTS=OFF -DQUANTORA_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target quantora

daten="${XDG_DATA_HOME:-$HOME/.local/share}/quantora"
mkdir -p "$daten"
# Shipped files are added when missing; the user's own changes are never overwritten.
for f in build/release/daten/*; do
    [ -e "$daten/$(basename "$f")" ] || cp "$f" "$daten/"
done
cd "$daten"
exec "$OLDPWD/build/release/quantora"
