#!/bin/sh
# A user at the X display, acting through the window manager as a user would:
#   x_user.sh minimise|restore|maximise|close TITLE
#   x_user.sh answer-box KEYS SEEN [WINDOW_TITLE]
#   x_user.sh layout LAYOUT
#   x_user.sh play XDOTOOL_ARGUMENTS...
#   x_user.sh add-mode WIDTHxHEIGHT
#   x_user.sh full-screen TITLE
# The first acts on the window titled TITLE once the window manager has it. answer-box waits for
# the next warning box (a visible window not titled WINDOW_TITLE), writes its caption, its text
# (where the window carries it in _TALVO_MESSAGE) and whether it has an owner to the file SEEN,
# one line each, then answers it: KEYS are keys, or "close" for its close button, separated by
# commas; each but the last is played once, for a box that is to stay, and the last until the box
# goes. layout sets the keyboard layout; play starts xdotool with its arguments and returns at
# once.
# add-mode gives the display's output a mode of that size at 60 Hz, as a monitor offers it, unless
# it has one; full-screen succeeds when the window manager shows the window titled TITLE full
# screen.
set -u

# Polls, for up to 30 s on a loaded machine: xdotool gives up with an error when a window it
# looks at goes away meanwhile.
poll() {
  for _ in $(seq 600); do
    "$@" && return 0
    sleep 0.05
  done
  echo "x_user.sh: gave up waiting: $*" >&2
  return 1
}

managed() {
  xprop -id "$id" WM_STATE 2>/dev/null | grep -q 'window state'
}

managed_window() { # TITLE
  id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
  [ -n "$id" ] && managed
}

# A visible window with a name, and not the one titled $1.
box() {
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    name=$(text _NET_WM_NAME)
    [ -n "$name" ] && [ "$name" != "$1" ] && return 0
  done
  return 1
}

viewable() {
  xwininfo -id "$id" 2>/dev/null | grep -q IsViewable
}

text() { # PROPERTY
  xprop -id "$id" -notype "$1" 2>/dev/null | sed -n "s/^$1 = \"\(.*\)\"\$/\1/p"
}

focused() {
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ]
}

press() { # KEY, or close
  if [ "$1" = close ]; then wmctrl -i -c "$id"; else xdotool key --window "$id" "$1"; fi
}

case $1 in
  layout) exec setxkbmap "$2" ;;
  add-mode)
    output=$(xrandr | awk '/ connected/ { print $1; exit }')
    xrandr | grep -q "^ *$2 " && exit 0
    # A modeline with narrow blanking, its clock in MHz giving 60 frames a second.
    modeline=$(echo "$2" | awk -Fx '{ h = $1 + 160; v = $2 + 30
      printf "%.2f %d %d %d %d %d %d %d %d", h * v * 60 / 1e6, $1, $1 + 48, $1 + 80, h, $2, $2 + 3, $2 + 9, v }')
    # shellcheck disable=SC2086 # the modeline's numbers, one argument each
    xrandr --newmode "$2" $modeline && exec xrandr --addmode "$output" "$2" ;;
  play) shift; xdotool "$@" & exit 0 ;;
  answer-box)
    # A window that goes away while it is read (as Wine's last box may) was not the box.
    for _ in $(seq 100); do
      poll box "${4:-}" && poll managed || exit 1
      caption=$(text _NET_WM_NAME)
      message=$(text _TALVO_MESSAGE)
      owners=$(xprop -id "$id" WM_TRANSIENT_FOR 2>/dev/null | grep -c 'window id')
      [ -n "$caption" ] && viewable && break
    done
    printf '%s\n%s\n%s\n' "$caption" "$message" "$owners" >"$3"
    keys=$2
    if [ "${keys#*,}" != "$keys" ]; then
      for _ in $(seq 50); do focused && break; sleep 0.1; done
      while [ "${keys#*,}" != "$keys" ]; do
        press "${keys%%,*}"
        sleep 0.3
        keys=${keys#*,}
      done
    fi
    # A key or close the window manager is not yet ready for is played again, but only a second
    # later: the box goes at once when the key reaches it, and a key played again meanwhile would
    # reach the box that follows. The same box is told apart from the next by its id and text.
    for _ in $(seq 10); do
      press "$keys"
      for _ in $(seq 10); do
        sleep 0.1
        viewable && [ "$(text _TALVO_MESSAGE)" = "$message" ] || exit 0
      done
    done
    echo "x_user.sh: the box stays" >&2
    exit 1 ;;
esac

poll managed_window "$2" || exit 1
case $1 in
  minimise) xdotool windowminimize "$id" ;;
  restore) wmctrl -i -a "$id" ;;
  maximise) wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz ;;
  close) wmctrl -i -c "$id" ;;
  full-screen) xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ;;
esac
