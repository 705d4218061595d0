#!/bin/sh
# A program built on the window against what other clients, a window manager of the tests' own and
# the session can do to it. The cases given run one after another, each one argument with its own
# arguments:
#   hostile_test.sh PROGRAM "CASE [ARGUMENTS]"...
# HOSTILE is the client the cases play. Each runs under scripts/display/with_display.sh: with --wm
# where it acts through the window manager, and --no-glx for the warning boxes. See
# program_helpers.sh for how the program is run.
program=$1
shift
# shellcheck source=../program/program_helpers.sh
. "$(dirname "$0")/../program/program_helpers.sh"

# A warning box other than the one seen before; gone, the box seen (pressing Return again, where
# that ends it: a key the box is not yet ready for).
new_box() { box=$("$warning_box") && [ "$box" != "$previous" ]; }
gone() {
  [ "$("$warning_box" "$window")" != "$box" ] && return 0
  [ "$ending" = Return ] && xdotool key Return
  return 1
}
# The program's peak resident memory, in MB, while it runs.
peak_memory() { echo $(($(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status") / 1024)); }

run_case() { # CASE [ARGUMENTS]
  case=$1
  shift
  case $case in
  destroyed) # another client destroys the window: the program ends as if closed, with no warning
    start; xdotool windowclose "$window"; ends_with 0 ;;
  forged-destroy) # a destruction another client makes up is not the window's
    start; "$HOSTILE" destroy "$window"; sleep 0.5
    ended && fail "ended by a made-up DestroyNotify"
    close TERM ;;
  destroyed-drawing-on | destroyed-drawing-on-under-memcheck) # another client destroys the
    # window of a program that draws on after WM_DESTROY: it goes on, under 200 MB (under memcheck,
    # with no invalid access), until the session ends it
    tool=""
    [ "$case" = destroyed-drawing-on ] || tool=$memcheck
    # shellcheck disable=SC2086 # the tool's words
    start $tool; xdotool windowclose "$window"; sleep 3
    ended && fail "ended: $(cat "$workdir/stderr" "$workdir/memcheck" 2>/dev/null)"
    memory=$(peak_memory)
    close TERM 30
    [ -n "$tool" ] || [ "$memory" -lt 200 ] || fail "$memory MB at its peak" ;;
  keys-only) # a loop that takes only keys off the queue, under 50,000 pointer moves a second and
    # then more clicks than the queue holds: it grows by no more than a few megabytes, and Escape
    # still ends it
    start
    before=$(peak_memory)
    "$HOSTILE" moves "$window" 3 50000
    xdotool mousemove --window "$window" 100 100 click --repeat 20000 --delay 0 1
    grown=$(($(peak_memory) - before))
    [ "$grown" -lt 8 ] || fail "$grown MB more after the pointer's moves and clicks"
    escape_ends_it ;;
  huge) # ARGUMENTS: the sizes other clients give the window, one after another: no crash, under
    # 200 MB all along, and frames go on at the size it ends with, which a window manager keeps
    # within the screen
    start
    for each in "$@"; do
      xdotool windowsize "$window" "${each%x*}" "${each#*x}"; sleep 0.5
      ended && fail "killed by a window of $each"
    done
    client=$(size)
    memory=$(peak_memory)
    close TERM
    [ "$memory" -lt 200 ] || fail "$memory MB at its peak"
    [ "$(viewports | tail -n 1)" = "$client" ] || fail "client $client, viewports $(viewports)"
    [ "${client%x*}" -le 1920 ] || fail "a client of $client on a 1920 pixels wide screen" ;;
  synthetic-configure) # a size another client makes up is not the window's
    start; client=$(size)
    "$HOSTILE" configure "$window" 40000 3; "$HOSTILE" configure "$window" 0 0
    sleep 0.3; close TERM
    [ "$(viewports | sort -u)" = "$client" ] || fail "client $client, viewports $(viewports)" ;;
  flood) # property changes from two clients do not hold off a close
    start
    for _ in 1 2; do "$HOSTILE" flood "$window" 3 & clients="$clients $!"; done
    sleep 1; close TERM ;;
  closed-standard-error) # started with standard error closed, the GL driver writing to it: the
    # window shows, and the program ends as asked
    LIBGL_DEBUG=verbose "$program" 2>&- &
    pid=$!
    within 300 shown || fail "no window titled $title"
    close TERM ;;
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
    "$HOSTILE" manager "$kind" "$@" >"$workdir/manager" & clients=$!
    until grep -qs ready "$workdir/manager"; do sleep 0.05; done
    start
    expect "client" "$(size)" "$expected"
    requests=$(grep -c request "$workdir/manager")
    if [ "$kind" = live ]; then [ "$requests" -gt 0 ]; else [ "$requests" = 0 ]; fi ||
      fail "$requests frame-extents requests to a $kind manager"
    close TERM ;;
  *) fail "no case $case" ;;
  esac
}

run_cases "$@"
