// Creation and destruction of top-level windows, and the new X window a GL visual needs.
#ifndef TALVO_PLATFORM_X11_WINDOW_LIFETIME_H
#define TALVO_PLATFORM_X11_WINDOW_LIFETIME_H

#include "platform/x11/window.h"

#include <X11/Xutil.h>

namespace x11 {

// Gives a window that is not yet shown a new X window, with the visual of a GL configuration;
// the handle, the properties and the size stay. False when the server refuses.
bool recreateWithVisual(HWND window, const XVisualInfo& visual);

} // namespace x11

#endif
