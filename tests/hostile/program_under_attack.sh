#!/bin/sh
# The real program while another client attacks its window, a window manager of the test's own
# misbehaves, or the session signals it: one case a run. Runs under with_display.sh, with --wm
# where the case says so. The probe (gl_probe.cpp) tells the frames the program presented and the
# viewport it set last.
#   program_under_attack.sh PROGRAM HOSTILE PROBE CASE [ARGUMENTS]
set -u
program=$1 hostile=$2 probe=$3 case=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
workdir=$(mktemp -d)
trap 'kill -9 $pid $helper 2>/dev/null; rm -rf "$workdir"' EXIT
pid="" helper=""

fail() { echo "$*"; exit 1; }
frames() { cut -c1-12 "$workdir/probe"; }
viewport() { awk '{print $2 "x" $3}' "$workdir/probe"; }
size() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
start() {
  LD_PRELOAD=$probe TALVO_PROBE=$workdir/probe "$program" 2>"$workdir/stderr" &
  pid=$!
  window=$("$here/../../scripts/display/program_window.sh" 60) || fail "no window"
  sleep 0.3
}
# The program ends with the code given within a second; a window left open, or a warning box
# waiting for the user, keeps it running.
ends_within_a_second() {
  for _ in $(seq 10); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "still running a second later: $(cat "$workdir/stderr")"
  wait "$pid"
  status=$?
  [ "$status" = "$1" ] || fail "exit code $status, not $1"
}
presents_frames() {
  before=$(frames); sleep 0.3
  [ "$(frames)" -gt "$before" ] || fail "no frame presented in 0.3 s ($1)"
}
close() { "$hostile" close "$window"; ends_within_a_second 0; }

case $case in
destroyed) # another client destroys the window: the program ends as if closed, with no warning
  start; "$hostile" destroy "$window"; ends_within_a_second 0 ;;
huge-managed) # the window manager keeps the window within the screen
  start
  for each in 32767 65535; do
    xdotool windowsize "$window" "$each" "$each"; sleep 0.5
    [ "$(size)" = "$(viewport)" ] || fail "client $(size), viewport $(viewport)"
    [ "$(size | cut -dx -f1)" -le 1920 ] || fail "asked for $each, got $(size)"
  done
  presents_frames "after the resizes"; close ;;
huge-unmanaged) # nothing keeps the size: frames stop while the renderer cannot take them
  start
  for each in 32767x32767 65535x65535 65535x1; do
    "$hostile" resize "$window" "${each%x*}" "${each#*x}"; sleep 0.5
    kill -0 "$pid" 2>/dev/null || fail "killed by a window of $each"
  done
  "$hostile" resize "$window" 640 480; presents_frames "back at 640x480"; close ;;
synthetic-configure) # a size another client makes up is not the window's
  start; expected=$(size)
  "$hostile" configure "$window" 40000 3; "$hostile" configure "$window" 0 0
  presents_frames "after the made-up sizes"
  [ "$(viewport)" = "$expected" ] || fail "viewport $(viewport), client $expected"
  close ;;
flood) # property changes from two clients hold off neither the frames nor a close
  start
  "$hostile" flood "$window" 8 & helper=$!
  sleep 1; presents_frames "during the flood"; close ;;
TERM | INT | HUP) # the session asks the program to end: it closes as the user would
  start; kill -s "$case" "$pid"; ends_within_a_second 0 ;;
closed-stderr) # no display, and the warnings go to a pipe nobody reads: still exit code 1
  { sleep 1; env -u DISPLAY "$program" 2>&1 >/dev/null; echo $? >"$workdir/status"; } | true
  [ "$(cat "$workdir/status")" = 1 ] || fail "exit code $(cat "$workdir/status"), not 1" ;;
manager) # ARGUMENTS: KIND CLIENT_SIZE [LEFT RIGHT TOP BOTTOM]. The hostile client is the window
  # manager, its check window as KIND says, answering with the extents given; the program asks
  # it for extents only if its check window is live, and takes only those that leave a client area.
  kind=$1 expected=$2
  shift 2
  "$hostile" manager "$kind" "$@" >"$workdir/manager" & helper=$!
  until grep -q ready "$workdir/manager"; do sleep 0.05; done
  start
  [ "$(size)" = "$expected" ] || fail "client $(size), not $expected"
  requests=$(grep -c request "$workdir/manager")
  if [ "$kind" = live ]; then [ "$requests" -gt 0 ]; else [ "$requests" = 0 ]; fi ||
    fail "$requests frame-extents requests to a $kind manager"
  close ;;
*) fail "no case $case" ;;
esac
