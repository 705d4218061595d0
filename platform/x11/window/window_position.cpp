#include "window/window_position.h"

#include "core/paint.h"
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/frame_extents.h"
#include "xlib/window_properties.h"

#include <algorithm>

namespace x11 {

RECT requestedOuterRect(HWND window) {
    const WindowRecord& record = *findWindow(window);
    const FrameExtents& frame = xWindowOf(window)->frame;
    return {record.x, record.y, record.x + record.clientWidth + frame.left + frame.right,
            record.y + record.clientHeight + frame.top + frame.bottom};
}

void sendWindowPosChanged(HWND window, HWND insertAfter, UINT flags) {
    const RECT outer = requestedOuterRect(window);
    WINDOWPOS position = {window,
                          insertAfter,
                          outer.left,
                          outer.top,
                          outer.right - outer.left,
                          outer.bottom - outer.top,
                          flags};
    sendMessage(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

void placeWindow(HWND window, const RECT& outer, UINT flags) {
    WindowRecord& record = *findWindow(window);
    XWindow& xWindow = *xWindowOf(window);
    if (flags & SWP_FRAMECHANGED) {
        setDecorations(programConnection(), xWindow.handle, record.style);
        xWindow.frame = frameExtentsOfStyle(record.style);
    }
    const FrameExtents& frame = xWindow.frame;
    const int oldWidth = record.clientWidth, oldHeight = record.clientHeight;
    record.x = outer.left;
    record.y = outer.top;
    record.clientWidth = std::max<int>(1, outer.right - outer.left - frame.left - frame.right);
    record.clientHeight = std::max<int>(1, outer.bottom - outer.top - frame.top - frame.bottom);
    const POINT position = {record.x, record.y};
    setPlacement(programConnection(), xWindow.handle, &position);
    xWindow.placedSerial = NextRequest(display());
    // With north-west gravity the window manager puts the frame's corner where the client window
    // is asked to go (without a manager there is no frame).
    XMoveResizeWindow(display(), xWindow.handle, record.x, record.y,
                      static_cast<unsigned>(record.clientWidth),
                      static_cast<unsigned>(record.clientHeight));
    if (!(flags & SWP_NOREDRAW))
        invalidateResizedClientArea(record, oldWidth, oldHeight);
}

} // namespace x11

// Where the window was last put, by the program or by the window manager.
BOOL WINAPI GetWindowRect(HWND window, LPRECT rect) {
    if (!x11::windowForCall(window) || !rect)
        return FALSE;
    *rect = x11::requestedOuterRect(window);
    return TRUE;
}
