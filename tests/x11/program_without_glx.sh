#!/bin/sh
# On a display without GLX the program can find no pixel format: it shows its three warnings one
# after another and ends with code 1. Each box is ended by DISMISSAL, a command given the box's
# window id (by default a Return key press sent to the box). The program may come with a command
# that runs it (valgrind). Runs on a display with a window manager and without GLX.
#   program_without_glx.sh [--dismiss DISMISSAL] PROGRAM [ARGUMENTS...]
set -u
dismissal="xdotool key --window \$window Return"
if [ "$1" = --dismiss ]; then
  dismissal="$2 \$window"
  shift 2
fi
"$@" &
pid=$!

# The warning box is the visible window that carries the text of its message. Each box has an X
# connection of its own, so the next box may come with the id of the one before: it is told from
# that one by its text. A program run under valgrind takes some seconds to show its first box.
next_box() {
  for _ in $(seq 600); do
    for window in $(xdotool search --onlyvisible --name 'OpenGL' 2>/dev/null); do
      text=$(xprop -id "$window" -notype _TALVO_MESSAGE 2>/dev/null | sed -n 's/^_TALVO_MESSAGE = "\(.*\)"$/\1/p')
      [ -n "$text" ] && [ "$window $text" != "$1" ] && { echo "$window $text"; return 0; }
    done
    sleep 0.05
  done
  return 1
}

failed=0
previous=none
for expected in "Suitable PikselFormat bulunamadi!" "Giris degerleri girilemedi." "Program acilamadi!"; do
  box=$(next_box "$previous") || { echo "no box saying: $expected"; failed=1; break; }
  window=${box%% *}
  text=${box#* }
  echo "box: $text"
  [ "$text" = "$expected" ] || { echo "expected: $expected"; failed=1; }
  eval "$dismissal"
  previous=$box
done

[ $failed = 1 ] && kill "$pid" 2>/dev/null
wait "$pid"
status=$?
echo "exit code $status"
[ "$status" = 1 ] || failed=1
exit $failed
