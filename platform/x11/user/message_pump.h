// The message pump's entry for the waits (message_wait.cpp): what waits outside the queue turned
// into messages.
#ifndef TALVO_PLATFORM_X11_USER_MESSAGE_PUMP_H
#define TALVO_PLATFORM_X11_USER_MESSAGE_PUMP_H

#include "platform/platform.h"

namespace x11 {

// Whether a window to filter messages on is a window, none (any window's messages) or (HWND)-1
// (the thread's own).
bool isWindowOrAny(HWND window);

// The session's close request, and the X events already received, each routed to the part it
// concerns; nothing is taken off the queue.
void routePendingInput();

} // namespace x11

#endif
