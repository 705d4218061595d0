// A window's X side: the top-level X window that stands for it.
#ifndef TALVO_PLATFORM_X11_WINDOW_X_WINDOW_H
#define TALVO_PLATFORM_X11_WINDOW_X_WINDOW_H

#include "platform/platform.h"
#include "xlib/frame_extents.h"

#include <X11/Xlib.h>

namespace x11 {

struct XWindow {
    Window handle;
    unsigned long stateReadSerial; // the request that last read WM_STATE, 0 before the first
    // Another client destroyed the X window. The window stays live until DestroyWindow releases
    // what is left, as the program may still hold its handle.
    bool gone;
    FrameExtents frame;         // the window manager's frame around it, as last asked for
    bool fullScreen;            // the window manager was asked to show it full screen
    unsigned long placedSerial; // the request that last placed it, 0 before the first
};

void addXWindow(HWND window, Window handle, const FrameExtents& frame);
void removeXWindow(HWND window);
// The X side of a live window; null for any other handle.
XWindow* xWindowOf(HWND window);
// The live window that X window stands for, or null.
HWND windowOfXWindow(Window handle);

} // namespace x11

#endif
