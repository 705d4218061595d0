// Pointer events become mouse messages.
#ifndef TALVO_PLATFORM_X11_INPUT_POINTER_H
#define TALVO_PLATFORM_X11_INPUT_POINTER_H

#include "platform/platform.h"

#include <X11/Xlib.h>

namespace x11 {

// Posts WM_MOUSEMOVE, the left, right and middle button messages and WM_MOUSEWHEEL for a motion
// or button event in the client area, each mouse message after a WM_SETCURSOR sent. Outside it
// (the server keeps sending them there while a button is held) they are not the window's, as on
// Windows, unless a window has the capture: then every mouse message is the capture window's.
void translatePointerEvent(HWND window, const XEvent& event);

} // namespace x11

#endif
