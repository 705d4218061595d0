// CreateWindowExA: the window is made hidden, whole (its X window, and its device contexts to
// come), and its procedure told in Win32's order: WM_NCCREATE and WM_CREATE with what the call was
// given (a CREATESTRUCTA); either may refuse the window, which then ends with WM_NCDESTROY alone.
// A pop-up window is told its client size then, an overlapped one when first shown; WS_VISIBLE
// shows it.
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "user/window_teardown.h"
#include "window/client_size.h"
#include "window/full_screen.h"
#include "window/window_lifetime.h"
#include "window/window_position.h"
#include "xlib/connection.h"

namespace {

const LRESULT refusedCreation = -1; // WM_CREATE's answer

int showCommandFor(DWORD style) {
    if (style & WS_MAXIMIZE)
        return SW_SHOWMAXIMIZED;
    return style & WS_MINIMIZE ? SW_SHOWMINIMIZED : SW_SHOW;
}

// The procedure heard of the window; false when it refused it, or destroyed it meanwhile.
bool welcome(HWND window, CREATESTRUCTA& creation) {
    const LPARAM asked = reinterpret_cast<LPARAM>(&creation);
    if (!x11::sendMessage(window, WM_NCCREATE, 0, asked) || !x11::findWindow(window) ||
        x11::sendMessage(window, WM_CREATE, 0, asked) == refusedCreation) {
        if (x11::findWindow(window))
            x11::releaseWindow(window);
        return false;
    }
    return x11::findWindow(window) != nullptr;
}

} // namespace

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
    x11::WindowClass* windowClass = x11::findWindowClass(className);
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (!x11::display())
        return nullptr;
    HWND window =
        x11::createWindow({exStyle, windowClass, windowName, style, x, y, width, height, instance});
    if (!window)
        return nullptr;
    x11::fitFullScreenState(window);
    const RECT outer = x11::requestedOuterRect(window);
    CREATESTRUCTA creation = {param,
                              instance,
                              menu,
                              parent,
                              outer.bottom - outer.top,
                              outer.right - outer.left,
                              outer.top,
                              outer.left,
                              static_cast<LONG>(style),
                              windowName,
                              className,
                              exStyle};
    if (!welcome(window, creation))
        return nullptr;
    if (style & WS_POPUP)
        x11::sendClientSize(window);
    if ((style & WS_VISIBLE) && x11::findWindow(window))
        ShowWindow(window, showCommandFor(style));
    return x11::findWindow(window) ? window : nullptr;
}
