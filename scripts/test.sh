#!/bin/sh
# Sets up, builds and runs the whole test suite.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
# Windows: both builds are made; the 64-bit one is tested under Wine (64-bit Wine only).
scripts/build-windows.sh
ctest --test-dir build-windows/x86_64 --output-on-failure
