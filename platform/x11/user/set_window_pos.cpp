// SetWindowPos and MoveWindow: the window takes the place and size asked for at once, as far as
// the program can tell (GetWindowRect, GetClientRect, WM_WINDOWPOSCHANGED and the WM_SIZE the
// default procedure sends for it, before the call returns), its GL surface with it; the window
// manager may then make something else of it, which comes as any change it makes. Showing,
// hiding and activating are ShowWindow's, and full screen follows the new place.
#include "core/activation.h"
#include "core/window_record.h"
#include "gl/drawable_size.h"
#include "window/full_screen.h"
#include "window/window_position.h"
#include "window/x_window.h"
#include "xlib/connection.h"

namespace {

RECT requestedRect(HWND window, int x, int y, int width, int height, UINT flags) {
    RECT outer = x11::requestedOuterRect(window);
    if (!(flags & SWP_NOMOVE))
        outer = {x, y, x + outer.right - outer.left, y + outer.bottom - outer.top};
    if (!(flags & SWP_NOSIZE))
        outer = {outer.left, outer.top, outer.left + width, outer.top + height};
    return outer;
}

} // namespace

// The stacking order is the window manager's: insertAfter is passed on to the window procedure.
BOOL WINAPI SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                         UINT flags) {
    if (!x11::windowForCall(window))
        return FALSE;
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(window, SW_HIDE);
    if (!x11::findWindow(window) || x11::xWindowOf(window)->gone)
        return x11::findWindow(window) ? TRUE : FALSE;
    const bool moves = (flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
    if (moves || (flags & SWP_FRAMECHANGED)) {
        x11::placeWindow(window, requestedRect(window, x, y, width, height, flags), flags);
        x11::fitDrawable(window);
        x11::fitFullScreenState(window);
        XFlush(x11::display());
    }
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(window, flags & SWP_NOACTIVATE ? SW_SHOWNA : SW_SHOW);
    else if (!(flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && IsWindowVisible(window))
        x11::activateWindow(window, x11::Delivery::sent);
    if (x11::findWindow(window) && (moves || (flags & SWP_FRAMECHANGED)))
        x11::sendWindowPosChanged(window, insertAfter, flags);
    return x11::findWindow(window) ? TRUE : FALSE;
}

BOOL WINAPI MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(window, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}
