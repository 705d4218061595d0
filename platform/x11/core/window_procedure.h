// Delivery of messages to window procedures: sent at once, or dispatched by the message loop.
#ifndef TALVO_PLATFORM_X11_CORE_WINDOW_PROCEDURE_H
#define TALVO_PLATFORM_X11_CORE_WINDOW_PROCEDURE_H

#include "platform/platform.h"

namespace x11 {

// Calls the window procedure of a live window at once: its class's, or the one SetWindowLongPtrA
// gave it. A window without one, or that is not live, answers 0: nothing handles the message.
LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace x11

#endif
