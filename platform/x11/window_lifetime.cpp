#include "platform/x11/window_lifetime.h"

#include "platform/x11/display.h"
#include "platform/x11/frame_extents.h"
#include "platform/x11/message_queue.h"
#include "platform/x11/text_encoding.h"
#include "platform/x11/window_procedure.h"
#include "platform/x11/window_properties.h"

#include <algorithm>

namespace x11 {
namespace {

// No background: the server never paints the window, GL paints all of it.
Window createXWindow(const HWND__& window, Visual* visual, int depth, Colormap colormap) {
    XSetWindowAttributes attributes = {};
    attributes.background_pixmap = None;
    attributes.border_pixel = 0;
    attributes.colormap = colormap;
    attributes.event_mask = StructureNotifyMask | PropertyChangeMask | FocusChangeMask |
                            KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                            PointerMotionMask;
    const unsigned long valueMask =
        CWBackPixmap | CWBorderPixel | CWEventMask | (colormap ? CWColormap : 0);
    return XCreateWindow(display(), rootWindow(), window.x, window.y,
                         static_cast<unsigned>(window.clientWidth),
                         static_cast<unsigned>(window.clientHeight), 0, depth, InputOutput, visual,
                         valueMask, &attributes);
}

// Everything the window manager reads before it manages the window.
void writeWindowManagerHints(const HWND__& window) {
    const Connection& program = programConnection();
    setTitle(program, window.handle, utf8FromWindows1254(window.title.c_str()));
    setClassHint(program, window.handle, window.windowClass->name.c_str());
    setCloseProtocol(program, window.handle);
    setDecorations(program, window.handle, window.style);
    setPlacement(program, window.handle, window.x, window.y);
}

// The caller gives the outer size; the client area is what the frame leaves of it.
void fitClientToOuterSize(HWND window, int outerWidth, int outerHeight) {
    const FrameExtents frame = frameExtentsOf(window->handle, outerWidth, outerHeight);
    window->clientWidth = std::max(1, outerWidth - frame.left - frame.right);
    window->clientHeight = std::max(1, outerHeight - frame.top - frame.bottom);
    XResizeWindow(display(), window->handle, static_cast<unsigned>(window->clientWidth),
                  static_cast<unsigned>(window->clientHeight));
}

// The X window, with everything the window manager reads; false when the server refuses.
bool createTopLevel(HWND window) {
    ErrorTrap trap("CreateWindowExA");
    window->handle = createXWindow(*window, CopyFromParent, CopyFromParent, None);
    writeWindowManagerHints(*window);
    if (!trap.failed())
        return true;
    XDestroyWindow(display(), window->handle);
    return false;
}

HWND newWindow(WindowClass* windowClass, LPCSTR title, DWORD style, int x, int y, int width,
               int height) {
    HWND window = new HWND__{};
    window->windowClass = windowClass;
    window->title = title ? title : "";
    window->style = style;
    window->x = x;
    window->y = y;
    window->clientWidth = std::max(1, width);
    window->clientHeight = std::max(1, height);
    window->reportedWidth = window->reportedHeight = -1;
    window->swapInterval = 1; // synchronised to the display, as a GL context starts
    window->visual = XVisualIDFromVisual(DefaultVisual(display(), screen()));
    window->deviceContext.window = window;
    return window;
}

} // namespace

bool recreateWithVisual(HWND window, const XVisualInfo& visual) {
    if (visual.visualid == window->visual)
        return true;
    if (window->shown)
        return false;
    Display* connection = display();
    ErrorTrap trap("SetPixelFormat");
    const Colormap colormap = XCreateColormap(connection, rootWindow(), visual.visual, AllocNone);
    const Window replacement = createXWindow(*window, visual.visual, visual.depth, colormap);
    if (trap.failed()) {
        XDestroyWindow(connection, replacement);
        XFreeColormap(connection, colormap);
        return false;
    }
    XDestroyWindow(connection, window->handle);
    if (window->colormap)
        XFreeColormap(connection, window->colormap);
    window->handle = replacement;
    window->colormap = colormap;
    window->visual = visual.visualid;
    writeWindowManagerHints(*window);
    return true;
}

} // namespace x11

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND, HMENU, HINSTANCE, LPVOID) {
    x11::WindowClass* windowClass = x11::findWindowClass(className);
    if (!x11::display() || !windowClass)
        return nullptr;

    HWND window = x11::newWindow(windowClass, windowName, style, x, y, width, height);
    if (!x11::createTopLevel(window)) {
        delete window;
        return nullptr;
    }
    // Not a failure of the window's if it goes wrong: the window manager's check window it reads
    // may be one left from a manager gone.
    x11::fitClientToOuterSize(window, width, height);
    windowClass->windowCount += 1;
    x11::addLiveWindow(window);
    return window;
}

// The window procedure hears of the destruction while the window is still whole; what was
// queued for the window goes with it. Of a window another client destroyed, the procedure has
// heard already, and only what the server keeps for the program is left to release.
BOOL WINAPI DestroyWindow(HWND window) {
    if (!x11::liveWindow(window))
        return FALSE;
    if (!window->gone)
        x11::sendMessage(window, WM_DESTROY, 0, 0);

    x11::removeLiveWindow(window);
    x11::discardMessagesFor(window);
    Display* connection = x11::display();
    if (!window->gone)
        XDestroyWindow(connection, window->handle);
    if (window->standIn)
        XDestroyWindow(connection, window->standIn);
    if (window->colormap)
        XFreeColormap(connection, window->colormap);
    XFlush(connection);
    window->windowClass->windowCount -= 1;
    delete window;
    return TRUE;
}
