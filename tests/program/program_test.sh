#!/bin/sh
# The program from end to end (and, for draws, any program drawn on the window), as a user runs it.
# The cases given run one after another, each one argument with its own arguments:
#   program_test.sh PROGRAM "CASE [ARGUMENTS]"...
# Every case but without-display runs under scripts/display/with_display.sh --wm. See
# program_helpers.sh for how the program is run.
program=$1
shift
# shellcheck source=program_helpers.sh
. "$(dirname "$0")/program_helpers.sh"

# Only presented frames cover the root's blue: the client area, well inside a frame at 0,0, is
# black, the clear colour; or something is drawn on black.
inside=600x400+20+40
black() { screenshot && [ "$(greys $inside)" = "0 0" ]; }
drawn() { # [RECTANGLE]
  screenshot && shades=$(greys "${1:-$inside}") && [ "${shades% *}" = 0 ] && [ "$shades" != "0 0" ]
}
# The client area black within five seconds (on a loaded machine), and above it a title bar that is
# not.
shows_black() {
  within 50 black || fail "the client area is not black: $(greys $inside)"
  [ "$(greys 600x8+20+4)" != "0 0" ] || fail "no title bar at the top of the screen"
}
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

# The geometry of the program's window found again (F1 makes it anew); none when there is none.
placed() { shown && geometry; }
# shellcheck disable=SC2254 # a pattern
placed_at() { case $(placed) in $1) ;; *) return 1 ;; esac }
# The client area placed as the pattern GEOMETRY says, and something drawn within the rectangle.
draws_at() { # GEOMETRY RECTANGLE
  within 50 placed_at "$1" || fail "client area at \"$(placed)\", expected $1"
  within 50 drawn "$2" || fail "nothing drawn on black in $2: greys $(greys "$2")"
}
# F1, once the window has the keyboard, held as a hand holds it: a program that looks at its keys
# between frames misses a press let go before its next frame. Pressed twice, it would switch twice.
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
switch() { within 50 focused && xdotool keydown F1 && sleep 0.2 && xdotool keyup F1; }
run_case() { # CASE [ARGUMENTS]
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
    escape_ends_it ;;
  full-screen) # ARGUMENTS: y or n, then the title, a pattern. A program drawn on the window that
    # asks whether to start full screen: answered with that key, it draws in a window with a client
    # area of 640 x 480 (n) or over the whole screen (y); F1 switches to the other and back, each
    # drawn, and Escape ends it with exit code 0
    answer=$1
    shift
    title=$*
    screen=$(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    "$tests/contract/x_user.sh" answer-box "$answer" "$workdir/box" &
    clients=$!
    start
    windowed="640x480+* $inside" whole="$screen+0+0 $screen+0+0"
    [ "$answer" = y ] && first=$whole second=$windowed || first=$windowed second=$whole
    # shellcheck disable=SC2086 # a geometry and a rectangle
    draws_at $first && switch && draws_at $second && switch && draws_at $first
    escape_ends_it ;;
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
  *) fail "no case $case" ;;
  esac
}

run_cases "$@"
