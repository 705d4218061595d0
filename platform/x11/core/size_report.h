// What a window procedure is told of its window's client size: 0 by 0 while the window is
// minimised, and only when that differs from what it was last told.
#ifndef TALVO_PLATFORM_X11_CORE_SIZE_REPORT_H
#define TALVO_PLATFORM_X11_CORE_SIZE_REPORT_H

#include "core/window_record.h"

namespace x11 {

// The client size as WM_SIZE's lParam carries it, if the window procedure has not had it yet; it
// counts as had from here on.
bool takeNewClientSize(WindowRecord& window, LPARAM* size);

} // namespace x11

#endif
