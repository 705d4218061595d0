// DestroyWindow: every part lets go of the window.
#include "core/activation.h"
#include "core/device_context.h"
#include "core/message_queue.h"
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "gl/gl_surface.h"
#include "input/capture.h"
#include "user/window_teardown.h"
#include "window/foreground.h"
#include "window/window_lifetime.h"
#include "window/window_position.h"
#include "window/x_window.h"

namespace x11 {

void releaseWindow(HWND window) {
    sendMessage(window, WM_NCDESTROY, 0, 0);
    releaseSurface(window);
    releaseDeviceContextsOf(window);
    discardMessagesFor(window);
    destroyXWindow(window);
    findWindow(window)->windowClass->windowCount -= 1;
    removeWindow(window);
}

namespace {

// As Win32 ends a window that is still whole: hidden first, then deactivated (for the next window)
// and without the focus, then told it is being destroyed.
void endWholeWindow(HWND window, WindowRecord& record) {
    if (record.style & WS_VISIBLE) {
        record.style &= ~WS_VISIBLE;
        sendWindowPosChanged(window, nullptr,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER |
                                 SWP_NOACTIVATE);
    }
    if (activeWindow() == window)
        activateWindow(nextActiveWindow(window), Delivery::sent);
    else if (focusWindow() == window)
        moveFocus(nullptr, Delivery::sent);
    sendMessage(window, WM_DESTROY, 0, 0);
}

} // namespace
} // namespace x11

// The window procedure hears of the destruction while the window is still whole. Of a window
// another client destroyed, the procedure has heard already, and only what the server keeps for the
// program is left to release. A procedure that destroys its window while it hears of this has
// ended it: what is left here is left out.
BOOL WINAPI DestroyWindow(HWND window) {
    x11::WindowRecord* record = x11::windowForCall(window);
    if (!record)
        return FALSE;
    if (record->beingDestroyed)
        return TRUE;
    record->beingDestroyed = true;
    x11::releaseCaptureOf(window);
    if (!x11::xWindowOf(window)->gone)
        x11::endWholeWindow(window, *record);
    if (x11::findWindow(window))
        x11::releaseWindow(window);
    return TRUE;
}
