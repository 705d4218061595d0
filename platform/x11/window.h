// What a window handle points to, and the register of live windows.
#ifndef TALVO_PLATFORM_X11_WINDOW_H
#define TALVO_PLATFORM_X11_WINDOW_H

#include "platform/platform.h"
#include "platform/x11/window_class.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <string>

// A window has one device context, its own, which lives as long as the window.
struct HDC__ {
    HWND window;
};

struct HWND__ {
    Window handle;
    Colormap colormap; // its own, once it has a GL visual; None before
    VisualID visual;
    x11::WindowClass* windowClass;
    std::string title; // as the caller gave it, in Windows-1254
    DWORD style;
    int x;
    int y;
    int clientWidth; // as the server last reported it
    int clientHeight;
    int reportedWidth; // as the window procedure was last told it, -1 before the first time
    int reportedHeight;
    bool shown;      // ShowWindow has shown it once
    bool iconic;     // the window manager has it minimised
    bool focused;    // it has the keyboard, as the server last reported
    int pixelFormat; // 0 until one is set
    GLXFBConfig frameBufferConfig;
    int swapInterval; // frames a buffer swap waits for, as wglSwapIntervalEXT last set it
    HDC__ deviceContext;
};

namespace x11 {

// A window is live from its creation until it is destroyed.
void addLiveWindow(HWND window);
void removeLiveWindow(HWND window);
// The argument if it is a window not yet destroyed, else null.
HWND liveWindow(HWND window);
// The window whose X window that is, or null.
HWND windowOfXWindow(Window handle);
// The window whose device context that is, or null.
HWND windowOfDeviceContext(HDC deviceContext);

} // namespace x11

#endif
