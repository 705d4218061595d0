// The end of a window: every part lets go of it.
#ifndef TALVO_PLATFORM_X11_USER_WINDOW_TEARDOWN_H
#define TALVO_PLATFORM_X11_USER_WINDOW_TEARDOWN_H

#include "platform/platform.h"

namespace x11 {

// The window procedure hears WM_NCDESTROY, its last message; then what was queued for the window
// goes, its device contexts, its GL surface, its X window and its record.
void releaseWindow(HWND window);

} // namespace x11

#endif
