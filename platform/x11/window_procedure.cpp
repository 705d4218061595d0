#include "platform/x11/window_procedure.h"

#include "platform/x11/window.h"

namespace x11 {

LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC procedure = window->windowClass->procedure;
    return procedure ? procedure(window, message, wParam, lParam)
                     : DefWindowProcA(window, message, wParam, lParam);
}

} // namespace x11

// A message for no window, or for one destroyed since it was taken from the queue, goes nowhere.
LRESULT WINAPI DispatchMessageA(const MSG* message) {
    if (!message || !x11::liveWindow(message->hwnd))
        return 0;
    return x11::sendMessage(message->hwnd, message->message, message->wParam, message->lParam);
}
