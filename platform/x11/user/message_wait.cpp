// Waiting for messages: GetMessageA, WaitMessage and MsgWaitForMultipleObjects. A wait sleeps in
// poll on the program's X connection and on the session's close request, so a thread waiting
// costs nothing until one of them has something, and wakes as soon as it does.
#include "core/queue_status.h"
#include "display/screen_saver.h"
#include "process/signals.h"
#include "user/message_pump.h"
#include "xlib/connection.h"

#include <poll.h>
#include <unistd.h>

namespace x11 {
namespace {

const int noTimeLimit = -1; // in poll's milliseconds

// The shorter of two limits in poll's milliseconds, either of which may be none.
int sooner(int one, int other) {
    if (one == noTimeLimit)
        return other;
    return other == noTimeLimit || one < other ? one : other;
}

// Sleeps until the X connection has events to read or a close is asked for, or for at most
// `milliseconds`, and no longer than until the active window is to be asked before the screen saver
// starts (the next look at the queue asks it). Events Xlib has already read in need no sleep.
void waitForInput(int milliseconds) {
    milliseconds = sooner(milliseconds, millisecondsToScreenSaverQuestion());
    pollfd watched[2];
    nfds_t count = 0;
    if (Display* connection = display()) {
        if (XEventsQueued(connection, QueuedAfterFlush) > 0)
            return;
        watched[count++] = {ConnectionNumber(connection), POLLIN, 0};
    }
    const int closeRequest = closeRequestDescriptor();
    if (closeRequest >= 0)
        watched[count++] = {closeRequest, POLLIN, 0};
    if (closeRequestPending())
        return;
    if (poll(watched, count, milliseconds) > 0 && closeRequest >= 0) {
        char drained[16];
        while (read(closeRequest, drained, sizeof drained) > 0) {
        }
    }
}

// Waits until messages of the kinds in `wakeMask` have come since the thread last looked at its
// queue; false once `milliseconds` have passed first.
bool waitForNewMessages(DWORD wakeMask, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        routePendingInput();
        askBeforeScreenSaver(); // sent to the window procedure, as Win32 delivers sent messages
        if (newMessageKinds() & wakeMask)
            return true;
        int remaining = noTimeLimit;
        if (milliseconds != INFINITE) {
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline)
                return false;
            remaining = static_cast<int>(deadline - now);
        }
        waitForInput(remaining);
    }
}

} // namespace
} // namespace x11

// A window to filter on that is not one (or is destroyed meanwhile) ends the wait with -1, as
// does nowhere to put the message.
BOOL WINAPI GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax) {
    if (!message) {
        SetLastError(ERROR_NOACCESS);
        return -1;
    }
    for (;;) {
        if (!x11::isWindowOrAny(window)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return -1;
        }
        if (PeekMessageA(message, window, filterMin, filterMax, PM_REMOVE))
            return message->message != WM_QUIT;
        x11::waitForInput(x11::noTimeLimit);
    }
}

BOOL WINAPI WaitMessage() {
    x11::waitForNewMessages(QS_ALLINPUT, INFINITE);
    return TRUE;
}

DWORD WINAPI MsgWaitForMultipleObjects(DWORD count, const HANDLE*, BOOL, DWORD milliseconds,
                                       DWORD wakeMask) {
    if (count > 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    return x11::waitForNewMessages(wakeMask, milliseconds) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}
