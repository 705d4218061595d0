#!/bin/sh
# The X server gone at forty moments of the program's start-up, 0 to 195 ms after it connected,
# two programs at a time:
# every run ends with exit code 1, none by a signal (a crash, with its core dump). The hostile
# client stands between the program and the display and drops each run's connection in turn,
# which to the program is the server dying. Runs under with_display.sh.
#   server_dies_during_start.sh PROGRAM HOSTILE
set -u
program=$1 hostile=$2
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

runs=40
"$hostile" cut-off 5 $runs >"$workdir/display" &
for _ in $(seq 100); do [ -s "$workdir/display" ] && break; sleep 0.05; done
for run in $(seq $runs); do # two at a time
  { DISPLAY=":$(cat "$workdir/display")" "$program" 2>/dev/null; echo "exit code $?"; } &
  [ $((run % 2)) = 0 ] && wait
done | sort | uniq -c >"$workdir/codes"
wait
cat "$workdir/codes"
[ "$(cat "$workdir/codes")" = "     $runs exit code 1" ]
