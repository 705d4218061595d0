#include "platform/x11/event_translation.h"

#include "platform/x11/client_size.h"
#include "platform/x11/display.h"
#include "platform/x11/focus.h"
#include "platform/x11/keyboard.h"
#include "platform/x11/message_queue.h"
#include "platform/x11/pointer.h"
#include "platform/x11/render_target.h"
#include "platform/x11/window.h"
#include "platform/x11/window_procedure.h"
#include "platform/x11/window_properties.h"

#include <X11/Xutil.h>

#include <algorithm>

namespace x11 {
namespace {

// The manager keeps WM_STATE on every window it manages; minimised is its iconic state.
bool isIconic(Window handle) {
    const std::vector<unsigned long> state =
        readProperty(programConnection(), handle, atoms().wmState, atoms().wmState);
    return !state.empty() && state[0] == IconicState;
}

// Only the server's own configure events tell the size: any client can send one that says
// anything (a window manager sends them after a move, with a position). A window grown too large
// for the renderer is drawn to no more from the next frame on.
void clientResized(HWND window, const XConfigureEvent& event) {
    if (event.send_event)
        return;
    window->clientWidth = event.width;
    window->clientHeight = event.height;
    window->largestSinceSized[0] = std::max(window->largestSinceSized[0], event.width);
    window->largestSinceSized[1] = std::max(window->largestSinceSized[1], event.height);
    if (!rendererTakes(*window, event.width, event.height))
        drawToStandIn(window);
    postClientSize(window);
}

// A read of WM_STATE sees every change made before the server took it, so the changes whose events
// were made before the last read need no read of their own: a flood of them costs one round trip,
// not one each.
void stateChanged(HWND window, const XPropertyEvent& event) {
    if (event.serial < window->stateReadSerial)
        return;
    window->stateReadSerial = NextRequest(display());
    const bool iconic = isIconic(window->handle);
    if (iconic == window->iconic)
        return;
    window->iconic = iconic;
    postClientSize(window);
}

// Another client destroyed the window: its procedure hears of it as of any destruction, and
// nothing queued for it is delivered any more.
void destroyedElsewhere(HWND window) {
    window->gone = true;
    discardMessagesFor(window);
    sendMessage(window, WM_DESTROY, 0, 0);
}

bool isCloseRequest(const XClientMessageEvent& event) {
    return event.message_type == atoms().wmProtocols && event.format == 32 &&
           static_cast<Atom>(event.data.l[0]) == atoms().wmDeleteWindow;
}

} // namespace

void translateEvent(const XEvent& event) {
    if (event.type == MappingNotify) { // a new keyboard layout, say
        XMappingEvent mapping = event.xmapping;
        XRefreshKeyboardMapping(&mapping);
        return;
    }
    HWND window = windowOfXWindow(event.xany.window);
    if (!window)
        return;
    switch (event.type) {
    case ConfigureNotify:
        clientResized(window, event.xconfigure);
        break;
    case PropertyNotify:
        if (event.xproperty.atom == atoms().wmState)
            stateChanged(window, event.xproperty);
        break;
    case DestroyNotify:
        destroyedElsewhere(window);
        break;
    case ClientMessage:
        if (isCloseRequest(event.xclient))
            postMessage(window, WM_CLOSE, 0, 0);
        break;
    case KeyPress:
    case KeyRelease: {
        XKeyEvent key = event.xkey;
        translateKeyEvent(window, key);
        break;
    }
    case MotionNotify:
    case ButtonPress:
    case ButtonRelease:
        translatePointerEvent(window, event);
        break;
    case FocusIn:
    case FocusOut:
        translateFocusEvent(window, event.xfocus);
        break;
    default:
        break;
    }
}

} // namespace x11
