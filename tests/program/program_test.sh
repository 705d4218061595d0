#!/bin/sh
# The program from end to end (and, for draws, any program drawn on the window): as a user runs
# it, and as other clients, a window manager of the tests' own and the session treat it. The cases
# given run one after another, each one argument with its own arguments:
#   program_test.sh PROGRAM "CASE [ARGUMENTS]"...
# The program runs with FRAME_CHECK preloaded, which writes the GL state of the first frame
# presented at each viewport and counts the frames; a PROGRAM ending in .exe runs under $WINE (or
# wine) instead. HOSTILE is the client the hostile cases play. Every case but without-display runs
# under scripts/display/with_display.sh: with --wm where it acts through the window manager, and
# --no-glx for the warning boxes. Screenshots are left in the working directory as CASE.png.
set -u -f # no file name expansion: a title is a pattern
program=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
warning_box=$here/../../scripts/display/warning_box.sh
title="www.talvo.example - OpenGL"
workdir=$(mktemp -d)
pid="" helpers=""
# shellcheck disable=SC2086 # lists of process ids
trap 'kill -9 $pid $helpers 2>/dev/null; rm -rf "$workdir"' EXIT
memcheck="valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect
  --suppressions=$here/memcheck.supp --num-callers=30 --log-file=$workdir/memcheck"
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

# The program, through the tool given or the launcher, once its window (titled $title) shows on
# the root painted blue.
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
# Closed through the window manager, or asked to end by the session's signal, the program ends
# within SECONDS (one by default) with exit code 0.
close() { # manager|SIGNAL [SECONDS]
  if [ "$1" = manager ]; then wmctrl -i -c "$window"; else kill -s "$1" "$pid"; fi
  ends_with 0 "${2:-1}"
}

screenshot() { import -window root "$case.png"; }
# The darkest and the brightest grey within a rectangle of the screenshot; 0 is black.
greys() {
  convert "$case.png" -crop "$1" -colorspace Gray -format '%[fx:minima] %[fx:maxima]' info:
}
# Only presented frames cover the root's blue: the client area, well inside a frame at 0,0, is
# black, the clear colour; or something is drawn on black.
inside=600x400+20+40
black() { screenshot && [ "$(greys $inside)" = "0 0" ]; }
drawn() {
  screenshot && shades=$(greys $inside) && [ "${shades% *}" = 0 ] && [ "$shades" != "0 0" ]
}
# The client area black within five seconds (on a loaded machine), and above it a title bar that is
# not.
shows_black() {
  within 50 black || fail "the client area is not black: $(greys $inside)"
  [ "$(greys 600x8+20+4)" != "0 0" ] || fail "no title bar at the top of the screen"
}
# The window's client size.
size() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
# The sizes of the viewports frames were presented at, once the program has ended.
viewports() { awk '/^viewport/ {print $4 "x" $5}' "$workdir/frames"; }
# Each viewport's first frame drawn with the fixed state and a 50-degree projection of the
# viewport's own aspect ratio (while minimised, with no area, GLU leaves the identity); the
# viewports the client area, then maximised, then minimised; at least ten frames presented, each
# with both buffers cleared and the model-view matrix reset since the one before.
frames_drawn_otherwise() {
  awk -v pi=3.141592653589793 '/^viewport/ {
      f = cos(pi * 25 / 180) / sin(pi * 25 / 180)
      split($4 ? f * $5 / $4 " " f " " (-1501 / 1499) " -1 " (-3000 / 1499) : "1 1 1 0 0", expected)
      for (i = 1; i <= 5; i++) if ((expected[i] - $(6 + i)) ^ 2 > 1e-8) print "projection: " $0
      state = $12; for (i = 13; i <= NF; i++) state = state " " $i
      if (state != "clear 0 0 0 0 1 0x1d01 0x203 0x1102 0x1 0x1 0x1 0x1700 error 0") print "state: " $0
      if ($2 $3 != "00") print "origin: " $0
      sizes = sizes " " ($4 > 640 ? "wider" : $4 ? "client" : "none") ($5 < 480 ? "" : "-tall") }
    / frames, / { counts = $0 } # N frames, N uncleared, N unreset
    END { if (sizes != " client wider-tall none") print "viewports:" sizes
      split(counts, n, " "); if (n[1] < 10 || n[3] || n[5]) print "presented: " counts }' \
    "$workdir/frames"
}
# A warning box other than the one seen before; gone, the box seen (pressing Return again, where
# that ends it: a key the box is not yet ready for).
new_box() { box=$("$warning_box") && [ "$box" != "$previous" ]; }
gone() {
  [ "$("$warning_box" "$window")" != "$box" ] && return 0
  [ "$ending" = Return ] && xdotool key Return
  return 1
}

run() { # CASE [ARGUMENTS]
  case=$1
  shift
  case $case in
  runs) # its window, at 0,0 with a 640 x 480 frame and described to the window manager; every
    # frame cleared and presented; maximised, minimised, then closed through the window manager,
    # it ends within a second with exit code 0
    start
    shows_black
    frame=$(xwininfo -tree -id "$window" | awk '/Parent window id/ {print $4}')
    expect "frame" "$(xwininfo -id "$frame" | awk '/Absolute|Width|Height/ {printf "%s ", $NF}')" \
      "0 0 640 480 "
    # Functions: move, resize (for maximising), minimise, maximise, close; decorations: border,
    # title, menu, minimise and maximise buttons, and no sizing border.
    expect "description" "$(xprop -id "$window" -notype _NET_WM_NAME WM_CLASS _MOTIF_WM_HINTS)" \
      "_NET_WM_NAME = \"$title\"
