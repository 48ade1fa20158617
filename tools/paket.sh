#!/usr/bin/env bash
# Builds the Debian package build/release/quantora_<version>_amd64.deb from the release build of ./run.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/pakete.sh
quantora_installiere dpkg-dev
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUANTORA_TESTS=OFF -DQUANTORA_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target package
ls "$PWD"/build/release/quantora_*.deb
