// What has come into the thread's queue since the thread last looked at it, by kind, as the waits
// for messages (WaitMessage, MsgWaitForMultipleObjects) ask for it: a message the thread has seen
// in a look and left in the queue wakes no wait.
#ifndef TALVO_PLATFORM_X11_CORE_QUEUE_STATUS_H
#define TALVO_PLATFORM_X11_CORE_QUEUE_STATUS_H

#include "platform/platform.h"

namespace x11 {

// Every message that goes into the queue, WM_QUIT among them, passes here.
void messageQueued(UINT message);
// The thread looked at its queue (PeekMessageA): what is there is no longer new.
void queueLookedAt();
// The kinds (QS_) of the messages queued since the last look.
DWORD newMessageKinds();

} // namespace x11

#endif
