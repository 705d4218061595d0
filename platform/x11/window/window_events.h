// The X events that tell of a window's size, state and closing become window messages.
#ifndef TALVO_PLATFORM_X11_WINDOW_WINDOW_EVENTS_H
#define TALVO_PLATFORM_X11_WINDOW_WINDOW_EVENTS_H

#include "platform/platform.h"

#include <X11/Xlib.h>

namespace x11 {

// A new client size (the server's own configure events only: any client can send one that says
// anything), with what it exposed to be painted; a new place (a window manager's configure event
// after a move, which says where the client area is on the screen); a new minimised state
// (WM_STATE, which the window manager keeps); the window manager's close request, which comes as
// the close box's on Windows (WM_SYSCOMMAND, SC_CLOSE). Other events change nothing.
void translateWindowEvent(HWND window, const XEvent& event);

} // namespace x11

#endif
