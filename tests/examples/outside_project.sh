#!/bin/sh
# A program of one's own, from an empty directory, against an installed copy: the project's build
# is installed into an empty prefix; the README's CMakeLists.txt and main.cpp (the indented blocks
# under "`CMakeLists.txt`:" and "`main.cpp`:" of "Drawing a scene") are written into an empty
# folder, configured there with find_package(talvo), built, and run (program_test.sh's draws).
#   outside_project.sh BUILD_DIR WORK_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work/project"
cmake --install "$build" --prefix "$work/prefix" >/dev/null

# The indented block after the line naming FILE, without its indent.
from_readme() { # FILE
  awk -v name="\`$1\`:" '
    $0 == name { inside = 1; next }
    inside && /^    / { print substr($0, 5); started = 1; next }
    inside && /^$/ { if (started) print; next }
    inside { exit }' "$here/../../README.md"
}
from_readme CMakeLists.txt >"$work/project/CMakeLists.txt"
from_readme main.cpp >"$work/project/main.cpp"

cmake -S "$work/project" -B "$work/project/build" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/project/build" >/dev/null
cd "$work"
exec "$here/../program/program_test.sh" "$work/project/build/triangle" 'draws ^Triangle$'
