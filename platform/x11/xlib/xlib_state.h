// What the X plumbing keeps, in one place: the program's connection and the traps of the time.
#ifndef TALVO_PLATFORM_X11_XLIB_XLIB_STATE_H
#define TALVO_PLATFORM_X11_XLIB_XLIB_STATE_H

#include "xlib/connection.h"

namespace x11 {

class ErrorTrap;

struct XlibState {
    bool programOpened = false; // opened once, on first need
    Connection program = {};
    ErrorTrap* innermostTrap = nullptr;
};

extern XlibState xlib;

} // namespace x11

#endif
