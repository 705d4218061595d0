#include "window/client_size.h"

#include "core/message_queue.h"
#include "core/size_report.h"
#include "core/window_procedure.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/window_properties.h"

namespace x11 {
namespace {

WPARAM sizeKind(HWND window, const WindowRecord& record) {
    if (record.iconic)
        return SIZE_MINIMIZED;
    return isMaximised(programConnection(), xWindowOf(window)->handle) ? SIZE_MAXIMIZED
                                                                       : SIZE_RESTORED;
}

} // namespace

void sendClientSize(HWND window) {
    WindowRecord* record = findWindow(window);
    LPARAM size;
    if (record && takeNewClientSize(*record, &size))
        sendMessage(window, WM_SIZE, sizeKind(window, *record), size);
}

void postClientSize(HWND window) {
    WindowRecord* record = findWindow(window);
    LPARAM size;
    if (record && record->shown && takeNewClientSize(*record, &size))
        postEvent(window, WM_SIZE, sizeKind(window, *record), size);
}

} // namespace x11

// The client area as the server last reported it: none while minimised.
BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
    const x11::WindowRecord* record = x11::findWindow(window);
    if (!record || !rect)
        return FALSE;
    *rect = {0, 0, record->iconic ? 0 : record->clientWidth,
             record->iconic ? 0 : record->clientHeight};
    return TRUE;
}
