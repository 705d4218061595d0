#!/bin/sh
# Installs the Debian packages of the named groups; packages already present are left as they
# are. Run as root (or with sudo available).
#   setup.sh GROUP...
# Each command names what it needs: the run command "running", the test command "running
# testing windows", the benchmark "running bench".
set -eu

group_packages() {
  case "$1" in
    # Build and run the program; a virtual display with a window manager where there is none,
    # driven and photographed by the display tools in scripts/display/.
    running) echo "cmake g++ make libx11-dev libxft-dev fonts-dejavu-core
      libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
      xvfb openbox x11-utils xdotool wmctrl imagemagick" ;;
    testing) echo "libgtest-dev valgrind" ;;
    # The cross compilers with the thread model the toolchain files name, GoogleTest's sources
    # for them, and the 64-bit Wine that runs the result; the locale sources the tests compile
    # Wine's Turkish locale from.
    windows) echo "g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest wine wine64
      locales" ;;
    bench) echo "libglfw3-dev libsdl2-dev freeglut3-dev" ;;
    *)
      echo "setup.sh: no group \"$1\" (running, testing, windows, bench)" >&2
      return 1
      ;;
  esac
}

[ $# -gt 0 ] || { echo "usage: setup.sh GROUP... (running, testing, windows, bench)" >&2; exit 2; }
packages=""
for group in "$@"; do
  packages="$packages $(group_packages "$group")"
done

# One question to dpkg for all of them: each one costs a read of its whole database.
# shellcheck disable=SC2086
installed=" $(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' $packages 2>/dev/null |
  sed -n 's/^ii  //p' | tr '\n' ' ')"
missing=""
for package in $packages; do
  case "$installed" in
    *" $package "*) ;;
    *) missing="$missing $package" ;;
  esac
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
$sudo apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
