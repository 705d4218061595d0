// The default window procedure: what happens to a message the window's own procedure passes on.
#include "input/cursor.h"
#include "window/window_text.h"

// A close request passed on closes the window; a title passed on is set; in the client area the
// class's cursor shows. Keys, characters, the
// mouse, focus and activation need nothing more: the window manager has already done what
// Windows does here (Alt+F4, for one, has already asked to close, and is not asked again).
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SETTEXT:
        return x11::setWindowText(window, reinterpret_cast<LPCSTR>(lParam)) ? TRUE : FALSE;
    case WM_SETCURSOR:
        return x11::setClassCursor(window, lParam);
    default:
        return 0;
    }
}
