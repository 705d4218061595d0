#include "window/full_screen.h"

#include "core/window_record.h"
#include "display/screen.h"
#include "window/window_position.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/window_properties.h"

#include <X11/Xatom.h>

#include <algorithm>

namespace x11 {
namespace {

bool coversScreen(HWND window, const WindowRecord& record) {
    if (record.style & (WS_CAPTION | WS_THICKFRAME))
        return false;
    const RECT outer = requestedOuterRect(window);
    const RECT screen = screenArea();
    return outer.left <= screen.left && outer.top <= screen.top && outer.right >= screen.right &&
           outer.bottom >= screen.bottom;
}

// Before the window is mapped, the state it is to be mapped in is a property the manager reads.
void setInitialFullScreen(Window handle, bool fullScreen) {
    const Connection& program = programConnection();
    std::vector<unsigned long> states = readProperty(program, handle, atoms().netWmState, XA_ATOM);
    states.erase(std::remove(states.begin(), states.end(), atoms().netWmStateFullscreen),
                 states.end());
    if (fullScreen)
        states.push_back(atoms().netWmStateFullscreen);
    XChangeProperty(display(), handle, atoms().netWmState, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(states.data()),
                    static_cast<int>(states.size()));
}

// The _NET_WM_STATE request's first argument: remove (0) or add (1).
void requestFullScreen(Window handle, bool fullScreen) {
    sendWindowManagerRequest(
        programConnection(), handle, atoms().netWmState,
        {fullScreen ? 1L : 0L, static_cast<long>(atoms().netWmStateFullscreen)});
}

} // namespace

void fitFullScreenState(HWND window) {
    const WindowRecord* record = findWindow(window);
    XWindow* xWindow = xWindowOf(window);
    if (!record || !xWindow || xWindow->gone)
        return;
    const bool fullScreen = coversScreen(window, *record);
    if (fullScreen == xWindow->fullScreen)
        return;
    xWindow->fullScreen = fullScreen;
    if (record->shown && (record->style & WS_VISIBLE))
        requestFullScreen(xWindow->handle, fullScreen);
    else
        setInitialFullScreen(xWindow->handle, fullScreen);
    XFlush(display());
}

} // namespace x11
