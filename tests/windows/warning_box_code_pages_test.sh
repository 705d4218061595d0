#!/bin/sh
# The warning boxes read the same on the Turkish ANSI code page and on another:
#   warning_box_code_pages_test.sh window_creation_fails.exe warning_box_reader.exe
# The program, its window creation failing, shows "Pencere oluşturulamadi." and then "Program
# acilamadi!", under the window title and with the warning icon, and ends with exit code 1.
# Each box is read as UTF-16 from inside the Wine session. Wine takes its ANSI code page from
# the Unix locale (en_US: 1252, tr_TR: 1254; the locale need not be installed).
set -u
program=$1
reader=$2

caption="caption=\"www.talvo.example - OpenGL\""

# Ending the Wine session ends the program too.
fail() {
  echo "FAIL: $*" >&2
  wineserver --kill
  exit 1
}

# The next box, as the reader reports it; the reader dismisses it.
expect_box() {
  found=$(LC_ALL=$locale "$WINE" "$reader") || fail "no box on code page $code_page"
  found=$(printf '%s' "$found" | tr -d '\r') # the reader writes Windows line ends
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
  expect_box "acp=$code_page $caption text=\"Pencere olu\\u015Fturulamadi.\" icon=yes"
  expect_box "acp=$code_page $caption text=\"Program acilamadi!\" icon=yes"
  wait "$program_pid"
  status=$?
  [ "$status" = 1 ] || fail "exit code $status on code page $code_page, expected 1"
  echo "code page $code_page: the boxes read as expected"
done
wineserver --wait
