// The default window procedure: what happens to a message the window's own procedure passes on.
// Like the program's procedure it sits above the layer and reaches it only through the Win32
// calls.
#include "platform/platform.h"

// A close request passed on closes the window.
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE)
        DestroyWindow(window);
    return 0;
}
