#!/bin/sh
# The Windows program under Wine, on a display of its own with a window manager:
#   window_under_wine_test.sh talvo.exe window_probe.exe
# Its one window comes up with its class, title, style and outer rectangle; the window manager
# lists it under its title; a close through the window manager ends the program promptly with
# exit code 0. A screenshot of the screen is left in the working directory.
set -u
program=$1
probe=$2

title="www.talvo.example - OpenGL"
# Caption, system menu, minimise and maximise boxes, no sizing border; visible, and clipping
# its siblings as every top-level window does.
expected_window="class=\"TALVO pencere\" title=\"$title\" rect=0,0,640,480 style=0x14cb0000"

program_pid=""
fail() {
  echo "FAIL: $*" >&2
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  wineserver --kill
  exit 1
}

# A wineserver still ending after an earlier test would lend the program its desktop, which
# has no display; start on a server of this test's own.
wineserver --wait

"$WINE" "$program" &
program_pid=$!

windows=$("$WINE" "$probe") || fail "the program showed no window"
windows=$(printf '%s\n' "$windows" | tr -d '\r') # the probe writes Windows line ends
[ "$windows" = "$expected_window" ] ||
  fail "expected one window: $expected_window; found: $windows"

import -window root window_under_wine.png

# wmctrl finds the window only among those the window manager manages, so this also waits
# until openbox has taken it.
tries=50
until wmctrl -F -c "$title" 2>/dev/null; do
  tries=$((tries - 1))
  [ "$tries" -gt 0 ] || fail "the window manager has no window titled \"$title\""
  sleep 0.1
done

# A program still running five seconds after the close is stopped, and fails the test.
(sleep 5 && kill "$program_pid" 2>/dev/null) &
watchdog_pid=$!
wait "$program_pid"
status=$?
program_pid=""
kill "$watchdog_pid" 2>/dev/null
[ "$status" = 0 ] || fail "exit code $status after the close (143: still running after 5 s)"

wineserver --wait
echo "window under Wine: as expected, closed with exit code 0"
