#include "input/focus.h"

#include "core/activation.h"
#include "input/cursor_clip.h"
#include "input/keyboard.h"

namespace x11 {

// A window manager that grabs the keyboard for a moment (a key binding, a window being moved)
// moves no focus, but the keys held when it takes the keyboard are released where the program
// does not see it; the focus moving within the window moves nothing. A change the program made
// itself (ShowWindow, SetForegroundWindow) has been told already, and is not told again.
void translateFocusEvent(HWND window, const XFocusChangeEvent& event) {
    if (event.mode == NotifyGrab && event.type == FocusOut)
        forgetHeldKeys();
    if (event.mode == NotifyGrab || event.mode == NotifyUngrab || event.detail == NotifyInferior ||
        event.detail == NotifyPointer)
        return;
    if (event.type == FocusIn) {
        activateWindow(window, Delivery::posted);
    } else if (activeWindow() == window) {
        forgetHeldKeys();
        releaseCursorClip();
        activateWindow(nullptr, Delivery::posted);
    }
}

} // namespace x11
