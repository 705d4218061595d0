#!/bin/sh
# What the end-to-end scripts of the program share (tests/program/program_test.sh and
# tests/hostile/hostile_test.sh), sourced by them once they have set `program`: starting the
# program and waiting for its window, its end and its exit code, screenshots of the display, and the
# loop that runs the cases given. The program runs with FRAME_CHECK preloaded, which writes the GL
# state of the first frame presented at each viewport and counts the frames; a PROGRAM ending in
# .exe runs under $WINE (or wine) instead. Its window is the one whose title matches TITLE, a
# pattern (the shipped program's own title by default). Screenshots are left in the working
# directory as PROGRAM.CASE.png: programs tested side by side there take their own.
# shellcheck shell=sh disable=SC2034,SC2154 # set here for the scripts, and there for these
set -u -f # no file name expansion: a title is a pattern
tests=$(cd "$(dirname "$0")/.." && pwd)
warning_box=$tests/../scripts/display/warning_box.sh
title=${TITLE:-"www.talvo.example - OpenGL"}
workdir=$(mktemp -d)
pid="" clients=""
# shellcheck disable=SC2086 # lists of process ids
trap 'kill -9 $pid $clients 2>/dev/null; rm -rf "$workdir"' EXIT
memcheck="valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect
  --suppressions=$tests/program/memcheck.supp --num-callers=30 --log-file=$workdir/memcheck"
# As from a terminal: SIGINT handled by default, not ignored as the shell ignores it for a command
# it starts in the background.
launcher="env --default-signal=INT LD_PRELOAD=${FRAME_CHECK:-} FRAME_CHECK_REPORT=$workdir/frames"
case $program in *.exe) launcher=${WINE:-wine} ;; esac

fail() {
  echo "FAIL: $case: $*"
  exit 1
}
expect() { # WHAT ACTUAL EXPECTED
  [ "$2" = "$3" ] || fail "$1: \"$2\", expected \"$3\""
}
# Runs the command every tenth of a second until it succeeds, for up to TENTHS tenths of a second.
within() { # TENTHS COMMAND...
  deadline=$(($(date +%s%N) / 100000000 + $1))
  shift
  until "$@"; do
    [ $(($(date +%s%N) / 100000000)) -lt "$deadline" ] || return 1
    sleep 0.1
  done
}
shown() {
  window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
ended() { ! kill -0 "$pid" 2>/dev/null; }

# The program, through the tool given or the launcher, once its window shows on the root painted
# blue.
start() { # [TOOL...]
  display -window root -size 8x8 xc:'#3060c0'
  # shellcheck disable=SC2086 # the launcher's words
  [ $# -gt 0 ] || set -- $launcher
  "$@" "$program" 2>"$workdir/stderr" &
  pid=$!
  within 600 shown || fail "no window titled $title"
  sleep 0.3
}
# The program ends within SECONDS (one by default) with the exit code given; a window left open, or
# a warning box waiting for the user, keeps it running.
ends_with() { # CODE [SECONDS]
  within $((${2:-1} * 10)) ended || fail "still running ${2:-1} s later: $(cat "$workdir/stderr")"
  wait "$pid"
  status=$?
  pid="" # its number may be another process's from now on
  [ "$status" = "$1" ] ||
    fail "exit code $status, not $1: $(cat "$workdir/stderr" "$workdir/memcheck" 2>/dev/null)"
}
# Escape ends the program with exit code 0: pressed again each second should the keyboard not have
# reached the window yet.
escape_ends_it() {
  for _ in 1 2 3 4 5; do xdotool key Escape; within 10 ended && break; done
  ends_with 0
}
# Closed through the window manager, or asked to end by the session's signal, the program ends
# within SECONDS (one by default) with exit code 0.
close() { # manager|SIGNAL [SECONDS]
  if [ "$1" = manager ]; then wmctrl -i -c "$window"; else kill -s "$1" "$pid"; fi
  ends_with 0 "${2:-1}"
}

shot() { echo "${program##*/}.$case.png"; }
screenshot() { import -window root "$(shot)"; }
# The darkest and the brightest grey within a rectangle of the screenshot; 0 is black.
greys() {
  convert "$(shot)" -crop "$1" -colorspace Gray -format '%[fx:minima] %[fx:maxima]' info:
}
# The window's client size.
size() { geometry | cut -d+ -f1; }
# The window's client area, its size and place on the screen: WIDTHxHEIGHT+X+Y.
geometry() {
  xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h "+" x "+" y}'
}
# The sizes of the viewports frames were presented at, once the program has ended.
viewports() { awk '/^viewport/ {print $4 "x" $5}' "$workdir/frames"; }

# Runs each case given, one argument with its own arguments, through the script's run_case.
run_cases() { # "CASE [ARGUMENTS]"...
  for each in "$@"; do
    # shellcheck disable=SC2086 # a case and its arguments
    run_case $each
    # shellcheck disable=SC2086 # a list of process ids
    [ -z "$clients" ] || { kill $clients; wait $clients; }
    clients=""
  done
}
