// What a window handle points to, and the register of live windows.
#ifndef TALVO_PLATFORM_X11_WINDOW_H
#define TALVO_PLATFORM_X11_WINDOW_H

#include "platform/platform.h"
#include "platform/x11/window_class.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <string>
#include <vector>

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
    bool shown;  // ShowWindow has shown it once
    bool iconic; // the window manager has it minimised
    // Another client destroyed the X window. The handle stays live until DestroyWindow releases
    // what is left, as the program may still hold it.
    bool gone;
    unsigned long stateReadSerial; // the request that last read WM_STATE, 0 before the first
    bool focused;                  // it has the keyboard, as the server last reported
    int pixelFormat;               // 0 until one is set
    GLXFBConfig frameBufferConfig;
    int swapInterval;    // frames a buffer swap waits for, as wglSwapIntervalEXT last set it
    int largestFrame[2]; // width and height the GL renderer takes, once a context was made current
    // The largest client size the server has told of since the last frame was presented or
    // dropped: after either, the GL driver sizes its buffers for the window afresh.
    int largestSinceSized[2];
    // A window of one pixel, never shown, that the GL context draws to instead while the window
    // is too large for the renderer; None until first needed.
    Window standIn;
    HDC__ deviceContext;
};

namespace x11 {

// A window is live from its creation until it is destroyed.
void addLiveWindow(HWND window);
void removeLiveWindow(HWND window);
const std::vector<HWND>& liveWindows();
// The argument if it is a window not yet destroyed, else null.
HWND liveWindow(HWND window);
// The window whose X window that is, or null.
HWND windowOfXWindow(Window handle);
// The window whose device context that is, or null.
HWND windowOfDeviceContext(HDC deviceContext);

} // namespace x11

#endif
