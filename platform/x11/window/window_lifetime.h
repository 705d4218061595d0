// Creation of top-level windows (CreateWindowExA), and the end of their X side.
#ifndef TALVO_PLATFORM_X11_WINDOW_WINDOW_LIFETIME_H
#define TALVO_PLATFORM_X11_WINDOW_WINDOW_LIFETIME_H

#include "platform/platform.h"

namespace x11 {

// Destroys the X window of a window going away, unless another client already has.
void destroyXWindow(HWND window);

} // namespace x11

#endif
