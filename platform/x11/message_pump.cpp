// The message pump. Posted messages come first; X events are read only when none is waiting, and
// only those the server has already sent, each translated into at most a few messages, so a poll
// never waits.
#include "platform/x11/display.h"
#include "platform/x11/event_translation.h"
#include "platform/x11/key_state.h"
#include "platform/x11/message_queue.h"

namespace {

bool takeMessage(const x11::MessageFilter& filter, MSG* message) {
    if (x11::takePostedMessage(filter, message))
        return true;
    if (Display* connection = x11::display()) {
        while (XPending(connection)) {
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
    const x11::MessageFilter filter = {window, filterMin, filterMax, removeMessage};
    if (!takeMessage(filter, message))
        return FALSE;
    if (removeMessage & PM_REMOVE)
        x11::messageTaken(*message);
    return TRUE;
}
