// The message pump. Posted messages come first; X events are read only when none is waiting, and
// only those already there when the poll began, each translated into at most a few messages: a
// poll never waits, and however fast other clients make events, it ends, so that the frames and
// the quit request still get their turn.
#include "platform/x11/display.h"
#include "platform/x11/event_translation.h"
#include "platform/x11/key_state.h"
#include "platform/x11/message_queue.h"
#include "platform/x11/process_signals.h"
#include "platform/x11/window.h"

namespace {

// The session asked the program to end: every window is asked to close, as by its close box, and
// a thread with no window to quit.
void askToClose() {
    if (x11::liveWindows().empty())
        PostQuitMessage(0);
    for (HWND window : x11::liveWindows())
        x11::postMessage(window, WM_CLOSE, 0, 0);
}

bool takeMessage(const x11::MessageFilter& filter, MSG* message) {
    if (x11::takePostedMessage(filter, message))
        return true;
    if (Display* connection = x11::display()) {
        for (int pending = XEventsQueued(connection, QueuedAfterFlush); pending > 0; --pending) {
            XEvent event;
            XNextEvent(connection, &event);
            x11::translateEvent(event);
            if (x11::takePostedMessage(filter, message))
                return true;
        }
    }
    return x11::takeQuitMessage(filter, message);
}

} // namespace

// The key state follows the messages taken off the queue.
BOOL WINAPI PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax,
                         UINT removeMessage) {
    if (x11::takeCloseRequest())
        askToClose();
    const x11::MessageFilter filter = {window, filterMin, filterMax, removeMessage};
    if (!takeMessage(filter, message))
        return FALSE;
    if (removeMessage & PM_REMOVE)
        x11::messageTaken(*message);
    return TRUE;
}
