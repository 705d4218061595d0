// The default window procedure: what happens to a message the window's own procedure passes on.
// Like the program's procedure it sits above the layer and reaches it through the Win32 calls,
// and for the title, which no Win32 call sets but through it, through the layer's own.
#include "platform/platform.h"
#include "platform/x11/window.h"
#include "platform/x11/window_text.h"

// A close request passed on closes the window; a title passed on is set. Keys, characters, the
// mouse, focus and activation need nothing more: the window manager has already done what
// Windows does here (Alt+F4, for one, has already asked to close, and is not asked again).
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SETTEXT:
        if (!x11::liveWindow(window))
            return FALSE;
        x11::setWindowText(window, reinterpret_cast<LPCSTR>(lParam));
        return TRUE;
    default:
        return 0;
    }
}
