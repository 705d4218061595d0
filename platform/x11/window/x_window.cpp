#include "window/x_window.h"

#include <unordered_map>

namespace x11 {
namespace {

// The windows' X sides, and the way back from an X window to its window: the part's state.
struct WindowPartState {
    std::unordered_map<HWND, XWindow> windows;
    std::unordered_map<Window, HWND> byHandle;
} part;

} // namespace

void addXWindow(HWND window, Window handle, const FrameExtents& frame) {
    part.windows[window] = {handle, 0, false, frame, false, 0};
    part.byHandle[handle] = window;
}

void removeXWindow(HWND window) {
    const auto found = part.windows.find(window);
    if (found == part.windows.end())
        return;
    part.byHandle.erase(found->second.handle);
    part.windows.erase(found);
}

XWindow* xWindowOf(HWND window) {
    const auto found = part.windows.find(window);
    return found == part.windows.end() ? nullptr : &found->second;
}

HWND windowOfXWindow(Window handle) {
    const auto found = part.byHandle.find(handle);
    return found == part.byHandle.end() ? nullptr : found->second;
}

} // namespace x11
