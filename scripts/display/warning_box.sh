#!/bin/sh
# Prints the id and the text of one of the program's warning boxes on the current display, or
# fails if there is none:
#   warning_box.sh [WINDOW]
# Without WINDOW it looks at every window on screen; with it, at that window only. A box carries
# its text in the _TALVO_MESSAGE property, in UTF-8.
set -u
windows=${1:-$(xdotool search --onlyvisible --name . 2>/dev/null)}
for window in $windows; do
  # xprop writes UTF-8 as it is only in a UTF-8 locale, and escapes quotes and backslashes.
  text=$(LC_ALL=C.UTF-8 xprop -id "$window" -notype _TALVO_MESSAGE 2>/dev/null |
    sed -n 's/^_TALVO_MESSAGE = "\(.*\)"$/\1/p' | sed 's/\\\(.\)/\1/g')
  [ -n "$text" ] && { echo "$window $text"; exit 0; }
done
exit 1
