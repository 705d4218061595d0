#!/bin/sh
# The example program runs: its window shows the frame rate in its title within a few seconds,
# the cube is drawn (the middle of the client area is not black), and Escape ends the program
# with exit code 0. Runs on a display with a window manager; leaves turning_cube.png, a
# screenshot, in the working directory.
#   turning_cube_runs.sh COMMAND [ARGS...]
set -u
"$@" &
program=$!
fail() {
  echo "FAIL: $*" >&2
  kill "$program" 2>/dev/null
  exit 1
}

# The title names the frame rate once the first second's frames are counted.
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Turning cube - [0-9]+ fps' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  kill -0 "$program" 2>/dev/null || fail "the program ended before its title showed a frame rate"
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled with a frame rate within ten seconds"
echo "title: $(xdotool getwindowname "$window")"

import -window root turning_cube.png
brightest=$(convert turning_cube.png -crop 300x240+170+140 -format '%[fx:maxima.r+maxima.g+maxima.b]' info:)
[ "$brightest" != 0 ] || fail "the middle of the client area is black: no cube"

# Escape, again each second should the keyboard not have reached the window yet.
for _ in 1 2 3 4 5; do
  xdotool key Escape
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$program" 2>/dev/null || break 2
    sleep 0.1
  done
done
kill -0 "$program" 2>/dev/null && fail "still running five seconds after Escape"
wait "$program"
status=$?
[ "$status" = 0 ] || fail "exit code $status after Escape"
echo "the cube turned and Escape ended the program with exit code 0"
