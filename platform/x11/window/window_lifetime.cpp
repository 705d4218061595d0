#include "window/window_lifetime.h"

#include "core/text_encoding.h"
#include "core/window_record.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/error_trap.h"
#include "xlib/frame_extents.h"
#include "xlib/window_properties.h"

#include <algorithm>

namespace x11 {
namespace {

// No background: the server never paints the window, GL paints all of it. The window's own visual
// is the screen's: the GL drawable is a child of it with the visual of its pixel format (gl/).
Window createTopLevel(const WindowRecord& window) {
    XSetWindowAttributes attributes = {};
    attributes.background_pixmap = None;
    attributes.border_pixel = 0;
    attributes.event_mask = StructureNotifyMask | PropertyChangeMask | FocusChangeMask |
                            KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                            PointerMotionMask;
    return XCreateWindow(display(), rootWindow(), window.x, window.y,
                         static_cast<unsigned>(window.clientWidth),
                         static_cast<unsigned>(window.clientHeight), 0, CopyFromParent, InputOutput,
                         CopyFromParent, CWBackPixmap | CWBorderPixel | CWEventMask, &attributes);
}

// Everything the window manager reads before it manages the window.
void writeWindowManagerHints(const WindowRecord& window, Window handle) {
    const Connection& program = programConnection();
    setTitle(program, handle, utf8FromWindows1254(window.title.c_str()));
    setClassHint(program, handle, window.windowClass->name.c_str());
    setCloseProtocol(program, handle);
    setDecorations(program, handle, window.style);
    setPlacement(program, handle, window.x, window.y);
}

// The X window, with everything the window manager reads; None when the server refuses.
Window createXWindow(const WindowRecord& window) {
    ErrorTrap trap("CreateWindowExA");
    const Window handle = createTopLevel(window);
    writeWindowManagerHints(window, handle);
    if (!trap.failed())
        return handle;
    XDestroyWindow(display(), handle);
    return None;
}

// The caller gives the outer size; the client area is what the frame leaves of it.
void fitClientToOuterSize(WindowRecord& window, Window handle, int outerWidth, int outerHeight) {
    const FrameExtents frame = frameExtentsOf(handle, outerWidth, outerHeight);
    window.clientWidth = std::max(1, outerWidth - frame.left - frame.right);
    window.clientHeight = std::max(1, outerHeight - frame.top - frame.bottom);
    XResizeWindow(display(), handle, static_cast<unsigned>(window.clientWidth),
                  static_cast<unsigned>(window.clientHeight));
}

WindowRecord newRecord(WindowClass* windowClass, LPCSTR title, DWORD style, int x, int y, int width,
                       int height) {
    WindowRecord record = {};
    record.windowClass = windowClass;
    record.title = title ? title : "";
    record.style = style;
    record.x = x;
    record.y = y;
    record.clientWidth = std::max(1, width);
    record.clientHeight = std::max(1, height);
    record.reportedWidth = record.reportedHeight = -1;
    return record;
}

} // namespace

void destroyXWindow(HWND window) {
    const XWindow* xWindow = xWindowOf(window);
    if (!xWindow)
        return;
    if (!xWindow->gone)
        XDestroyWindow(display(), xWindow->handle);
    XFlush(display());
    removeXWindow(window);
}

} // namespace x11

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND, HMENU, HINSTANCE, LPVOID) {
    x11::WindowClass* windowClass = x11::findWindowClass(className);
    if (!x11::display() || !windowClass)
        return nullptr;

    x11::WindowRecord record = x11::newRecord(windowClass, windowName, style, x, y, width, height);
    const Window handle = x11::createXWindow(record);
    if (!handle)
        return nullptr;
    // Not a failure of the window's if it goes wrong: the window manager's check window it reads
    // may be one left from a manager gone.
    x11::fitClientToOuterSize(record, handle, width, height);
    HWND window = x11::addWindow(record);
    if (!window) {
        XDestroyWindow(x11::display(), handle);
        return nullptr;
    }
    windowClass->windowCount += 1;
    x11::addXWindow(window, handle);
    return window;
}
