// The program's place in the foreground: which of its windows has the keyboard on the server.
#ifndef TALVO_PLATFORM_X11_WINDOW_FOREGROUND_H
#define TALVO_PLATFORM_X11_WINDOW_FOREGROUND_H

#include "platform/platform.h"

namespace x11 {

// The window that is to be active once `leaving` is hidden or destroyed, as Win32 activates the
// next window then: another of the program's if it has the keyboard on the server now (the window
// manager passes it on, and no focus event may come), null otherwise.
HWND nextActiveWindow(HWND leaving);

} // namespace x11

#endif
