// Delivery of messages to window procedures: sent at once, or dispatched by the message loop.
#ifndef TALVO_PLATFORM_X11_WINDOW_PROCEDURE_H
#define TALVO_PLATFORM_X11_WINDOW_PROCEDURE_H

#include "platform/platform.h"

namespace x11 {

// Calls the window procedure of the window's class at once; a class without one has the default
// window procedure.
LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace x11

#endif
