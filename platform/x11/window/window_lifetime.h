// Top-level windows: their record and X window, as CreateWindowExA makes them, and the end of
// their X side.
#ifndef TALVO_PLATFORM_X11_WINDOW_WINDOW_LIFETIME_H
#define TALVO_PLATFORM_X11_WINDOW_WINDOW_LIFETIME_H

#include "core/window_class.h"
#include "platform/platform.h"

namespace x11 {

// What CreateWindowExA was asked for, CW_USEDEFAULT and all.
struct WindowRequest {
    DWORD exStyle;
    WindowClass* windowClass;
    LPCSTR title;
    DWORD style;
    int x;
    int y;
    int width;
    int height;
    HINSTANCE instance;
};

// A new window, hidden, with its record and X window, whatever WS_VISIBLE asks; null when the
// server refuses or every handle is taken.
HWND createWindow(const WindowRequest& request);
// Destroys the X window of a window going away, unless another client already has.
void destroyXWindow(HWND window);

} // namespace x11

#endif
