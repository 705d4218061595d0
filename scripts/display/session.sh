#!/bin/sh
# One session with the program on the current display, as a user would have it: waits for its
# window, lets it run, saves a screenshot of the screen, closes the window through the window
# manager and tells how the program ended. Every warning box the program shows meanwhile is read
# out and dismissed, and a program that ends before its window shows ends the session at once.
# The session's exit status is the program's exit code.
#   session.sh SCREENSHOT SECONDS COMMAND [ARGS...]
# The command is the program, or a tool that runs it (valgrind).
set -u
here=$(dirname "$0")
screenshot=$1
seconds=$2
shift 2
# How long the window may take to show, and the program to end after the close.
patience=120

"$@" &
pid=$!

# For as long as the program runs, from FIRST seconds on: each warning box is read out, dismissed
# and waited for to go. A program still running after LAST seconds is stopped, with REASON.
#   follow_boxes FIRST LAST REASON
follow_boxes() {
  first=$(($(date +%s) + $1))
  last=$(($(date +%s) + $2))
  while kill -0 "$pid" 2>/dev/null; do
    now=$(date +%s)
    if [ "$now" -ge "$last" ]; then
      echo "$3: stopped" >&2
      kill "$pid"
      return
    fi
    if [ "$now" -ge "$first" ] && box=$("$here/warning_box.sh"); then
      echo "warning box: ${box#* }"
      xdotool key --window "${box%% *}" Return
      for _ in $(seq 40); do
        [ "$("$here/warning_box.sh" "${box%% *}")" = "$box" ] || break
        sleep 0.05
      done
    else
      sleep 0.1
    fi
  done
}

follow_boxes 0 "$patience" "no window in $patience s" &
follower=$!
until window=$("$here/program_window.sh" 0); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    wait "$follower"
    echo "the program ended without showing its window, exit code $status"
    exit "$status"
  fi
  sleep 0.1
done
kill "$follower" 2>/dev/null

sleep "$seconds"
import -window root "$screenshot"
echo "screenshot: $screenshot"

# Boxes at the close (a failed release) are looked for only after a second: the close is timed,
# and the looking would slow it.
follow_boxes 1 "$patience" "still running $patience s after the close" &
follower=$!
closed=$(date +%s%N)
wmctrl -i -c "$window"
wait "$pid"
status=$?
ended=$(date +%s%N)
kill "$follower" 2>/dev/null
echo "closed in $(((ended - closed) / 1000000)) ms, exit code $status"
exit "$status"
