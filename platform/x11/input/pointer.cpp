#include "input/pointer.h"

#include "core/message_queue.h"
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "input/cursor.h"
#include "input/pointer_state.h"
#include "window/x_window.h"
#include "xlib/connection.h"

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

// The message a button's press or release makes, with the buttons and keys held after it.
bool buttonMessage(const XButtonEvent& event, UINT& message, WPARAM& held) {
    for (const ButtonMessages& each : buttons)
        if (each.button == event.button) {
            const bool press = event.type == ButtonPress;
            message = press ? each.down : each.up;
            held = press ? heldFlags(event.state) | each.flag : heldFlags(event.state) & ~each.flag;
            return true;
        }
    return false;
}

// The mouse message of a motion or button event, the wheel's aside; false for another button.
bool mouseMessage(const XEvent& event, UINT& message, WPARAM& held) {
    if (event.type != MotionNotify)
        return buttonMessage(event.xbutton, message, held);
    message = WM_MOUSEMOVE;
    held = heldFlags(event.xmotion.state);
    return true;
}

// A notch is one press and release: the press counts.
void wheelEvent(HWND window, const XButtonEvent& event) {
    if (event.type != ButtonPress)
        return;
    const short delta = event.button == wheelAway ? WHEEL_DELTA : -WHEEL_DELTA;
    postEvent(window, WM_MOUSEWHEEL, MAKEWPARAM(heldFlags(event.state), delta),
                MAKELPARAM(event.x_root, event.y_root));
}

// Where the event happened, in the client area of the capture window: the event's own position
// when it came to that window, which may be outside it.
POINT positionInCaptureWindow(HWND window, const XEvent& event) {
    const bool motion = event.type == MotionNotify;
    const POINT at = {motion ? event.xmotion.x : event.xbutton.x,
                      motion ? event.xmotion.y : event.xbutton.y};
    if (window == pointer.capture)
        return at;
    int x = 0;
    int y = 0;
    Window child;
    XTranslateCoordinates(display(), rootWindow(), xWindowOf(pointer.capture)->handle,
                          motion ? event.xmotion.x_root : event.xbutton.x_root,
                          motion ? event.xmotion.y_root : event.xbutton.y_root, &x, &y, &child);
    return {x, y};
}

// In the client area, the window is asked which cursor to show (WM_SETCURSOR) before each of its
// mouse messages. A window with the capture is asked nothing, and has every message.
void mouseEvent(HWND window, const XEvent& event) {
    UINT message;
    WPARAM held;
    if (!mouseMessage(event, message, held))
        return;
    if (pointer.capture) {
        const POINT at = positionInCaptureWindow(window, event);
        postEvent(pointer.capture, message, held, MAKELPARAM(at.x, at.y));
        return;
    }
    const bool motion = event.type == MotionNotify;
    const int x = motion ? event.xmotion.x : event.xbutton.x;
    const int y = motion ? event.xmotion.y : event.xbutton.y;
    if (!inClientArea(window, x, y))
        return;
    showCursorOver(event.xany.window);
    sendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                MAKELPARAM(HTCLIENT, message));
    postEvent(window, message, held, MAKELPARAM(x, y));
}

} // namespace

void translatePointerEvent(HWND window, const XEvent& event) {
    const bool wheel = event.type != MotionNotify &&
                       (event.xbutton.button == wheelAway || event.xbutton.button == wheelTowards);
    if (!wheel)
        mouseEvent(window, event);
    else if (inClientArea(window, event.xbutton.x, event.xbutton.y))
        wheelEvent(window, event.xbutton);
}

} // namespace x11
