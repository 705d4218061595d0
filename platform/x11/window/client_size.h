// What a window procedure is told of its window's size: WM_SIZE with the client size (0 by 0 while
// the window is minimised) and whether it is minimised, maximised or neither, each time that
// differs from what it was last told. Until the first show it is told nothing: ShowWindow tells it
// the first size.
#ifndef TALVO_PLATFORM_X11_WINDOW_CLIENT_SIZE_H
#define TALVO_PLATFORM_X11_WINDOW_CLIENT_SIZE_H

#include "platform/platform.h"

namespace x11 {

// At the first show, before ShowWindow returns.
void sendClientSize(HWND window);
// After a change the server or the window manager reported, behind the messages before it; not
// before the first show.
void postClientSize(HWND window);

} // namespace x11

#endif
