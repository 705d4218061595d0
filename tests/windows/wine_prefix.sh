#!/bin/sh
# Makes or removes the Wine prefix that WINEPREFIX names, with the Wine loader WINE names:
#   wine_prefix.sh create|remove
# Each test run makes a fresh one, so nothing a run leaves in it reaches the next.
set -eu
: "${WINEPREFIX:?names the prefix}"
: "${WINE:?names the Wine loader}"
case "$1" in
  create)
    rm -rf "$WINEPREFIX"
    # Away from any display: wineboot shows a progress window where it has one.
    env -u DISPLAY "$WINE" wineboot --init
    wineserver --wait
    ;;
  remove)
    # Ends what a failed test may have left running in this prefix, and only there.
    wineserver --kill 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    ;;
  *)
    echo "usage: $0 create|remove" >&2
    exit 2
    ;;
esac
