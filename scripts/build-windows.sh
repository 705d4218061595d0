#!/bin/sh
# Cross-builds the Windows program with Debian's MinGW-w64 compilers, 32-bit into
# build-windows/i686 and 64-bit into build-windows/x86_64, each with its Wine tests.
set -eu
cd "$(dirname "$0")/.."
for target in i686 x86_64; do
  scripts/build.sh "running windows" "build-windows/$target" \
    -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-mingw-$target.cmake" -DBUILD_TESTING=ON \
    -DTALVO_BUILD_EXAMPLES=ON
done
