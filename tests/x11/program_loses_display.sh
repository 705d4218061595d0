#!/bin/sh
# When the X server goes away under the running program, the program ends within two seconds, by
# itself and not by a signal (which would dump core). Runs under with_display.sh, which names
# the server's process.
#   program_loses_display.sh PROGRAM
set -u
here=$(cd "$(dirname "$0")" && pwd)
"$1" &
pid=$!
"$here/../../scripts/display/program_window.sh" >/dev/null || { kill "$pid"; exit 1; }
sleep 0.5

kill -KILL "$XVFB_PID"
for _ in $(seq 20); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "still running two seconds after the server went away"
  kill -KILL "$pid"
  exit 1
fi
wait "$pid"
status=$?
echo "exit code $status"
[ "$status" -lt 128 ]
