#include "core/queue_status.h"

#include "core/core_state.h"

namespace x11 {
namespace {

// Every message the layer queues is posted, so what is neither a key nor the mouse nor painting is
// a posted message of the kind that any thread could have posted.
DWORD kindOf(UINT message) {
    if (message == WM_PAINT)
        return QS_PAINT;
    if (message >= WM_KEYDOWN && message <= WM_SYSCHAR)
        return QS_KEY;
    if (message == WM_MOUSEMOVE)
        return QS_MOUSEMOVE;
    if (message > WM_MOUSEMOVE && message <= WM_MOUSEWHEEL)
        return QS_MOUSEBUTTON;
    return QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
}

} // namespace

void messageQueued(UINT message) {
    core.newMessageKinds |= kindOf(message);
}

void queueLookedAt() {
    core.newMessageKinds = 0;
}

DWORD newMessageKinds() {
    return core.newMessageKinds;
}

} // namespace x11
