#include "input/pointer.h"

#include "core/message_queue.h"
#include "core/window_record.h"

namespace x11 {
namespace {

// X buttons 4 and 5 are the wheel's notches away from the user and towards the user.
const unsigned wheelAway = Button4;
const unsigned wheelTowards = Button5;

struct ButtonMessages {
    unsigned button;
    unsigned mask;
    WPARAM flag;
    UINT down;
    UINT up;
};
const ButtonMessages buttons[] = {
    {Button1, Button1Mask, MK_LBUTTON, WM_LBUTTONDOWN, WM_LBUTTONUP},
    {Button2, Button2Mask, MK_MBUTTON, WM_MBUTTONDOWN, WM_MBUTTONUP},
    {Button3, Button3Mask, MK_RBUTTON, WM_RBUTTONDOWN, WM_RBUTTONUP},
};

// The buttons and keys held, from the modifiers the server reports as they were before the event.
WPARAM heldFlags(unsigned modifiers) {
    WPARAM flags = 0;
    for (const ButtonMessages& each : buttons)
        if (modifiers & each.mask)
            flags |= each.flag;
    if (modifiers & ShiftMask)
        flags |= MK_SHIFT;
    if (modifiers & ControlMask)
        flags |= MK_CONTROL;
    return flags;
}

bool inClientArea(HWND window, int x, int y) {
    const WindowRecord& record = *findWindow(window);
    return x >= 0 && y >= 0 && x < record.clientWidth && y < record.clientHeight;
}

void buttonEvent(HWND window, const XButtonEvent& event) {
    const bool press = event.type == ButtonPress;
    if (event.button == wheelAway || event.button == wheelTowards) {
        if (!press) // a notch is one press and release
            return;
        const short delta = event.button == wheelAway ? WHEEL_DELTA : -WHEEL_DELTA;
        postMessage(window, WM_MOUSEWHEEL, MAKEWPARAM(heldFlags(event.state), delta),
                    MAKELPARAM(event.x_root, event.y_root));
        return;
    }
    for (const ButtonMessages& each : buttons) {
        if (each.button != event.button)
            continue;
        const WPARAM held =
            press ? heldFlags(event.state) | each.flag : heldFlags(event.state) & ~each.flag;
        postMessage(window, press ? each.down : each.up, held, MAKELPARAM(event.x, event.y));
    }
}

} // namespace

void translatePointerEvent(HWND window, const XEvent& event) {
    switch (event.type) {
    case MotionNotify:
        if (inClientArea(window, event.xmotion.x, event.xmotion.y))
            postMessage(window, WM_MOUSEMOVE, heldFlags(event.xmotion.state),
                        MAKELPARAM(event.xmotion.x, event.xmotion.y));
        break;
    case ButtonPress:
    case ButtonRelease:
        if (inClientArea(window, event.xbutton.x, event.xbutton.y))
            buttonEvent(window, event.xbutton);
        break;
    default:
        break;
    }
}

} // namespace x11
