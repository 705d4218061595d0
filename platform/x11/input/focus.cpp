#include "input/focus.h"

#include "core/message_queue.h"
#include "core/window_record.h"
#include "input/cursor_clip.h"
#include "input/keyboard.h"

namespace x11 {

// A window manager that grabs the keyboard for a moment (a key binding, a window being moved)
// moves no focus; neither does the focus moving within the window.
void translateFocusEvent(HWND window, const XFocusChangeEvent& event) {
    if (event.mode == NotifyGrab || event.mode == NotifyUngrab || event.detail == NotifyInferior ||
        event.detail == NotifyPointer)
        return;
    const bool focused = event.type == FocusIn;
    WindowRecord& record = *findWindow(window);
    if (focused == record.focused)
        return;
    record.focused = focused;
    const WORD minimised = record.iconic ? 1 : 0;
    if (focused) {
        postMessage(window, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, minimised), 0);
        postMessage(window, WM_SETFOCUS, 0, 0);
    } else {
        forgetHeldKeys();
        releaseCursorClip();
        postMessage(window, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, minimised), 0);
        postMessage(window, WM_KILLFOCUS, 0, 0);
    }
}

} // namespace x11
