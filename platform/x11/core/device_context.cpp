#include "core/device_context.h"

#include "core/core_state.h"
#include "core/window_record.h"

namespace x11 {

HWND windowOfDeviceContext(HDC deviceContext) {
    const DeviceContextRecord* record = core.deviceContexts.find(deviceContext);
    return record && findWindow(record->window) ? record->window : nullptr;
}

void releaseDeviceContextsOf(HWND window) {
    for (HDC deviceContext : core.deviceContexts.handles())
        if (core.deviceContexts.find(deviceContext)->window == window)
            core.deviceContexts.remove(deviceContext);
}

} // namespace x11

HDC WINAPI GetDC(HWND window) {
    return x11::findWindow(window) ? x11::core.deviceContexts.add({window}) : nullptr;
}

// 1 when the device context was the window's and is released now, 0 otherwise.
int WINAPI ReleaseDC(HWND window, HDC deviceContext) {
    if (!window || x11::windowOfDeviceContext(deviceContext) != window)
        return 0;
    x11::core.deviceContexts.remove(deviceContext);
    return 1;
}
