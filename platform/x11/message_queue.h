// The thread's message queue, and delivery of messages to window procedures.
#ifndef TALVO_PLATFORM_X11_MESSAGE_QUEUE_H
#define TALVO_PLATFORM_X11_MESSAGE_QUEUE_H

#include "platform/platform.h"

namespace x11 {

void postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Calls the window procedure at once.
LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Drops what is still queued for a window that is going away.
void discardMessagesFor(HWND window);

// WM_SIZE for the client size, when it is not what the window procedure was last told. Sent now
// for the first show, otherwise queued.
void reportClientSize(HWND window, bool sendNow);

} // namespace x11

#endif
