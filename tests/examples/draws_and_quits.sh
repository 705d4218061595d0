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
within() { # TENTHS_OF_A_SECOND CONDITION...
  tenths=$1
  shift
  for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
  return 1
}
shown() { window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1) && [ -n "$window" ]; }
drawn() {
  import -window root "$name.png"
  [ "$(convert "$name.png" -crop 300x240+170+140 -format '%[fx:maxima.r+maxima.g+maxima.b]' info:)" != 0 ]
}
ended() { ! kill -0 "$program" 2>/dev/null; }

within 100 shown || fail "no window titled '$title' within ten seconds"
echo "title: $(xdotool getwindowname "$window")"
within 50 drawn || fail "the middle of the client area is black: nothing drawn"
# Escape, again each second should the keyboard not have reached the window yet.
for _ in 1 2 3 4 5; do
  xdotool key Escape
  within 10 ended && break
done
ended || fail "still running five seconds after Escape"
wait "$program"
status=$?
[ "$status" = 0 ] || fail "exit code $status after Escape"
echo "something was drawn and Escape ended the program with exit code 0"
