// The register of live windows, which tells a window handle still in use from one destroyed.
#include "platform/x11/window.h"

#include <algorithm>
#include <vector>

namespace x11 {
namespace {

std::vector<HWND> liveWindows;

} // namespace

void addLiveWindow(HWND window) {
    liveWindows.push_back(window);
}

void removeLiveWindow(HWND window) {
    liveWindows.erase(std::remove(liveWindows.begin(), liveWindows.end(), window),
                      liveWindows.end());
}

HWND liveWindow(HWND window) {
    const auto found = std::find(liveWindows.begin(), liveWindows.end(), window);
    return found == liveWindows.end() ? nullptr : window;
}

HWND windowOfXWindow(Window handle) {
    for (HWND window : liveWindows)
        if (window->handle == handle)
            return window;
    return nullptr;
}

HWND windowOfDeviceContext(HDC deviceContext) {
    for (HWND window : liveWindows)
        if (&window->deviceContext == deviceContext)
            return window;
    return nullptr;
}

} // namespace x11
