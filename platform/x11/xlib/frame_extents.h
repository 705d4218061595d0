// The size of the frame the window manager will put around a window.
#ifndef TALVO_PLATFORM_X11_XLIB_FRAME_EXTENTS_H
#define TALVO_PLATFORM_X11_XLIB_FRAME_EXTENTS_H

#include "platform/platform.h"

#include <X11/Xlib.h>

namespace x11 {

struct FrameExtents {
    int left;
    int right;
    int top;
    int bottom;
};

// Asks the window manager for the frame of a window not yet mapped, whose decorations are already
// set and whose outer size is to be the one given. No frame when no manager runs, it does not
// answer in time, or its answer leaves no client area.
FrameExtents frameExtentsOf(Window window, int outerWidth, int outerHeight);
// The frame the window manager puts around a window of that style: asked once for each look of
// the frame, about a window made for the question and never shown, and remembered.
FrameExtents frameExtentsOfStyle(DWORD style);

} // namespace x11

#endif
