// The screen as windows see it: its size now, whatever mode it was set to since the program
// started, and the work area the window manager leaves windows.
#ifndef TALVO_PLATFORM_X11_DISPLAY_SCREEN_H
#define TALVO_PLATFORM_X11_DISPLAY_SCREEN_H

#include "platform/platform.h"

namespace x11 {

RECT screenArea();
// The first desktop's work area (_NET_WORKAREA); the whole screen where the manager names none.
RECT workArea();

} // namespace x11

#endif
