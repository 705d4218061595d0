// The size of the frame the window manager will put around a window.
#ifndef TALVO_PLATFORM_X11_FRAME_EXTENTS_H
#define TALVO_PLATFORM_X11_FRAME_EXTENTS_H

#include <X11/Xlib.h>

namespace x11 {

struct FrameExtents {
    int left;
    int right;
    int top;
    int bottom;
};

// Asks the window manager for the frame of a window not yet mapped, whose decorations are already
// set. No frame when no manager runs or it does not answer in time.
FrameExtents frameExtentsOf(Window window);

} // namespace x11

#endif
