// Full screen as Windows has it: a window with neither title bar nor sizing border that covers the
// whole screen is shown above everything else, panels included. Here the window manager is asked
// for that (_NET_WM_STATE_FULLSCREEN), and asked to take it back once the window no longer covers
// the screen or has a frame again.
#ifndef TALVO_PLATFORM_X11_WINDOW_FULL_SCREEN_H
#define TALVO_PLATFORM_X11_WINDOW_FULL_SCREEN_H

#include "platform/platform.h"

namespace x11 {

// After the window's style or place changed, or it was made.
void fitFullScreenState(HWND window);

} // namespace x11

#endif
