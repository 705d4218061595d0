#include "window/window_events.h"

#include "core/message_queue.h"
#include "core/window_record.h"
#include "window/client_size.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/window_properties.h"

#include <X11/Xutil.h>

namespace x11 {
namespace {

// The manager keeps WM_STATE on every window it manages; minimised is its iconic state.
bool isIconic(Window handle) {
    const std::vector<unsigned long> state =
        readProperty(programConnection(), handle, atoms().wmState, atoms().wmState);
    return !state.empty() && state[0] == IconicState;
}

void clientResized(HWND window, const XConfigureEvent& event) {
    if (event.send_event)
        return;
    WindowRecord& record = *findWindow(window);
    record.clientWidth = event.width;
    record.clientHeight = event.height;
    postClientSize(window);
}

// A read of WM_STATE sees every change made before the server took it, so the changes whose events
// were made before the last read need no read of their own: a flood of them costs one round trip,
// not one each.
void stateChanged(HWND window, const XPropertyEvent& event) {
    XWindow& xWindow = *xWindowOf(window);
    if (event.serial < xWindow.stateReadSerial)
        return;
    xWindow.stateReadSerial = NextRequest(display());
    const bool iconic = isIconic(xWindow.handle);
    WindowRecord& record = *findWindow(window);
    if (iconic == record.iconic)
        return;
    record.iconic = iconic;
    postClientSize(window);
}

bool isCloseRequest(const XClientMessageEvent& event) {
    return event.message_type == atoms().wmProtocols && event.format == 32 &&
           static_cast<Atom>(event.data.l[0]) == atoms().wmDeleteWindow;
}

} // namespace

void translateWindowEvent(HWND window, const XEvent& event) {
    switch (event.type) {
    case ConfigureNotify:
        clientResized(window, event.xconfigure);
        break;
    case PropertyNotify:
        if (event.xproperty.atom == atoms().wmState)
            stateChanged(window, event.xproperty);
        break;
    case ClientMessage:
        if (isCloseRequest(event.xclient))
            postMessage(window, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

} // namespace x11
