#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
# --sanitize: the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
. tools/pakete.sh
# dpkg-dev builds the package in the package test; the validators check its metadata.
quantora_installiere dpkg-dev appstream desktop-file-utils

build=build/test
opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUANTORA_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build=build/sanitize
    opts=(-DCMAKE_BUILD_TYPE=Debug -DQUANTORA_WERROR=ON -DQUANTORA_SANITIZE=ON -DQUANTORA_BENCH=OFF)
fi
cmake -S . -B "$build" "${opts[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
