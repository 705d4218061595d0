#include "core/window_record.h"

#include "core/core_state.h"

namespace x11 {

HWND addWindow(const WindowRecord& record) {
    return core.windows.add(record);
}

void removeWindow(HWND window) {
    core.windows.remove(window);
}

WindowRecord* findWindow(HWND window) {
    return core.windows.find(window);
}

WindowRecord* windowForCall(HWND window) {
    WindowRecord* record = findWindow(window);
    if (!record)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return record;
}

std::vector<HWND> liveWindows() {
    return core.windows.handles();
}

} // namespace x11

BOOL WINAPI IsWindow(HWND window) {
    return x11::findWindow(window) ? TRUE : FALSE;
}

// A minimised window is visible: it has WS_VISIBLE.
BOOL WINAPI IsWindowVisible(HWND window) {
    const x11::WindowRecord* record = x11::findWindow(window);
    return record && (record->style & WS_VISIBLE) ? TRUE : FALSE;
}

BOOL WINAPI IsIconic(HWND window) {
    const x11::WindowRecord* record = x11::findWindow(window);
    return record && record->iconic ? TRUE : FALSE;
}
