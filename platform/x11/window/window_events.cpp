#include "window/window_events.h"

#include "core/message_queue.h"
#include "core/paint.h"
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

// The window manager tells where it put the window with a configure event of its own (ICCCM
// 4.1.5), with the client's place on the screen; one made before the program last placed the
// window tells of an older place.
void clientMoved(HWND window, const XConfigureEvent& event) {
    const XWindow& xWindow = *xWindowOf(window);
    if (event.serial < xWindow.placedSerial)
        return;
    WindowRecord& record = *findWindow(window);
    record.x = event.x - xWindow.frame.left;
    record.y = event.y - xWindow.frame.top;
}

void clientResized(HWND window, const XConfigureEvent& event) {
    if (event.send_event) {
        clientMoved(window, event);
        return;
    }
    WindowRecord& record = *findWindow(window);
    const int oldWidth = record.clientWidth, oldHeight = record.clientHeight;
    record.clientWidth = event.width;
    record.clientHeight = event.height;
    invalidateResizedClientArea(record, oldWidth, oldHeight);
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
    if (!iconic)
        invalidateClientArea(record);
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
            postEvent(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    default:
        break;
    }
}

} // namespace x11
