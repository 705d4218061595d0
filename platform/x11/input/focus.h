// The keyboard focus coming and going becomes activation and focus messages.
#ifndef TALVO_PLATFORM_X11_INPUT_FOCUS_H
#define TALVO_PLATFORM_X11_INPUT_FOCUS_H

#include "platform/platform.h"

#include <X11/Xlib.h>

namespace x11 {

// The window that gets the keyboard is activated, the one that loses it to another program
// deactivated (core/activation.h): their messages are posted behind what is already queued.
void translateFocusEvent(HWND window, const XFocusChangeEvent& event);

} // namespace x11

#endif
