// The key state a thread reads with GetKeyState: it follows the key and button messages as they
// are taken from the queue, not the keyboard itself.
#ifndef TALVO_PLATFORM_X11_CORE_KEY_STATE_H
#define TALVO_PLATFORM_X11_CORE_KEY_STATE_H

#include "platform/platform.h"

namespace x11 {

// Everything PeekMessageA takes off the queue passes here.
void messageTaken(const MSG& message);
// A lock key's toggle as the keyboard has it, for the state before any key message.
void setKeyToggled(BYTE virtualKey, bool toggled);

// The left or right key that a Shift, Ctrl or Alt key of that scan code and extended flag is
// (VK_LSHIFT, VK_RMENU, ...); any other key is itself.
BYTE sidedVirtualKey(BYTE virtualKey, BYTE scanCode, bool extended);

} // namespace x11

#endif
