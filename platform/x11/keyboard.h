// Key events become key messages; TranslateMessage makes characters of the key-downs.
#ifndef TALVO_PLATFORM_X11_KEYBOARD_H
#define TALVO_PLATFORM_X11_KEYBOARD_H

#include "platform/platform.h"

#include <X11/Xlib.h>

namespace x11 {

// Posts WM_KEYDOWN or WM_KEYUP for a key press or release, or WM_SYSKEYDOWN and WM_SYSKEYUP
// under Alt and for F10, and keeps the characters the press types for TranslateMessage.
void translateKeyEvent(HWND window, XKeyEvent& event);
// The keyboard went to another window: keys held now are released there, unseen here.
void forgetHeldKeys();
// A key-down message was taken from the queue: the one whose characters TranslateMessage posts.
void keyDownTaken(const MSG& message);

} // namespace x11

#endif
