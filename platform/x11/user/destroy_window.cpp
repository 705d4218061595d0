// DestroyWindow: every part lets go of the window.
#include "core/device_context.h"
#include "core/message_queue.h"
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "gl/gl_surface.h"
#include "input/capture.h"
#include "window/window_lifetime.h"
#include "window/x_window.h"

// The window procedure hears of the destruction while the window is still whole; what was queued
// for the window goes with it, and its device contexts. Of a window another client destroyed, the
// procedure has heard already, and only what the server keeps for the program is left to release.
BOOL WINAPI DestroyWindow(HWND window) {
    x11::WindowRecord* record = x11::findWindow(window);
    if (!record)
        return FALSE;
    x11::releaseCaptureOf(window);
    if (!x11::xWindowOf(window)->gone)
        x11::sendMessage(window, WM_DESTROY, 0, 0);

    x11::releaseSurface(window);
    x11::releaseDeviceContextsOf(window);
    x11::discardMessagesFor(window);
    x11::destroyXWindow(window);
    record->windowClass->windowCount -= 1;
    x11::removeWindow(window);
    return TRUE;
}
