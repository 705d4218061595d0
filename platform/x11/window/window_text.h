// The window's title. SetWindowTextA sends WM_SETTEXT; the default window procedure sets it.
#ifndef TALVO_PLATFORM_X11_WINDOW_WINDOW_TEXT_H
#define TALVO_PLATFORM_X11_WINDOW_WINDOW_TEXT_H

#include "platform/platform.h"

namespace x11 {

// Sets the title (Windows-1254; null is empty) of a live window, for the window manager too.
// False for any other handle.
bool setWindowText(HWND window, const char* text);

} // namespace x11

#endif
