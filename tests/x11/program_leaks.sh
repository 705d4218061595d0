#!/bin/sh
# A start, run and close cycle of the program under valgrind's memcheck: no memory error and no
# definite or indirect leak. Runs on a display with a window manager.
#   program_leaks.sh PROGRAM
set -u
here=$(cd "$(dirname "$0")" && pwd)
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

report=$("$here/../../scripts/display/session.sh" "$workdir/screen.png" 2 \
  valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
  --suppressions="$here/memcheck.supp" --num-callers=30 --log-file="$workdir/memcheck.log" "$1")
echo "$report"
case "$report" in
  *"exit code 0") exit 0 ;;
esac
cat "$workdir/memcheck.log"
exit 1
