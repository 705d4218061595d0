// Key events become key messages, each key-down with the characters it types.
#ifndef TALVO_PLATFORM_X11_INPUT_KEYBOARD_H
#define TALVO_PLATFORM_X11_INPUT_KEYBOARD_H

#include "platform/platform.h"

#include <X11/Xlib.h>

namespace x11 {

// Posts WM_KEYDOWN or WM_KEYUP for a key press or release, or WM_SYSKEYDOWN and WM_SYSKEYUP
// under Alt and for F10, to the window with the focus (that of the event where none has it); a
// key-down with the characters the press types, for TranslateMessage.
void translateKeyEvent(HWND window, XKeyEvent& event);
// The keyboard went to another window: keys held now are released there, unseen here.
void forgetHeldKeys();
// The server's keyboard mapping changed (a new layout, say).
void keyboardMappingChanged(const XMappingEvent& event);

} // namespace x11

#endif
