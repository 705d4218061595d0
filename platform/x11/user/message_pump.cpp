// The message pump. Posted messages come first; X events are read only when none is waiting, and
// only those already there when the poll began, each routed to the part it concerns and
// translated into at most a few messages: a poll never waits, and however fast other clients make
// events, it ends, so that the frames and the quit request still get their turn. A window's
// WM_PAINT comes last, as on Windows, when nothing else is waiting.
#include "user/message_pump.h"

#include "core/key_state.h"
#include "core/message_queue.h"
#include "core/paint.h"
#include "core/queue_status.h"
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "display/screen_saver.h"
#include "gl/drawable_size.h"
#include "gl/gl_surface.h"
#include "input/focus.h"
#include "input/keyboard.h"
#include "input/pointer.h"
#include "process/signals.h"
#include "window/window_events.h"
#include "window/x_window.h"
#include "xlib/connection.h"

namespace x11 {
namespace {

// The session asked the program to end: every window is asked to close, as by its close box, and
// a thread with no window to quit.
void askToClose() {
    const std::vector<HWND> windows = liveWindows();
    if (windows.empty())
        PostQuitMessage(0);
    for (HWND window : windows)
        postEvent(window, WM_CLOSE, 0, 0);
}

// Another client destroyed the window: its GL drawable went with it, its procedure hears of it as
// of any destruction, and nothing queued for it is delivered any more.
void destroyedElsewhere(HWND window) {
    xWindowOf(window)->gone = true;
    surfaceGone(window);
    discardMessagesFor(window);
    sendMessage(window, WM_DESTROY, 0, 0);
}

void routeEvent(const XEvent& event) {
    if (event.type == MappingNotify) {
        keyboardMappingChanged(event.xmapping);
        return;
    }
    HWND window = windowOfXWindow(event.xany.window);
    if (!window)
        return;
    switch (event.type) {
    case ConfigureNotify:
        translateWindowEvent(window, event);
        fitDrawable(window);
        break;
    case DestroyNotify:
        if (!event.xany.send_event) // another client's word is not the server's
            destroyedElsewhere(window);
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
        translateWindowEvent(window, event);
        break;
    }
}

// The next of the `pending` events that were there when the poll began, while Xlib still holds one:
// a window procedure that pumps messages meanwhile may have taken the rest, and a poll never
// waits.
bool takePendingEvent(Display* connection, int& pending, XEvent* event) {
    if (pending <= 0 || XEventsQueued(connection, QueuedAlready) == 0)
        return false;
    --pending;
    XNextEvent(connection, event);
    return true;
}

// The filter is tried on what each event adds to the queue, the rest it has been tried on already:
// a poll costs the same however many messages the filter leaves behind. (A pointer move folded
// into the last one is of the same window and number as the one it replaces.)
bool takeMessage(const MessageFilter& filter, MSG* message) {
    if (takePostedMessage(filter, message))
        return true;
    if (Display* connection = display()) {
        int pending = XEventsQueued(connection, QueuedAfterFlush);
        for (XEvent event; takePendingEvent(connection, pending, &event);) {
            const std::size_t triedOn = queuedCount();
            routeEvent(event);
            if (takePostedMessage(filter, message, triedOn))
                return true;
        }
    }
    return takeQuitMessage(filter, message) || takePaintMessage(filter, message);
}

} // namespace

bool isWindowOrAny(HWND window) {
    return !window || isThreadMessagesFilter(window) || findWindow(window);
}

void routePendingInput() {
    if (takeCloseRequest())
        askToClose();
    if (Display* connection = display()) {
        int pending = XEventsQueued(connection, QueuedAfterFlush);
        for (XEvent event; takePendingEvent(connection, pending, &event);)
            routeEvent(event);
    }
}

} // namespace x11

// The key state follows the messages taken off the queue. Whatever the answer, the thread has
// looked at its queue: what is in it is no longer new. Nowhere to put the message, or a window to
// filter on that is none, finds nothing, as on Win32.
BOOL WINAPI PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax,
                         UINT removeMessage) {
    if (!message || !x11::isWindowOrAny(window)) {
        SetLastError(message ? ERROR_INVALID_WINDOW_HANDLE : ERROR_NOACCESS);
        return FALSE;
    }
    if (x11::takeCloseRequest())
        x11::askToClose();
    x11::askBeforeScreenSaver();
    const x11::MessageFilter filter = {window, filterMin, filterMax, removeMessage};
    const bool found = x11::takeMessage(filter, message);
    x11::queueLookedAt();
    if (!found)
        return FALSE;
    if (removeMessage & PM_REMOVE)
        x11::messageTaken(*message);
    return TRUE;
}
