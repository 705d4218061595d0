#!/bin/sh
# The X server killed under four programs at once, every STEP milliseconds from 0 to 180 ms after
# they began (every 20 ms by default: during their start-up), and once a window shows: all end
# with exit code 1, within 20 s, none by a signal (a crash, with its core dump).
#   server_dies.sh PROGRAM [STEP]
set -u
program=$1 step=${2:-20}
program_window=$(dirname "$0")/../../scripts/display/program_window.sh
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

for moment in $(seq 0 "$step" 180) shown; do
  Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$workdir/display" >/dev/null 2>&1 &
  server=$!
  while [ ! -s "$workdir/display" ]; do sleep 0.02; done
  DISPLAY=":$(cat "$workdir/display")"
  export DISPLAY
  for _ in 1 2 3 4; do
    { timeout 20 "$program" 2>/dev/null; echo "exit code $?"; } &
  done
  if [ "$moment" = shown ]; then "$program_window" >/dev/null
  else sleep "0.$(printf %03d "$moment")"; fi
  kill -KILL "$server"
  wait
  rm "$workdir/display"
done | sort | uniq -c >"$workdir/codes"
cat "$workdir/codes"
[ "$(cat "$workdir/codes")" = "$(printf '%7d exit code 1' $(((180 / step + 2) * 4)))" ]
