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
    x11::WindowRecord* record = x11::findWindow(window);
    if (!record)
        return nullptr;
    if (!(record->windowClass->style & CS_OWNDC))
        return x11::core.deviceContexts.add({window});
    if (!record->ownDeviceContext)
        record->ownDeviceContext = x11::core.deviceContexts.add({window});
    return record->ownDeviceContext;
}

// 1 when the device context was the window's and is released now, or is the window's own, which
// stays; 0 otherwise.
int WINAPI ReleaseDC(HWND window, HDC deviceContext) {
    if (!window || x11::windowOfDeviceContext(deviceContext) != window)
        return 0;
    if (deviceContext != x11::findWindow(window)->ownDeviceContext)
        x11::core.deviceContexts.remove(deviceContext);
    return 1;
}
