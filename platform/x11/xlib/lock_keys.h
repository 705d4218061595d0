// The lock keys as the keyboard stands: the thread's key state takes their toggles from the
// server's indicators when the program connects, so that GetKeyState(VK_CAPITAL) & 1 holds for a
// Caps Lock turned on before the program started.
#ifndef TALVO_PLATFORM_X11_XLIB_LOCK_KEYS_H
#define TALVO_PLATFORM_X11_XLIB_LOCK_KEYS_H

#include "xlib/connection.h"

namespace x11 {

void readLockKeys(const Connection& connection);

} // namespace x11

#endif
