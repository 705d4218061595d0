// The register of live windows, which tells a window handle still in use from one destroyed.
#include "platform/x11/window.h"

#include <algorithm>
#include <vector>

namespace x11 {
namespace {

std::vector<HWND> live;

} // namespace

void addLiveWindow(HWND window) {
    live.push_back(window);
}

void removeLiveWindow(HWND window) {
    live.erase(std::remove(live.begin(), live.end(), window), live.end());
}

const std::vector<HWND>& liveWindows() {
    return live;
}

HWND liveWindow(HWND window) {
    const auto found = std::find(live.begin(), live.end(), window);
    return found == live.end() ? nullptr : window;
}

HWND windowOfXWindow(Window handle) {
    for (HWND window : live)
        if (window->handle == handle)
            return window;
    return nullptr;
}

HWND windowOfDeviceContext(HDC deviceContext) {
    for (HWND window : live)
        if (&window->deviceContext == deviceContext)
            return window;
    return nullptr;
}

} // namespace x11
