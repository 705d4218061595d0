#include "platform/x11/event_translation.h"

#include "platform/x11/client_size.h"
#include "platform/x11/display.h"
#include "platform/x11/focus.h"
#include "platform/x11/keyboard.h"
#include "platform/x11/message_queue.h"
#include "platform/x11/pointer.h"
#include "platform/x11/window.h"
#include "platform/x11/window_properties.h"

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
    window->clientWidth = event.width;
    window->clientHeight = event.height;
    postClientSize(window);
}

void stateChanged(HWND window) {
    const bool iconic = isIconic(window->handle);
    if (iconic == window->iconic)
        return;
    window->iconic = iconic;
    postClientSize(window);
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
            stateChanged(window);
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
