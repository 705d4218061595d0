#!/bin/sh
# A program of one's own, from an empty directory, by each route "Drawing a scene" gives: the
# README's CMakeLists.txt and main.cpp (the indented blocks under "`CMakeLists.txt`:" and
# "`main.cpp`:"), or its Makefile, are written into an empty folder, built and run
# (program_test.sh's draws):
#   outside_project.sh find_package BUILD_DIR WORK_DIR
#     against an install of the build, found with CMAKE_PREFIX_PATH;
#   outside_project.sh add_subdirectory BUILD_DIR WORK_DIR
#     with this source tree taken in, everything built optimised (where GCC finds more) with the
#     warnings a program's authors may turn on, made errors; the program's install then holds the
#     program alone;
#   outside_project.sh pkg-config BUILD_DIR WORK_DIR
#     against an install of the build, with the README's Makefile and talvo.pc;
#   outside_project.sh windows BUILD_DIR WORK_DIR TOOLCHAIN READER
#     against an install of the Windows build, with the toolchain file (its name) installed with
#     it, run under $WINE; and own_message_box.cpp beside it, whose boxes READER
#     (warning_box_reader.exe) reads on code page 1252.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
route=$1
build=$2
work=$3
project=$work/project
rm -rf "$work"
mkdir -p "$project"

from_readme() { "$here/from_readme.sh" "$@"; }
install_build() {
  cmake --install "$build" --prefix "$work/prefix" >/dev/null
}
cmake_project() { # CONFIGURE_OPTION...
  cmake -S "$project" -B "$project/build" "$@" >/dev/null
  cmake --build "$project/build" -j "$(nproc)" >/dev/null
}
draws() { # PROGRAM
  cd "$work"
  "$here/../program/program_test.sh" "$1" 'draws ^Triangle$'
}
fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

from_readme main.cpp >"$project/main.cpp"
case $route in
find_package)
  install_build
  from_readme CMakeLists.txt >"$project/CMakeLists.txt"
  cmake_project -DCMAKE_PREFIX_PATH="$work/prefix"
  draws "$project/build/triangle" ;;
add_subdirectory)
  { from_readme CMakeLists.txt |
      sed "s|^find_package(talvo REQUIRED)\$|add_subdirectory($here/../.. talvo)|"
    echo 'install(TARGETS triangle)'
  } >"$project/CMakeLists.txt"
  cmake_project -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast -Werror"
  cmake --install "$project/build" --prefix "$work/prefix" >/dev/null
  installed=$(cd "$work/prefix" && find . ! -type d)
  [ "$installed" = ./bin/triangle ] || fail "the program's install holds more:
$installed"
  draws "$project/build/triangle" ;;
pkg-config)
  install_build
  from_readme Makefile >"$project/Makefile"
  export PKG_CONFIG_PATH="$work/prefix/lib/pkgconfig"
  # Every link option the package gives a program through CMake, it gives through pkg-config.
  libs=" $(pkg-config --libs talvo) "
  grep -o 'LINKER:[^";]*' "$work/prefix/lib/cmake/talvo/talvoTargets.cmake" |
    while read -r option; do
      case $libs in *" -Wl,${option#LINKER:} "*) ;; *) fail "pkg-config's Libs lack $option" ;; esac
    done
  make -C "$project" >/dev/null
  draws "$project/triangle" ;;
windows)
  install_build
  { from_readme CMakeLists.txt
    echo 'add_executable(own_message_box WIN32 own_message_box.cpp)'
    echo 'target_link_libraries(own_message_box PRIVATE talvo::glwindow)'
  } >"$project/CMakeLists.txt"
  cp "$here/own_message_box.cpp" "$project"
  cmake_project -DCMAKE_TOOLCHAIN_FILE="$work/prefix/lib/cmake/talvo/$4"
  draws "$project/build/triangle.exe"
  # The program's own box reads in the system's code page; the library's warning, in
  # Windows-1254, is captioned with the program's title, also in the system's.
  box='acp=1252 caption="Caf\u00E9 \u00DE\u00F3r"'
  expected="$box text=\"\\u00DE\\u00F3r's caf\\u00E9 is open.\"
$box text=\"Pencere olu\\u015Fturulamadi.\"
exit=1"
  wineserver --wait # on a wineserver of its own, as in warning_box_code_pages_test.sh
  found=$(LC_ALL=en_US.UTF-8 "$WINE" "$5" "Z:$project/build/own_message_box.exe" | tr -d '\r')
  [ "$found" = "$expected" ] || fail "on code page 1252, expected
$expected
found
$found" ;;
*) fail "no route $route" ;;
esac
