// The keyboard focus coming and going becomes activation and focus messages.
#ifndef TALVO_PLATFORM_X11_INPUT_FOCUS_H
#define TALVO_PLATFORM_X11_INPUT_FOCUS_H

#include "platform/platform.h"

#include <X11/Xlib.h>

namespace x11 {

// Posts WM_ACTIVATE and then WM_SETFOCUS when the window gets the keyboard, WM_ACTIVATE
// (WA_INACTIVE) and then WM_KILLFOCUS when it loses it. The other window is not named (null, as
// for another program's window).
void translateFocusEvent(HWND window, const XFocusChangeEvent& event);

} // namespace x11

#endif
