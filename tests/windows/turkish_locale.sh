#!/bin/sh
# Runs a command in the Turkish locale, compiled into DIR once: Wine takes its ANSI code page,
# Windows-1254, from it, and Xlib needs it installed to hand Wine the characters of the keys.
#   turkish_locale.sh DIR command [args...]
set -eu
locales=$1
shift
if [ ! -d "$locales/tr_TR.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i tr_TR -f UTF-8 "$locales/tr_TR.UTF-8"
fi
LOCPATH=$locales LC_ALL=tr_TR.UTF-8 exec "$@"
