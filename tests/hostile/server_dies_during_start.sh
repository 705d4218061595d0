#!/bin/sh
# The X server killed during the start-up of four programs at once, every STEP milliseconds from
# 0 to 180 ms after they began (every 20 ms by default, forty programs): all end with exit code 1,
# none by a signal (a crash, with its core dump).
#   server_dies_during_start.sh PROGRAM [STEP]
set -u
program=$1 step=${2:-20}
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

for moment in $(seq 0 "$step" 180); do
  Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$workdir/display" >/dev/null 2>&1 &
  server=$!
  while [ ! -s "$workdir/display" ]; do sleep 0.02; done
  for _ in 1 2 3 4; do
    { DISPLAY=":$(cat "$workdir/display")" "$program" 2>/dev/null; echo "exit code $?"; } &
  done
  sleep "$(printf '0.%03d' "$moment")"
  kill -KILL "$server"
  wait
  rm "$workdir/display"
done | sort | uniq -c >"$workdir/codes"
cat "$workdir/codes"
[ "$(cat "$workdir/codes")" = "$(printf '%7d exit code 1' $(((180 / step + 1) * 4)))" ]
