// The default window procedure: what happens to a message the window's own procedure passes on.
#include "input/cursor.h"
#include "core/activation.h"
#include "core/system_keys.h"
#include "core/window_procedure.h"
#include "display/screen_saver.h"
#include "window/client_size.h"
#include "window/window_text.h"

namespace {

// The window menu's commands: the title bar's boxes, the menu's keys, and the screen saver and
// the display's sleep, which come here unless the program keeps them (display/screen_saver.h).
LRESULT systemCommand(HWND window, WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        return x11::sendMessage(window, WM_CLOSE, 0, 0);
    case SC_MINIMIZE:
        ShowWindow(window, x11::activeWindow() == window ? SW_MINIMIZE : SW_SHOWMINNOACTIVE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(window, SW_MAXIMIZE);
        return 0;
    case SC_RESTORE:
        ShowWindow(window, SW_RESTORE);
        return 0;
    case SC_SCREENSAVE:
    case SC_MONITORPOWER:
        x11::letScreenSaverStart(static_cast<unsigned>(command & 0xFFF0));
        return 0;
    default: // SC_KEYMENU among them: the layer has no menus to open
        return 0;
    }
}

// What the window was told of its place already covers any new size: an own procedure that keeps
// WM_WINDOWPOSCHANGED from here is told no WM_SIZE.
void placeChanged(HWND window, const WINDOWPOS& position) {
    if (!(position.flags & SWP_NOSIZE))
        x11::sendClientSize(window);
}

void paint(HWND window) {
    PAINTSTRUCT painted;
    BeginPaint(window, &painted);
    EndPaint(window, &painted);
}

} // namespace

// A close request passed on closes the window; a title passed on is set; a painting request
// counts as painted. The window is made as asked (WM_NCCREATE). The keys of the window menu ask
// for its commands, which act as their boxes in the title bar. Keys, characters, the mouse, focus
// and activation need nothing more; in the client area the class's cursor shows.
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SETTEXT:
        return x11::setWindowText(window, reinterpret_cast<LPCSTR>(lParam)) ? TRUE : FALSE;
    case WM_SETCURSOR:
        return x11::setClassCursor(window, lParam);
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_WINDOWPOSCHANGED:
        if (lParam)
            placeChanged(window, *reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_SYSCOMMAND:
        return systemCommand(window, wParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        x11::keyToSystemCommand(window, message, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}
