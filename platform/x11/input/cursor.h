// The cursor over the program's windows: the shape SetCursor chose, or none while ShowCursor's
// count is below 0.
#ifndef TALVO_PLATFORM_X11_INPUT_CURSOR_H
#define TALVO_PLATFORM_X11_INPUT_CURSOR_H

#include "platform/platform.h"

#include <X11/Xlib.h>

namespace x11 {

// Shows the cursor as it should be over that X window of the program's, where it does not yet.
void showCursorOver(Window window);
// Over every window of the program's, the pointer's clip window among them.
void showCursorEverywhere();
// The default window procedure's answer to WM_SETCURSOR: in the client area, a window whose class
// has a cursor shows it (TRUE); otherwise the cursor is left as it is (FALSE).
BOOL setClassCursor(HWND window, LPARAM where);

} // namespace x11

#endif
