#!/bin/sh
# The X11 layer's parts call one way: no part calls a function that a part after it defines (a
# Win32 call included, which every part sees declared in <windows.h>).
#   parts_call_one_way.sh ARCHIVE...    the parts' archives, in their order
set -u
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
names=""
for archive in "$@"; do
  name=$(basename "$archive" .a)
  nm --defined-only "$archive" | awk '$2 ~ /[TDBRVW]/ {print $3}' | sort -u >"$workdir/$name.defined"
  nm --undefined-only "$archive" | awk '{print $2}' | sort -u >"$workdir/$name.used"
  names="$names $name"
done
status=0
earlier=""
for name in $names; do
  earlier="$earlier $name"
  for later in $names; do
    case " $earlier " in *" $later "*) continue ;; esac
    calls=$(comm -12 "$workdir/$name.used" "$workdir/$later.defined" | c++filt | head -n 3)
    [ -z "$calls" ] || { echo "$name calls $later: $calls"; status=1; }
  done
done
exit $status
