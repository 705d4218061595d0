// Which Win32 key an X key is: its virtual-key code, and the scan code and extended flag of its
// place on a PC keyboard.
#ifndef TALVO_PLATFORM_X11_INPUT_KEY_CODES_H
#define TALVO_PLATFORM_X11_INPUT_KEY_CODES_H

#include "platform/platform.h"

#include <X11/X.h>

namespace x11 {

struct KeyIdentity {
    BYTE virtualKey; // 0xFF for a key with none, as Windows reports such keys
    BYTE scanCode;   // 0 for a key off the PC keyboard
    bool extended;
};

const BYTE noVirtualKey = 0xFF;

// `keycode` on a server with the Linux input key codes (the evdev rules, as Xorg, Xvfb and
// Xwayland have them); `shifted` is the key's shifted symbol and `symbol` the one it gives with
// the event's modifiers. A letter's virtual key is the letter its shifted symbol is, so that it
// follows the layout as Windows layouts do (the Turkish i, whose capital is not I, keeps its
// place's key); every other key is known by its place, numeric-pad keys by what Num Lock makes of
// them.
KeyIdentity identifyKey(unsigned keycode, KeySym shifted, KeySym symbol);

} // namespace x11

#endif
