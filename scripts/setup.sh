#!/bin/sh
# Installs the Debian packages of the named groups; packages already present are left as they
# are. Run as root (or with sudo available).
#   setup.sh GROUP...
# Each command names what it needs: the run command "running", the test command "running
# testing windows" (and "windows32" where the machine runs 32-bit x86 programs), the benchmark
# "running bench". A package of another architecture is named with it ("wine32:i386"); that
# architecture is added to dpkg's when such a package is installed.
set -eu

group_packages() {
  case "$1" in
    # Build and run the program (with the Khronos registry the layer's list of GL functions is
    # made from); a virtual display with a window manager where there is none, driven and
    # photographed by the display tools in scripts/display/.
    running) echo "cmake g++ make libx11-dev libxft-dev libxrandr-dev fonts-dejavu-core
      libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri khronos-api
      xvfb openbox x11-utils xdotool wmctrl imagemagick" ;;
    # The contract's user sets the virtual display's modes (xrandr); the layer's tests read the
    # server's screen saver (libXss).
    testing) echo "libgtest-dev valgrind pkg-config libxfixes-dev x11-xserver-utils libxss-dev" ;;
    # The cross compilers with the thread model the toolchain files name, GoogleTest's sources
    # for them, and the 64-bit Wine that runs the result; the locale sources the tests compile
    # Wine's Turkish locale from.
    windows) echo "g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest wine wine64
      locales" ;;
    # The 32-bit Wine that runs the 32-bit build, and the 32-bit Mesa it draws with: without it
    # the program finds no pixel format. Wine's X11 driver opens the X extensions' libraries when
    # it starts, and does without those it does not find: without XInput2 it never clips the
    # cursor.
    windows32) echo "wine32:i386 libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
      libglu1-mesa:i386 libxi6:i386 libxrandr2:i386 libxcursor1:i386 libxinerama1:i386
      libxcomposite1:i386" ;;
    bench) echo "libglfw3-dev libsdl2-dev freeglut3-dev" ;;
    *)
      echo "setup.sh: no group \"$1\" (running, testing, windows, windows32, bench)" >&2
      return 1
      ;;
  esac
}

[ $# -gt 0 ] || {
  echo "usage: setup.sh GROUP... (running, testing, windows, windows32, bench)" >&2
  exit 2
}
packages=""
for group in "$@"; do
  packages="$packages $(group_packages "$group")"
done

# One question to dpkg for all of them: each one costs a read of its whole database. Installed
# packages are listed as they are named here: of the machine's own architecture (or of all)
# without it, of another with it.
native=$(dpkg --print-architecture)
# shellcheck disable=SC2086
installed=" $(dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture}\n' $packages \
  2>/dev/null | sed -n -e "s/:$native\$//" -e 's/:all$//' -e 's/^ii  //p' | tr '\n' ' ')"
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
for package in $missing; do
  case "$package" in
    *:*) dpkg --print-foreign-architectures | grep -qx "${package#*:}" ||
      $sudo dpkg --add-architecture "${package#*:}" ;;
  esac
done
$sudo apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
