#!/bin/sh
# The warning boxes read the same on the Turkish ANSI code page and on another:
#   warning_box_code_pages_test.sh window_creation_fails.exe warning_box_reader.exe
# The program, its window creation failing, shows "Pencere oluşturulamadi." and then "Program
# acilamadi!" under the window title, and ends with exit code 1. The reader starts it, from its
# path on drive Z: (the Unix root), and reads each box as UTF-16 from inside the Wine session.
# Wine takes its ANSI code page from the Unix locale (en_US: 1252, tr_TR: 1254; the locale need
# not be installed).
set -u
for case in "en_US.UTF-8 1252" "tr_TR.UTF-8 1254"; do
  box="acp=${case#* } caption=\"www.talvo.example - OpenGL\""
  expected="$box text=\"Pencere olu\\u015Fturulamadi.\"
$box text=\"Program acilamadi!\"
exit=1"
  # Each case on a wineserver of its own: one still ending after an earlier run would lend the
  # program its desktop, which may have no display.
  wineserver --wait
  # The reader writes Windows line ends.
  found=$(LC_ALL=${case% *} "$WINE" "$2" "Z:$1" | tr -d '\r')
  if [ "$found" != "$expected" ]; then
    printf 'FAIL in %s: expected\n%s\nfound\n%s\n' "${case% *}" "$expected" "$found" >&2
    wineserver --kill # ends the program too
    exit 1
  fi
  echo "code page ${case#* }: the boxes read as expected"
done
wineserver --wait
