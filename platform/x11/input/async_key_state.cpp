// GetAsyncKeyState: the keyboard and the buttons as the server has them this moment.
#include "core/key_state.h"
#include "input/key_codes.h"
#include "xlib/connection.h"

#include <X11/XKBlib.h>

namespace x11 {
namespace {

bool buttonDown(int virtualKey) {
    Window root;
    Window child;
    int rootX;
    int rootY;
    int x;
    int y;
    unsigned modifiers = 0;
    XQueryPointer(display(), rootWindow(), &root, &child, &rootX, &rootY, &x, &y, &modifiers);
    const unsigned mask = virtualKey == VK_LBUTTON   ? Button1Mask
                          : virtualKey == VK_MBUTTON ? Button2Mask
                                                     : Button3Mask;
    return modifiers & mask;
}

// Whether a key the server has down is the virtual key asked about, the shared Shift, Ctrl and
// Alt keys standing for either side.
bool keyDown(int virtualKey) {
    char keys[32];
    XQueryKeymap(display(), keys);
    for (unsigned keycode = 8; keycode < 256; ++keycode) {
        if (!(keys[keycode / 8] & (1 << (keycode % 8))))
            continue;
        const KeySym shifted = XkbKeycodeToKeysym(display(), static_cast<KeyCode>(keycode), 0, 1);
        const KeySym symbol = XkbKeycodeToKeysym(display(), static_cast<KeyCode>(keycode), 0, 0);
        const KeyIdentity key = identifyKey(keycode, shifted, symbol);
        if (key.virtualKey == virtualKey ||
            sidedVirtualKey(key.virtualKey, key.scanCode, key.extended) == virtualKey)
            return true;
    }
    return false;
}

} // namespace
} // namespace x11

// Asks the server, so it holds whatever the queue still has to deliver, and for keys pressed in
// other windows.
SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    if (!x11::display() || virtualKey <= 0 || virtualKey > 0xFF)
        return 0;
    const bool button =
        virtualKey == VK_LBUTTON || virtualKey == VK_RBUTTON || virtualKey == VK_MBUTTON;
    const bool down = button ? x11::buttonDown(virtualKey) : x11::keyDown(virtualKey);
    return static_cast<SHORT>(down ? 0x8000 : 0);
}
