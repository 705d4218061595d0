#include "core/activation.h"

#include "core/core_state.h"
#include "core/message_queue.h"
#include "core/window_procedure.h"
#include "core/window_record.h"

namespace x11 {
namespace {

void deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Delivery delivery) {
    if (delivery == Delivery::sent)
        sendMessage(window, message, wParam, lParam);
    else
        postEvent(window, message, wParam, lParam);
}

// WM_ACTIVATE's wParam: the state, and whether the window is minimised in the high word.
WPARAM activationState(HWND window, WORD state) {
    const WindowRecord* record = findWindow(window);
    return MAKEWPARAM(state, record && record->iconic ? 1 : 0);
}

} // namespace

void activateWindow(HWND window, Delivery delivery) {
    const HWND previous = core.activeWindow;
    if (window == previous)
        return;
    core.activeWindow = window;
    if (previous && findWindow(previous))
        deliver(previous, WM_ACTIVATE, activationState(previous, WA_INACTIVE),
                reinterpret_cast<LPARAM>(window), delivery);
    if (window)
        deliver(window, WM_ACTIVATE, activationState(window, WA_ACTIVE),
                reinterpret_cast<LPARAM>(previous), delivery);
    if (core.activeWindow != window) // a window procedure has moved the activation on meanwhile
        return;
    const WindowRecord* record = findWindow(window);
    moveFocus(record && !record->iconic ? window : nullptr, delivery);
}

HWND moveFocus(HWND window, Delivery delivery) {
    const HWND previous = core.focusWindow;
    if (window == previous)
        return previous;
    core.focusWindow = window;
    if (previous && findWindow(previous))
        deliver(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0, delivery);
    if (window)
        deliver(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0, delivery);
    return previous;
}

HWND activeWindow() {
    return findWindow(core.activeWindow) ? core.activeWindow : nullptr;
}

HWND focusWindow() {
    return findWindow(core.focusWindow) ? core.focusWindow : nullptr;
}

} // namespace x11

HWND WINAPI GetFocus() {
    return x11::focusWindow();
}

// The program's active window while the program has the keyboard; another program's window has
// no handle here.
HWND WINAPI GetForegroundWindow() {
    return x11::activeWindow();
}

// A top-level window of the program that is not active is activated first, which gives it the
// focus: the window that had the focus before is then the window itself, as Wine answers. A
// minimised one takes no focus.
HWND WINAPI SetFocus(HWND window) {
    if (!window)
        return x11::moveFocus(nullptr, x11::Delivery::sent);
    const x11::WindowRecord* record = x11::windowForCall(window);
    if (!record || record->iconic)
        return nullptr;
    if (x11::activeWindow() != window)
        x11::activateWindow(window, x11::Delivery::sent);
    return x11::moveFocus(window, x11::Delivery::sent);
}
