#!/bin/sh
# A program of one's own built against an installed copy: the project's build is installed into
# an empty prefix, the example's two sources and its CMakeLists.txt are copied into an empty
# folder, configured there with find_package(talvo), built, and run (turning_cube_runs.sh).
#   outside_project.sh BUILD_DIR WORK_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work/project"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cp "$here/../../examples/turning_cube/"* "$work/project/"
cmake -S "$work/project" -B "$work/project/build" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/project/build" >/dev/null
cd "$work"
exec "$here/turning_cube_runs.sh" "$work/project/build/turning_cube"
