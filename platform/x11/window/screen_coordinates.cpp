// ClientToScreen and ScreenToClient: a window's client area is its top-level X window, so the
// server, which knows where the window manager put it, translates between the two.
#include "core/window_record.h"
#include "window/x_window.h"
#include "xlib/connection.h"

namespace x11 {
namespace {

bool translate(HWND window, LPPOINT point, bool toScreen) {
    const XWindow* xWindow = xWindowOf(window);
    if (!xWindow) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (!point) {
        SetLastError(ERROR_NOACCESS);
        return false;
    }
    const Window from = toScreen ? xWindow->handle : rootWindow();
    const Window to = toScreen ? rootWindow() : xWindow->handle;
    int x = 0;
    int y = 0;
    Window child;
    if (!XTranslateCoordinates(display(), from, to, point->x, point->y, &x, &y, &child))
        return false;
    *point = {x, y};
    return true;
}

} // namespace
} // namespace x11

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
    return x11::translate(window, point, true) ? TRUE : FALSE;
}

BOOL WINAPI ScreenToClient(HWND window, LPPOINT point) {
    return x11::translate(window, point, false) ? TRUE : FALSE;
}
