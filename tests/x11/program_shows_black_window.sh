#!/bin/sh
# The program opens its window, renders it black, and ends with code 0 within a second of being
# closed through the window manager. Runs on a display with a window manager.
#   program_shows_black_window.sh PROGRAM
set -u
here=$(cd "$(dirname "$0")" && pwd)
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

report=$("$here/../../scripts/display/session.sh" "$workdir/screen.png" 1 "$1") || exit 1
echo "$report"
milliseconds=$(echo "$report" | sed -n 's/^closed in \([0-9]*\) ms.*/\1/p')
status=$(echo "$report" | sed -n 's/.*exit code \([0-9]*\)$/\1/p')
failed=0
[ "$status" = 0 ] || { echo "exit code $status, not 0"; failed=1; }
[ "$milliseconds" -lt 1000 ] || { echo "took $milliseconds ms to end after the close"; failed=1; }

# The frame is 640 x 480 at the top-left corner; well inside it is only client area, which is
# black throughout, while the title bar is not.
brightest=$(convert "$workdir/screen.png" -crop 600x400+20+40 -format '%[fx:maxima.r+maxima.g+maxima.b]' info:)
[ "$brightest" = 0 ] || { echo "the client area is not black"; failed=1; }
title=$(convert "$workdir/screen.png" -crop 600x8+20+4 -format '%[fx:maxima.r+maxima.g+maxima.b]' info:)
[ "$title" != 0 ] || { echo "no title bar at the top of the screen"; failed=1; }
exit $failed
