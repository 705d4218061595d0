// The key state a thread reads with GetKeyState: it follows the key and button messages as they
// are taken from the queue, not the keyboard itself.
#ifndef TALVO_PLATFORM_X11_KEY_STATE_H
#define TALVO_PLATFORM_X11_KEY_STATE_H

#include "platform/platform.h"

namespace x11 {

// Everything PeekMessageA takes off the queue passes here.
void messageTaken(const MSG& message);

} // namespace x11

#endif
