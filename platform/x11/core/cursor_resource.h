// The system's cursors, as LoadCursorA hands them out: a handle for each IDC_ cursor, the same for
// the process's life. What a cursor looks like is the window system's to say.
#ifndef TALVO_PLATFORM_X11_CORE_CURSOR_RESOURCE_H
#define TALVO_PLATFORM_X11_CORE_CURSOR_RESOURCE_H

#include "platform/platform.h"

namespace x11 {

// The IDC_ number of a system cursor's handle; 0 for any other handle.
WORD systemCursorId(HCURSOR cursor);

} // namespace x11

#endif
