#!/bin/sh
# Builds the program and runs it, and ends with the program's exit code. With a display it opens
# its window there; without one it runs on a virtual display with a window manager for a few
# seconds, leaves a screenshot in screenshots/, closes the window and prints the exit code. A
# program that cannot start shows its warning boxes: on a virtual display they are printed and
# dismissed, and the command ends as soon as the program does.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh running build talvo
program=build/platform/x11/talvo

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  status=0
  "$program" || status=$?
  echo "exit code $status"
  exit "$status"
fi
mkdir -p screenshots
exec scripts/display/with_display.sh --wm scripts/display/session.sh screenshots/talvo.png 3 "$program"
