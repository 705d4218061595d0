// What the default window procedure makes of the keys of the window menu: Alt+F4 closes the window
// (SC_CLOSE, posted); Alt or F10 pressed and released with no other key between, or a character
// typed under Alt, asks for the window menu (SC_KEYMENU, with the character in lParam).
#ifndef TALVO_PLATFORM_X11_CORE_SYSTEM_KEYS_H
#define TALVO_PLATFORM_X11_CORE_SYSTEM_KEYS_H

#include "platform/platform.h"

namespace x11 {

// For a key or character message passed on to the default window procedure.
void keyToSystemCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace x11

#endif
