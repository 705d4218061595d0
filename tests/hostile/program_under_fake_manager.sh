#!/bin/sh
# The program under a window manager of the test's own (the hostile client's "manager"), which
# answers frame-extents requests with the extents given, or whose check window is not what the
# desktop conventions ask. Runs under with_display.sh, without openbox.
#   program_under_fake_manager.sh PROGRAM HOSTILE KIND CLIENT_SIZE [LEFT RIGHT TOP BOTTOM]
# The client area must come out at CLIENT_SIZE, and the program may ask for extents only when the
# manager's check window is live.
set -u
program=$1 hostile=$2 kind=$3 expected=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
workdir=$(mktemp -d)

"$hostile" manager "$kind" "$@" >"$workdir/manager" &
manager=$!
trap 'kill $manager; rm -rf "$workdir"' EXIT
for _ in $(seq 100); do grep -q ready "$workdir/manager" && break; sleep 0.05; done
"$program" &
pid=$!
window=$("$here/../../scripts/display/program_window.sh" 60) || exit 1
size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
"$hostile" close "$window"
wait "$pid"
requests=$(grep -c request "$workdir/manager")
echo "client $size, $requests frame-extents requests"
[ "$size" = "$expected" ] || { echo "expected a client area of $expected"; exit 1; }
if [ "$kind" = live ]; then [ "$requests" -gt 0 ]; else [ "$requests" = 0 ]; fi
