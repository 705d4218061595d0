#!/bin/sh
# The real program while another client attacks its window or its warning boxes, a window
# manager of the test's own misbehaves, or the session signals it: the cases given, one after
# another, each one argument with its own arguments. Runs under with_display.sh, with --wm where
# the cases say so (and --no-glx for the boxes). The probe (gl_probe.cpp) tells the frames the
# program presented and the viewport it set last.
#   program_under_attack.sh PROGRAM HOSTILE PROBE "CASE [ARGUMENTS]"...
set -u
program=$1 hostile=$2 probe=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
display_scripts=$here/../../scripts/display
workdir=$(mktemp -d)
trap 'kill -9 $pid $helper 2>/dev/null; rm -rf "$workdir"' EXIT
pid="" helper=""

fail() { echo "$case: $*"; exit 1; }
frames() { cut -c1-12 "$workdir/probe"; }
viewport() { awk '{print $2 "x" $3}' "$workdir/probe"; }
size() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
start() {
  LD_PRELOAD=$probe TALVO_PROBE=$workdir/probe "$program" 2>"$workdir/stderr" &
  pid=$!
  window=$("$display_scripts/program_window.sh" 60) || fail "no window"
  sleep 0.3
}
# The program ends with the code given within a second (or SECONDS); a window left open, or a
# warning box waiting for the user, keeps it running.
ends_with() { # CODE [SECONDS]
  for _ in $(seq $((${2:-1} * 10))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "still running $((${2:-1})) s later: $(cat "$workdir/stderr")"
  wait "$pid"
  status=$?
  [ "$status" = "$1" ] || fail "exit code $status, not $1: $(cat "$workdir/memcheck" 2>/dev/null)"
}
# The box after the one given ("ID TEXT"); the program under memcheck takes seconds to show one.
next_box() {
  for _ in $(seq 300); do
    box=$("$display_scripts/warning_box.sh") && [ "$box" != "$1" ] && { echo "$box"; return 0; }
    sleep 0.1
  done
  echo "$case: no warning box after $1" >&2
  return 1
}
presents_frames() {
  before=$(frames); sleep 0.3
  [ "$(frames)" -gt "$before" ] || fail "no frame presented in 0.3 s ($1)"
}
close() { "$hostile" close "$window"; ends_with 0; }

attack() { # CASE [ARGUMENTS]
  case=$1
  shift
  case $case in
  destroyed) # another client destroys the window: the program ends as if closed, with no warning
    start; "$hostile" destroy "$window"; ends_with 0 ;;
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
    "$hostile" flood "$window" 3 & helper=$!
    sleep 1; presents_frames "during the flood"; close ;;
  TERM | INT | HUP) # the session asks the program to end: it closes as the user would
    start; kill -s "$case" "$pid"; ends_with 0 ;;
  closed-stderr) # no display, and the warnings go to a pipe nobody reads: still exit code 1
    { sleep 1; env -u DISPLAY "$program" 2>&1 >/dev/null; echo $? >"$workdir/status"; } | true
    [ "$(cat "$workdir/status")" = 1 ] || fail "exit code $(cat "$workdir/status"), not 1" ;;
  boxes | boxes-under-memcheck) # ARGUMENTS: how each of the three warning boxes of a start
    # without GLX ends: a real Return key (with the pointer off the box, so the key goes wherever
    # the focus is), or destroyed, unmapped or its connection killed by another client. Each is a
    # dismissal: the next box follows, the program ends with code 1, and under memcheck it has
    # made no memory error and leaked nothing.
    memcheck=""
    [ "$case" = boxes-under-memcheck ] && memcheck="valgrind --error-exitcode=99 --leak-check=full
      --errors-for-leak-kinds=definite,indirect --suppressions=$here/../program/memcheck.supp
      --num-callers=30 --log-file=$workdir/memcheck"
    $memcheck "$program" 2>"$workdir/stderr" &
    pid=$!
    xdotool mousemove 0 0
    box=none
    for ending in "$@"; do
      box=$(next_box "$box") || exit 1
      window=${box%% *}
      case $ending in
        kill) xkill -id "$window" >/dev/null ;;
        destroy | unmap) "$hostile" "$ending" "$window" ;;
      esac
      # Keys the box is not yet ready for are pressed again.
      for _ in $(seq 50); do
        [ "$("$display_scripts/warning_box.sh" "$window")" = "$box" ] || continue 2
        [ "$ending" = Return ] && xdotool key Return
        sleep 0.2
      done
      fail "the box stays after $ending: ${box#* }"
    done
    ends_with 1 20 ;;
  manager) # ARGUMENTS: KIND CLIENT_SIZE [LEFT RIGHT TOP BOTTOM]. The hostile client is the window
    # manager, its check window as KIND says, answering with the extents given; the program asks
    # it for extents only if its check window is live, and takes only those that leave a client area.
    kind=$1 expected=$2
    shift 2
    : >"$workdir/manager"
    "$hostile" manager "$kind" "$@" >>"$workdir/manager" & helper=$!
    until grep -q ready "$workdir/manager"; do sleep 0.05; done
    start
    [ "$(size)" = "$expected" ] || fail "client $(size), not $expected"
    requests=$(grep -c request "$workdir/manager")
    if [ "$kind" = live ]; then [ "$requests" -gt 0 ]; else [ "$requests" = 0 ]; fi ||
      fail "$requests frame-extents requests to a $kind manager"
    close ;;
  *) fail "no case $case" ;;
  esac
  [ -z "$helper" ] || { kill "$helper"; wait "$helper"; }
  helper=""
}

for each in "$@"; do
  # shellcheck disable=SC2086 # a case and its arguments
  attack $each
done
