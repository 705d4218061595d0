// Where a window is and how large, frame included, as Win32 tells it (GetWindowRect,
// WM_WINDOWPOSCHANGED), and its moves and sizes on the program's request. The window manager may
// place and size it otherwise: what it makes of a request comes as for any change it makes.
#ifndef TALVO_PLATFORM_X11_WINDOW_WINDOW_POSITION_H
#define TALVO_PLATFORM_X11_WINDOW_WINDOW_POSITION_H

#include "platform/platform.h"

namespace x11 {

// The outer rectangle the window was last put in, by the program or the window manager.
RECT requestedOuterRect(HWND window);
// Tells the window procedure where the window is now (WM_WINDOWPOSCHANGED) and what changed, in
// SetWindowPos's flags.
void sendWindowPosChanged(HWND window, HWND insertAfter, UINT flags);
// Moves and sizes a live window as SetWindowPos asks, frame included: its client area is what the
// frame of its style leaves. Its new frame is put around it first with SWP_FRAMECHANGED; its
// client size is what the window manager reports from then on.
void placeWindow(HWND window, const RECT& outer, UINT flags);

} // namespace x11

#endif
