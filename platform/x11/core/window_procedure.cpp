#include "core/window_procedure.h"

#include "core/window_record.h"

namespace x11 {

LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = findWindow(window);
    WNDPROC procedure = record ? record->windowClass->procedure : nullptr;
    return procedure ? procedure(window, message, wParam, lParam) : 0;
}

} // namespace x11

// A message for no window, or for one destroyed since it was taken from the queue, goes nowhere.
LRESULT WINAPI DispatchMessageA(const MSG* message) {
    return message
               ? x11::sendMessage(message->hwnd, message->message, message->wParam, message->lParam)
               : 0;
}
