#!/bin/sh
# The warning boxes read the same on the Turkish ANSI code page and on another:
#   warning_box_code_pages_test.sh window_creation_fails.exe warning_box_reader.exe
# The program, its window creation failing, shows "Pencere oluşturulamadi." and then "Program
# acilamadi!", owned by no window, under the window title, with the warning icon and one OK
# button, and ends with exit code 1. Each box is read as UTF-16 from inside the Wine session.
# Wine takes its ANSI code page from the Unix locale (en_US: 1252, tr_TR: 1254; the locale
# need not be installed).
set -u
program=$1
reader=$2

box="owner=none caption=\"www.talvo.example - OpenGL\""
box_end="buttons=1 icon=yes"

program_pid=""
fail() {
  echo "FAIL: $*" >&2
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  wineserver --kill
  exit 1
}

# The next box, as the reader reports it; the reader dismisses it.
expect_box() {
  found=$(LC_ALL=$locale "$WINE" "$reader" | tr -d '\r') || fail "no box on code page $code_page"
  [ "$found" = "$1" ] || fail "expected the box: $1; found: $found"
}

for case in "en_US.UTF-8 1252" "tr_TR.UTF-8 1254"; do
  locale=${case% *}
  code_page=${case#* }
  # Each case on a wineserver of its own: one still ending after an earlier run would lend the
  # program its desktop, which may have no display.
  wineserver --wait
  LC_ALL=$locale "$WINE" "$program" &
  program_pid=$!
  expect_box "acp=$code_page $box text=\"Pencere olu\\u015Fturulamadi.\" $box_end"
  expect_box "acp=$code_page $box text=\"Program acilamadi!\" $box_end"
  wait "$program_pid"
  status=$?
  program_pid=""
  [ "$status" = 1 ] || fail "exit code $status on code page $code_page, expected 1"
  echo "code page $code_page: the boxes read as expected"
done
wineserver --wait
