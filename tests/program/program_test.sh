#!/bin/sh
# The real program from end to end, as a user runs it:
#   program_test.sh MODE PROGRAM [FRAME_CHECK]
#   runs             its window, described to the window manager, at 0,0 with a 640 x 480 frame;
#                    every frame cleared and presented (FRAME_CHECK, preloaded, counts them), so
#                    the client area is black over a root painted blue; closed through the window
#                    manager, it ends within a second with exit code 0
#   runs-under-wine  the Windows build, run by $WINE (or wine): its window is black, and it ends
#                    within five seconds of a close with exit code 0
#   without-glx      no pixel format: its three warnings one after another, exit code 1
#   without-display  the two warnings on standard error in UTF-8, exit code 1
#   loses-display    the X server killed under it: it ends within two seconds, not by a signal
#   leaks            a start-run-close cycle under memcheck: no memory error, no leak
# All but without-display run under scripts/display/with_display.sh (--wm, and --no-glx for
# without-glx). The runs leave the screen in MODE.png.
set -u
mode=$1
program=$2
here=$(cd "$(dirname "$0")" && pwd)
display_scripts=$here/../../scripts/display
x_user=$here/../contract/x_user.sh
title="www.talvo.example - OpenGL"
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}
expect() { # WHAT ACTUAL EXPECTED
  [ "$2" = "$3" ] || fail "$1: \"$2\", expected \"$3\""
}

start() {
  "$@" &
  pid=$!
  window=$("$display_scripts/program_window.sh" 60) || { kill "$pid"; fail "no window"; exit 1; }
}

# Only presented frames make the client area black over the blue root.
shows_black() {
  sleep 1
  import -window root "$mode.png"
  brightest() { convert "$mode.png" -crop "$1" -format '%[fx:maxima.r+maxima.g+maxima.b]' info:; }
  # Well inside the frame is only client area; above it, the title bar is not black.
  expect "brightest of the client area" "$(brightest 600x400+20+40)" 0
  [ "$(brightest 600x8+20+4)" != 0 ] || fail "no title bar at the top of the screen"
}

# A close through the window manager ends the program within $1 ms, with exit code 0.
closes() {
  closed=$(date +%s%N)
  wmctrl -i -c "$window"
  wait "$pid"
  expect "exit code" $? 0
  milliseconds=$((($(date +%s%N) - closed) / 1000000))
  [ "$milliseconds" -lt "$1" ] || fail "took $milliseconds ms to end after the close"
}

# Each viewport's first frame was drawn with the fixed state and a 50-degree projection of the
# viewport's own aspect ratio (while minimised, with no area, GLU leaves the identity). The
# viewports: the client area, then maximised, then minimised.
drew_with_the_fixed_state() {
  awk -v pi=3.141592653589793 '/^viewport/ {
      f = cos(pi * 25 / 180) / sin(pi * 25 / 180)
      split($4 ? f * $5 / $4 " " f " " (-1501 / 1499) " -1 " (-3000 / 1499) : "1 1 1 0 0", expected)
      for (i = 1; i <= 5; i++) if ((expected[i] - $(6 + i)) ^ 2 > 1e-8) print "projection: " $0
      state = $12; for (i = 13; i <= NF; i++) state = state " " $i
      if (state != "clear 0 0 0 0 1 0x1d01 0x203 0x1102 0x1 0x1 0x1 0x1700 error 0") print "state: " $0
      if ($2 $3 != "00") print "origin: " $0
      sizes = sizes " " ($4 > 640 ? "wider" : $4 ? "client" : "none") ($5 < 480 ? "" : "-tall") }
    END { if (sizes != " client wider-tall none") print "viewports:" sizes }' "$1"
}

case $mode in
runs)
  display -window root -size 8x8 xc:'#3060c0'
  start env LD_PRELOAD="$3" FRAME_CHECK_REPORT="$workdir/frames" "$program"
  expect "outer rectangle" "$(sh "$x_user" outer-rect "$title")" "0 0 640 480"
  # Functions: move, resize (for maximising), minimise, maximise, close; decorations: border,
  # title, menu, minimise and maximise buttons, and no sizing border.
  expect "description" "$(xprop -id "$window" -notype _NET_WM_NAME WM_CLASS _MOTIF_WM_HINTS)" \
    "_NET_WM_NAME = \"$title\"
WM_CLASS = \"TALVO pencere\", \"TALVO pencere\"
_MOTIF_WM_HINTS = 0x3, 0x3e, 0x7a, 0x0, 0x0"
  shows_black
  for action in maximise minimise; do
    sh "$x_user" "$action" "$title"
    sleep 0.5
  done
  closes 1000
  expect "frames drawn otherwise" "$(drew_with_the_fixed_state "$workdir/frames")" ""
  set -- $(tail -n 1 "$workdir/frames") # N frames, N uncleared, N unreset
  [ "$1" -ge 10 ] || fail "$1 frames presented"
  expect "frames presented without both buffers cleared" "$3" 0
  expect "frames presented without the model-view matrix reset" "$5" 0 ;;
runs-under-wine)
  display -window root -size 8x8 xc:'#3060c0'
  wineserver --wait # one still ending after an earlier test would lend the program its desktop
  "${WINE:-wine}" "$program" &
  pid=$!
  window=$(sh "$x_user" window "$title") || fail "no window"
  shows_black
  closes 5000 ;;
without-glx)
  "$program" &
  pid=$!
  for text in "Suitable PikselFormat bulunamadi!" "Giris degerleri girilemedi." "Program acilamadi!"; do
    sh "$x_user" answer-box Return "$workdir/box" || break
    expect "box" "$(sed -n 2p "$workdir/box")" "$text"
  done
  wait "$pid"
  expect "exit code" $? 1 ;;
without-display)
  errors=$(env -u DISPLAY "$program" 2>&1 >/dev/null)
  expect "exit code" $? 1
  expect "standard error" "$errors" "$title: Pencere oluşturulamadi.
$title: Program acilamadi!" ;;
loses-display)
  start "$program"
  sleep 0.5
  kill -KILL "$XVFB_PID"
  (sleep 2 && kill -KILL "$pid" 2>/dev/null) & # still running two seconds on: stopped, failed
  wait "$pid"
  status=$?
  [ "$status" -lt 128 ] || fail "ended by signal $((status - 128))" ;;
leaks)
  report=$("$display_scripts/session.sh" "$workdir/screen.png" 2 \
    valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
    --suppressions="$here/memcheck.supp" --num-callers=30 --log-file="$workdir/memcheck.log" \
    "$program")
  case $report in
    *"exit code 0") ;;
    *) fail "$report"; cat "$workdir/memcheck.log" ;;
  esac ;;
esac
exit $failed
