#!/bin/sh
# Sets up, builds and runs the whole test suite: the program's, the benchmark's and the Windows
# build's under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh "running testing windows" build -DBUILD_TESTING=ON -DTALVO_BUILD_BENCH=ON \
  -DTALVO_BUILD_EXAMPLES=ON
# Two tests a core: most of their time is spent waiting on their X servers, not computing.
ctest --test-dir build --output-on-failure -j "$(($(nproc) * 2))"
# Windows: both builds are made; the 64-bit one is tested under Wine (64-bit Wine only).
scripts/build-windows.sh
ctest --test-dir build-windows/x86_64 --output-on-failure
