#!/bin/sh
# The run command's session with a program that cannot start: it ends as soon as the program
# does, having printed the text of each warning box in order, with the program's exit code.
# Runs on a display with a window manager where no GL context can be made
# (LIBGL_ALWAYS_INDIRECT=1: the virtual display serves no indirect GL).
#   session_fails_fast.sh PROGRAM
session=$(dirname "$0")/../../scripts/display/session.sh
output=$(timeout 30 "$session" session.png 1 "$1"; echo "status $?")
echo "$output"
[ "$output" = "warning box: OpenGL rendering context olusturulamadi!
warning box: Giris degerleri girilemedi.
warning box: Program acilamadi!
the program ended without showing its window, exit code 1
status 1" ]
