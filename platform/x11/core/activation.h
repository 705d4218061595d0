// The thread's active window and keyboard focus, as Win32 keeps them, and the messages that tell
// windows of their changes. Activation moves with ShowWindow, SetForegroundWindow, SetFocus and
// DestroyWindow, whose messages are sent before the call returns, and with the window manager's
// focus, whose messages are posted behind what is already queued.
#ifndef TALVO_PLATFORM_X11_CORE_ACTIVATION_H
#define TALVO_PLATFORM_X11_CORE_ACTIVATION_H

#include "platform/platform.h"

namespace x11 {

enum class Delivery { sent, posted };

// Makes the window the active one (null: none of the program's is): WM_ACTIVATE (WA_INACTIVE) to
// the window that was active, WM_ACTIVATE to the new one, each naming the other; then the focus
// moves to the new one, unless it is minimised.
void activateWindow(HWND window, Delivery delivery);
// Moves the focus (null: to no window): WM_KILLFOCUS to the window that had it, then WM_SETFOCUS
// to the new one, each naming the other. The window that had it, or null.
HWND moveFocus(HWND window, Delivery delivery);
HWND activeWindow();
HWND focusWindow();

} // namespace x11

#endif
