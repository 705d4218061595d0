#!/bin/sh
# With no display to open, the two warnings of a failed start go to standard error, in UTF-8,
# and the program ends with code 1.
#   program_without_display.sh PROGRAM
set -u
errors=$(env -u DISPLAY "$1" 2>&1 >/dev/null)
status=$?
echo "$errors"
expected="www.talvo.example - OpenGL: Pencere oluşturulamadi.
www.talvo.example - OpenGL: Program acilamadi!"
[ "$errors" = "$expected" ] && [ "$status" = 1 ]
