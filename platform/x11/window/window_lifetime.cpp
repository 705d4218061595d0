#include "window/window_lifetime.h"

#include "core/text_encoding.h"
#include "core/window_record.h"
#include "display/screen.h"
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
void writeWindowManagerHints(const WindowRecord& window, Window handle, bool placedByManager) {
    const Connection& program = programConnection();
    setTitle(program, handle, utf8FromWindows1254(window.title.c_str()));
    setClassHint(program, handle, window.windowClass->name.c_str());
    setCloseProtocol(program, handle);
    setDecorations(program, handle, window.style);
    const POINT position = {window.x, window.y};
    setPlacement(program, handle, placedByManager ? nullptr : &position);
}

// The X window, with everything the window manager reads; None when the server refuses.
Window createXWindow(const WindowRecord& window, bool placedByManager) {
    ErrorTrap trap("CreateWindowExA");
    const Window handle = createTopLevel(window);
    writeWindowManagerHints(window, handle, placedByManager);
    if (!trap.failed())
        return handle;
    XDestroyWindow(display(), handle);
    return None;
}

// The caller gives the outer size; the client area is what the frame leaves of it.
FrameExtents fitClientToOuterSize(WindowRecord& window, Window handle, int outerWidth,
                                  int outerHeight) {
    const FrameExtents frame = frameExtentsOf(handle, outerWidth, outerHeight);
    window.clientWidth = std::max(1, outerWidth - frame.left - frame.right);
    window.clientHeight = std::max(1, outerHeight - frame.top - frame.bottom);
    XResizeWindow(display(), handle, static_cast<unsigned>(window.clientWidth),
                  static_cast<unsigned>(window.clientHeight));
    return frame;
}

// As Win32 keeps the style: a top-level window clips its siblings, and one neither pop-up nor
// child has a title bar, and the raised edge of a framed window.
DWORD recordedStyle(DWORD style) {
    style |= WS_CLIPSIBLINGS;
    if (!(style & WS_POPUP))
        style |= WS_CAPTION;
    return style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
}

DWORD recordedExStyle(DWORD exStyle, DWORD style) {
    if ((style & (WS_DLGFRAME | WS_THICKFRAME)) && !(style & WS_POPUP))
        return exStyle | WS_EX_WINDOWEDGE;
    return exStyle;
}

// A size left to the system is three quarters of the work area for an overlapped window, as Wine
// has it, and none for a pop-up; a position left to it is the window manager's choice.
void resolveDefaults(DWORD style, int& width, int& height) {
    if (width != CW_USEDEFAULT)
        return;
    const RECT area = workArea();
    width = style & WS_POPUP ? 0 : (area.right - area.left) * 3 / 4;
    height = style & WS_POPUP ? 0 : (area.bottom - area.top) * 3 / 4;
}

WindowRecord newRecord(const WindowRequest& request, int width, int height) {
    WindowRecord record = {};
    record.windowClass = request.windowClass;
    record.procedure = request.windowClass->procedure;
    record.title = request.title ? request.title : "";
    record.style = recordedStyle(request.style);
    record.exStyle = recordedExStyle(request.exStyle, record.style);
    record.instance = request.instance;
    record.x = request.x == CW_USEDEFAULT ? 0 : request.x;
    record.y = request.x == CW_USEDEFAULT ? 0 : request.y;
    record.clientWidth = std::max(1, width);
    record.clientHeight = std::max(1, height);
    record.reportedWidth = record.reportedHeight = -1;
    return record;
}

} // namespace

HWND createWindow(const WindowRequest& request) {
    int width = request.width, height = request.height;
    resolveDefaults(request.style, width, height);
    WindowRecord record = newRecord(request, width, height);
    const bool placedByManager = request.x == CW_USEDEFAULT;
    const Window handle = createXWindow(record, placedByManager);
    if (!handle)
        return nullptr;
    // Not a failure of the window's if it goes wrong: the window manager's check window it reads
    // may be one left from a manager gone.
    const FrameExtents frame = fitClientToOuterSize(record, handle, width, height);
    HWND window = addWindow(record);
    if (!window) {
        XDestroyWindow(display(), handle);
        return nullptr;
    }
    request.windowClass->windowCount += 1;
    addXWindow(window, handle, frame);
    return window;
}

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
