// What the X plumbing keeps, in one place: the program's connection, the traps of the time and the
// frames the window manager gives each look of frame.
#ifndef TALVO_PLATFORM_X11_XLIB_XLIB_STATE_H
#define TALVO_PLATFORM_X11_XLIB_XLIB_STATE_H

#include "xlib/connection.h"
#include "xlib/frame_extents.h"

#include <vector>

namespace x11 {

class ErrorTrap;

// The frame the window manager gave a look of frame (the decorating styles).
struct StyleFrame {
    DWORD style;
    FrameExtents frame;
};

struct XlibState {
    bool programOpened = false; // opened once, on first need
    Connection program = {};
    ErrorTrap* innermostTrap = nullptr;
    std::vector<StyleFrame> styleFrames;
};

extern XlibState xlib;

} // namespace x11

#endif
