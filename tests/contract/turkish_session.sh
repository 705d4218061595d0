#!/bin/sh
# Runs a command with the display's keyboard on the Turkish Q layout, whose keys give the
# characters of Windows-1254 that the cases type (xdotool finds them on the keyboard instead of
# binding them to a spare key for a moment, which a client reading its events later would miss).
# With --locale DIR, in the Turkish locale too, compiled into DIR once: Wine takes its ANSI code
# page from it, and Xlib needs it installed to hand Wine the keys' characters.
#   turkish_session.sh [--locale DIR] command [args...]
set -eu
if [ "$1" = --locale ]; then
  locales=$2
  shift 2
  if [ ! -d "$locales/tr_TR.UTF-8" ]; then
    mkdir -p "$locales"
    localedef -i tr_TR -f UTF-8 "$locales/tr_TR.UTF-8"
  fi
  LOCPATH=$locales LC_ALL=tr_TR.UTF-8
  export LOCPATH LC_ALL
fi
setxkbmap tr
exec "$@"
