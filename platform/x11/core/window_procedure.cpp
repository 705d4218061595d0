#include "core/window_procedure.h"

#include "core/message_queue.h"
#include "core/window_record.h"

namespace x11 {

LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = findWindow(window);
    WNDPROC procedure = record ? record->procedure : nullptr;
    return procedure ? procedure(window, message, wParam, lParam) : 0;
}

} // namespace x11

// A message for no window, or for one destroyed since it was taken from the queue, goes nowhere.
LRESULT WINAPI DispatchMessageA(const MSG* message) {
    return message
               ? x11::sendMessage(message->hwnd, message->message, message->wParam, message->lParam)
               : 0;
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return x11::windowForCall(window) ? x11::sendMessage(window, message, wParam, lParam) : 0;
}

// A message for no window is the thread's own: it comes back from the queue with a null window.
BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !x11::windowForCall(window))
        return FALSE;
    if (x11::postMessage(window, message, wParam, lParam))
        return TRUE;
    SetLastError(ERROR_NOT_ENOUGH_QUOTA);
    return FALSE;
}

LRESULT WINAPI CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam) {
    return procedure ? procedure(window, message, wParam, lParam) : 0;
}
