// The capture is the thread's record only: while a button is held the X server already reports
// the pointer to the window it was pressed in wherever it goes, and the pointer's messages go from
// there to the capture window (pointer.cpp). Without a button held, as on Windows, the capture
// window has the pointer's messages over the thread's windows alone.
#include "input/capture.h"

#include "core/window_procedure.h"
#include "core/window_record.h"
#include "input/pointer_state.h"

namespace x11 {
namespace {

// The window that had the capture hears that it lost it, and to which window.
HWND changeCapture(HWND window) {
    const HWND previous = pointer.capture;
    pointer.capture = window;
    if (previous)
        sendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    return previous;
}

} // namespace

void releaseCaptureOf(HWND window) {
    if (pointer.capture == window)
        changeCapture(nullptr);
}

} // namespace x11

HWND WINAPI SetCapture(HWND window) {
    if (window && !x11::findWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return x11::changeCapture(window);
}

BOOL WINAPI ReleaseCapture() {
    x11::changeCapture(nullptr);
    return TRUE;
}

HWND WINAPI GetCapture() {
    return x11::pointer.capture;
}
