// The window procedure of the program's window: a close request or the window's end stops the main
// loop, a new client size refits the GL view, and every other message gets the default handling.
#include "glwindow/gl_window.h"

// Closing only asks the main loop to stop: the window stays until teardown destroys it, after
// the loop has ended, so nothing renders into a window that is going away.
LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        theWindow.resize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
