#!/bin/sh
# Installs the Debian packages the build, the program and the tests need. Run as root (or with
# sudo available); packages already present are left as they are.
set -eu

packages="
  cmake g++ make
  libgtest-dev
  libx11-dev libxft-dev fonts-dejavu-core
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  xvfb openbox x11-utils xdotool wmctrl imagemagick
  valgrind
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 googletest wine wine64 wmctrl
  libglfw3-dev libsdl2-dev freeglut3-dev
"

missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing="$missing $package"
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
$sudo apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
