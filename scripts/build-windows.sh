#!/bin/sh
# Cross-builds the Windows program with Debian's MinGW-w64 compilers, 32-bit into
# build-windows/i686 and 64-bit into build-windows/x86_64, each with its Wine tests.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
for target in i686 x86_64; do
  cmake -S . -B "build-windows/$target" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-mingw-$target.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "build-windows/$target" -j "$(nproc)"
done
