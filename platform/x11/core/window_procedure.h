// Delivery of messages to window procedures: sent at once, or dispatched by the message loop.
#ifndef TALVO_PLATFORM_X11_CORE_WINDOW_PROCEDURE_H
#define TALVO_PLATFORM_X11_CORE_WINDOW_PROCEDURE_H

#include "platform/platform.h"

namespace x11 {

// Calls the window procedure of a live window's class at once. A window whose class has none, or
// that is not live, answers 0: nothing handles the message.
LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace x11

#endif
