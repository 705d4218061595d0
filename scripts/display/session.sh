#!/bin/sh
# One session with the program on the current display, as a user would have it: waits for its
# window, lets it run, saves a screenshot of the screen, closes the window through the window
# manager and tells how the program ended.
#   session.sh SCREENSHOT SECONDS COMMAND [ARGS...]
# The command is the program, or a tool that runs it (valgrind).
set -u
screenshot=$1
seconds=$2
shift 2

"$@" &
pid=$!
if ! window=$("$(dirname "$0")/program_window.sh" 120); then
  echo "the program showed no window" >&2
  kill "$pid" 2>/dev/null
  wait "$pid"
  exit 1
fi
sleep "$seconds"
import -window root "$screenshot"
echo "screenshot: $screenshot"

closed=$(date +%s%N)
wmctrl -i -c "$window"
wait "$pid"
status=$?
ended=$(date +%s%N)
echo "closed in $(((ended - closed) / 1000000)) ms, exit code $status"
