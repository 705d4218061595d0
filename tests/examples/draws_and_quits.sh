#!/bin/sh
# A program drawn on the window runs: a window whose title matches TITLE shows within ten
# seconds, something is drawn in it (the middle of the client area is not black) within five more,
# and Escape ends the program with exit code 0. Runs on a display with a window manager; leaves
# NAME.png, a screenshot, in the working directory.
#   draws_and_quits.sh NAME TITLE COMMAND [ARGS...]
set -u
name=$1
title=$2
shift 2
"$@" &
program=$!
fail() {
  echo "FAIL: $*" >&2
  kill "$program" 2>/dev/null
  exit 1
}

for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1)
  [ -n "$window" ] && break
  kill -0 "$program" 2>/dev/null || fail "the program ended before its window showed"
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled '$title' within ten seconds"
echo "title: $(xdotool getwindowname "$window")"

for _ in $(seq 50); do
  import -window root "$name.png"
  brightest=$(convert "$name.png" -crop 300x240+170+140 -format '%[fx:maxima.r+maxima.g+maxima.b]' info:)
  [ "$brightest" != 0 ] && break
  sleep 0.1
done
[ "$brightest" != 0 ] || fail "the middle of the client area is black: nothing drawn"

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
echo "something was drawn and Escape ended the program with exit code 0"
