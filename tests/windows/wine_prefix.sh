#!/bin/sh
# Makes afresh or removes the Wine prefix that WINEPREFIX names, with the Wine loader WINE names:
#   wine_prefix.sh create|remove
# Each test run makes a fresh one, so nothing a run leaves in it reaches the next.
set -eu
: "${WINEPREFIX:?names the prefix}"
# Ends what a failed test may have left running in this prefix, and only there.
wineserver --kill 2>/dev/null || true
rm -rf "$WINEPREFIX"
if [ "$1" = create ]; then
  # Away from any display: wineboot shows a progress window where it has one.
  env -u DISPLAY "$WINE" wineboot --init
  wineserver --wait
fi
