#!/bin/sh
# Builds the program and runs it. With a display it opens its window there; without one it runs
# on a virtual display with a window manager for a few seconds, leaves a screenshot in
# screenshots/, closes the window and prints the exit code.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target talvo
program=build/platform/x11/talvo

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  status=0
  "$program" || status=$?
  echo "exit code $status"
else
  mkdir -p screenshots
  scripts/display/with_display.sh --wm scripts/display/session.sh screenshots/talvo.png 3 "$program"
fi
