#!/bin/sh
# Runs a command against a virtual X display of its own: Xvfb on a free display number and,
# with --wm, the openbox window manager (with --wm-config, on that configuration file). Both are
# torn down when the command ends. The command finds the server's process id in XVFB_PID.
#   with_display.sh [--screen WxH] [--wm] [--wm-config FILE] [--no-glx] command [args...]
set -u
with_wm=0
wm_options="--sm-disable"
screen=1920x1200
xvfb_extra=""
while [ $# -gt 0 ]; do
  case "$1" in
    --screen) screen=$2; shift 2 ;;
    --wm) with_wm=1; shift ;;
    # openbox does not find a configuration file named relative to the current folder.
    --wm-config) wm_options="$wm_options --config-file $(realpath "$2")"; shift 2 ;;
    --no-glx) xvfb_extra="-extension GLX"; shift ;;
    *) break ;;
  esac
done

workdir=$(mktemp -d)
trap 'kill $wm_pid $xvfb_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$workdir"' EXIT INT TERM
wm_pid=""
# -displayfd picks a free display number and writes it once the server accepts connections.
# -noreset: by default the server resets when its last client leaves, and a test that connects
# during the reset is refused.
# shellcheck disable=SC2086
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset $xvfb_extra 3>"$workdir/display" \
  >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$workdir/display" ] && break
  sleep 0.05
done
if [ ! -s "$workdir/display" ]; then
  echo "Xvfb did not start:" >&2; cat "$workdir/xvfb.log" >&2; exit 1
fi
DISPLAY=":$(cat "$workdir/display")"
XVFB_PID=$xvfb_pid
export DISPLAY XVFB_PID

# A client connecting right after the server named its display is now and then turned away on a
# busy machine: wait until one gets through.
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done

# openbox names its check window on the root early in its start-up, and drops requests that come
# before it is done; the client list it sets last tells that it is. One that could not connect is
# started again.
start_wm() {
  # shellcheck disable=SC2086
  openbox $wm_options >>"$workdir/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 200); do
    xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$wm_pid" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}
if [ "$with_wm" = 1 ]; then
  start_wm || start_wm || start_wm || {
    echo "openbox did not start:" >&2; cat "$workdir/wm.log" >&2; exit 1
  }
fi

"$@"
status=$?
exit $status