WM_CLASS = \"TALVO pencere\", \"TALVO pencere\"
_MOTIF_WM_HINTS = 0x3, 0x3e, 0x7a, 0x0, 0x0"
    wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz && sleep 0.5
    xdotool windowminimize "$window" && sleep 0.5
    close manager
    expect "frames drawn otherwise" "$(frames_drawn_otherwise)" "" ;;
  runs-under-wine) # the Windows build: its window black, and closed through the window manager,
    # it ends within five seconds with exit code 0
    wineserver --wait # one still ending after an earlier test would lend the program its desktop
    start
    shows_black
    close manager 5 ;;
  draws) # ARGUMENTS: the title, a pattern. A program drawn on the window: something drawn in its
    # client area within five seconds, and Escape ends it with exit code 0
    title=$*
    start
    within 50 drawn || fail "nothing drawn on black: greys $(greys $inside)"
    # Escape, again each second should the keyboard not have reached the window yet.
    for _ in 1 2 3 4 5; do xdotool key Escape; within 10 ended && break; done
    ends_with 0 ;;
  without-display) # its two warnings on standard error in UTF-8, and exit code 1, also when
    # standard error is a pipe nobody reads
    errors=$(env -u DISPLAY "$program" 2>&1 >/dev/null)
    expect "exit code" $? 1
    expect "standard error" "$errors" "$title: Pencere oluşturulamadi.
$title: Program acilamadi!"
    { sleep 1; env -u DISPLAY "$program" 2>&1 >/dev/null; echo $? >"$workdir/status"; } | true
    expect "exit code, standard error closed" "$(cat "$workdir/status")" 1 ;;
  leaks) # a start, run and close under memcheck: no memory error, no leak
    # shellcheck disable=SC2086 # the tool's words
    start $memcheck
    sleep 2
    close manager 60 ;;
  destroyed) # another client destroys the window: the program ends as if closed, with no warning
    start; xdotool windowclose "$window"; ends_with 0 ;;
  huge) # ARGUMENTS: the sizes other clients give the window, one after another: no crash, and
    # frames go on at the size it ends with, which a window manager keeps within the screen
    start
    for each in "$@"; do
      xdotool windowsize "$window" "${each%x*}" "${each#*x}"; sleep 0.5
      ended && fail "killed by a window of $each"
    done
    client=$(size)
    close TERM
    [ "$(viewports | tail -n 1)" = "$client" ] || fail "client $client, viewports $(viewports)"
    [ "${client%x*}" -le 1920 ] || fail "a client of $client on a 1920 pixels wide screen" ;;
  synthetic-configure) # a size another client makes up is not the window's
    start; client=$(size)
    "$HOSTILE" configure "$window" 40000 3; "$HOSTILE" configure "$window" 0 0
    sleep 0.3; close TERM
    [ "$(viewports | sort -u)" = "$client" ] || fail "client $client, viewports $(viewports)" ;;
  flood) # property changes from two clients do not hold off a close
    start
    for _ in 1 2; do "$HOSTILE" flood "$window" 3 & helpers="$helpers $!"; done
    sleep 1; close TERM ;;
  TERM | INT | HUP) # the session asks the program to end: it closes as the user would
    start; close "$case" ;;
  boxes | boxes-under-memcheck) # ARGUMENTS: how each of the three warning boxes of a start
    # without GLX ends: a real Return key (with the pointer off the box, so the key goes wherever
    # the focus is), or xdotool's windowclose (destroyed), windowunmap or windowkill (its
    # connection killed) from another client. Each is a dismissal: the next box follows, with its
    # own text; the program ends with code 1, and under memcheck it has made no memory error and
    # leaked nothing.
    tool=""
    [ "$case" = boxes ] || tool=$memcheck
    $tool "$program" 2>"$workdir/stderr" &
    pid=$!
    xdotool mousemove 0 0
    box=none
    texts="Suitable PikselFormat bulunamadi!/Giris degerleri girilemedi./Program acilamadi!"
    for ending in "$@"; do
      previous=$box
      within 300 new_box || fail "no warning box after $previous"
      expect "box" "${box#* }" "${texts%%/*}"
      texts=${texts#*/}
      window=${box%% *}
      [ "$ending" = Return ] || xdotool "window$ending" "$window"
      within 100 gone || fail "the box stays after $ending: ${box#* }"
    done
    ends_with 1 20 ;;
  manager) # ARGUMENTS: KIND CLIENT_SIZE [LEFT RIGHT TOP BOTTOM]. The hostile client is the window
    # manager, its check window as KIND says, answering with the extents given; the program asks it
    # for extents only if its check window is live, and takes only those that leave a client area.
    kind=$1 expected=$2
    shift 2
    "$HOSTILE" manager "$kind" "$@" >"$workdir/manager" & helpers=$!
    until grep -qs ready "$workdir/manager"; do sleep 0.05; done
    start
    expect "client" "$(size)" "$expected"
    requests=$(grep -c request "$workdir/manager")
    if [ "$kind" = live ]; then [ "$requests" -gt 0 ]; else [ "$requests" = 0 ]; fi ||
      fail "$requests frame-extents requests to a $kind manager"
    close TERM ;;
  *) fail "no case $case" ;;
  esac
  # shellcheck disable=SC2086 # a list of process ids
  [ -z "$helpers" ] || { kill $helpers; wait $helpers; }
  helpers=""
}

for each in "$@"; do
  # shellcheck disable=SC2086 # a case and its arguments
  run $each
done
