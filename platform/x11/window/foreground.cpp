// SetForegroundWindow: the window is activated at once, as Win32 does, and the window manager is
// asked to give it the keyboard (_NET_ACTIVE_WINDOW, as from an application), which it may refuse
// or do a moment later; without a manager that follows the desktop conventions, the keyboard is
// taken directly.
#include "window/foreground.h"

#include "core/activation.h"
#include "core/window_record.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/window_properties.h"

#include <X11/Xatom.h>

#include <algorithm>

namespace {

// The source of the request, in its first argument: an application.
const long fromApplication = 1;

bool managerActivates() {
    const std::vector<unsigned long> supported = x11::readProperty(
        x11::programConnection(), x11::rootWindow(), x11::atoms().netSupported, XA_ATOM);
    return std::find(supported.begin(), supported.end(), x11::atoms().netActiveWindow) !=
           supported.end();
}

bool isViewable(Window handle) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(x11::display(), handle, &attributes) &&
           attributes.map_state == IsViewable;
}

void askForKeyboard(Window handle) {
    if (managerActivates()) {
        x11::sendWindowManagerRequest(x11::programConnection(), handle,
                                      x11::atoms().netActiveWindow,
                                      {fromApplication, CurrentTime, None});
    } else if (isViewable(handle)) {
        XRaiseWindow(x11::display(), handle);
        XSetInputFocus(x11::display(), handle, RevertToParent, CurrentTime);
    }
    XFlush(x11::display());
}

} // namespace

namespace x11 {

HWND nextActiveWindow(HWND leaving) {
    Window focus = None;
    int revertTo;
    XGetInputFocus(display(), &focus, &revertTo);
    const HWND window = windowOfXWindow(focus);
    return window != leaving && IsWindowVisible(window) ? window : nullptr;
}

} // namespace x11

BOOL WINAPI SetForegroundWindow(HWND window) {
    if (!x11::windowForCall(window))
        return FALSE;
    const x11::XWindow& xWindow = *x11::xWindowOf(window);
    if (!xWindow.gone)
        askForKeyboard(xWindow.handle);
    x11::activateWindow(window, x11::Delivery::sent);
    return TRUE;
}
