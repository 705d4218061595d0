#!/bin/sh
# Prints the id of the program's window on the current display once it is visible, waiting up to
# the given number of seconds (default 60, 0 to look once); fails if it does not show by then.
#   program_window.sh [SECONDS]
# Polled rather than waited for with xdotool's --sync, which has no time limit.
set -u
deadline=$(($(date +%s) + ${1:-60}))
while :; do
  window=$(xdotool search --onlyvisible --classname 'TALVO pencere' 2>/dev/null | head -n 1)
  [ -n "$window" ] && { echo "$window"; exit 0; }
  [ "$(date +%s)" -lt "$deadline" ] || exit 1
  sleep 0.1
done
