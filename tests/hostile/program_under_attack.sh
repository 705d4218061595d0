#!/bin/sh
# The real program while another client attacks its window or its warning boxes, a window
# manager of the test's own misbehaves, or the session signals it: the cases given, one after
# another, each one argument with its own arguments. Runs under with_display.sh, with --wm where
# the cases say so (and --no-glx for the boxes). FRAME_CHECK (preloaded) reports the viewport of
# every frame presented at a new one.
#   program_under_attack.sh PROGRAM HOSTILE FRAME_CHECK "CASE [ARGUMENTS]"...
set -u
program=$1 hostile=$2 frame_check=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
display_scripts=$here/../../scripts/display
workdir=$(mktemp -d)
trap 'kill -9 $pid $helpers 2>/dev/null; rm -rf "$workdir"' EXIT
pid="" helpers=""

fail() {
  echo "$case: $*"
  exit 1
}
size() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
# The sizes of the viewports frames were presented at, once the program has ended.
viewports() { awk '/^viewport/ {print $4 "x" $5}' "$workdir/frames"; }
start() {
  env LD_PRELOAD="$frame_check" FRAME_CHECK_REPORT="$workdir/frames" "$program" \
    2>"$workdir/stderr" &
  pid=$!
  window=$("$display_scripts/program_window.sh" 60) || fail "no window"
  sleep 0.3
}
# The program ends with the code given within a second (or SECONDS); a window left open, or a
# warning box waiting for the user, keeps it running.
ends_with() { # CODE [SECONDS]
  for _ in $(seq $((${2:-1} * 10))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "still running ${2:-1} s later: $(cat "$workdir/stderr")"
  wait "$pid"
  status=$?
  [ "$status" = "$1" ] || fail "exit code $status, not $1: $(cat "$workdir/memcheck" 2>/dev/null)"
}
close() {
  kill -s TERM "$pid"
  ends_with 0
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

attack() { # CASE [ARGUMENTS]
  case=$1
  shift
  case $case in
  destroyed) # another client destroys the window: the program ends as if closed, with no warning
    start; xdotool windowclose "$window"; ends_with 0 ;;
  huge-managed) # the window manager keeps the window within the screen, and frames go on
    start
    for each in 32767 65535; do xdotool windowsize "$window" "$each" "$each"; sleep 0.5; done
    client=$(size)
    close
    [ "$(viewports | tail -n 1)" = "$client" ] || fail "client $client, viewports $(viewports)"
    [ "${client%x*}" -le 1920 ] || fail "a client of $client on a 1920 pixels wide screen" ;;
  huge-unmanaged) # nothing keeps the size: no crash, and frames again once the size is sound
    start
    for each in 32767x32767 65535x65535 65535x1 800x600; do
      xdotool windowsize "$window" "${each%x*}" "${each#*x}"; sleep 0.5
      kill -0 "$pid" 2>/dev/null || fail "killed by a window of $each"
    done
    close
    [ "$(viewports | tail -n 1)" = 800x600 ] || fail "viewports $(viewports)" ;;
  synthetic-configure) # a size another client makes up is not the window's
    start; client=$(size)
    "$hostile" configure "$window" 40000 3; "$hostile" configure "$window" 0 0
    sleep 0.3; close
    [ "$(viewports | sort -u)" = "$client" ] || fail "client $client, viewports $(viewports)" ;;
  flood) # property changes from two clients do not hold off a close
    start
    for _ in 1 2; do "$hostile" flood "$window" 3 & helpers="$helpers $!"; done
    sleep 1; close ;;
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
        kill) xdotool windowkill "$window" ;;
        destroy) xdotool windowclose "$window" ;;
        unmap) xdotool windowunmap "$window" ;;
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
    "$hostile" manager "$kind" "$@" >>"$workdir/manager" & helpers=$!
    until grep -q ready "$workdir/manager"; do sleep 0.05; done
    start
    [ "$(size)" = "$expected" ] || fail "client $(size), not $expected"
    requests=$(grep -c request "$workdir/manager")
    if [ "$kind" = live ]; then [ "$requests" -gt 0 ]; else [ "$requests" = 0 ]; fi ||
      fail "$requests frame-extents requests to a $kind manager"
    close ;;
  *) fail "no case $case" ;;
  esac
  # shellcheck disable=SC2086 # a list of process ids
  [ -z "$helpers" ] || { kill $helpers; wait $helpers; }
  helpers=""
}

for each in "$@"; do
  # shellcheck disable=SC2086 # a case and its arguments
  attack $each
done
