#include "platform/x11/key_state.h"

#include "platform/x11/display.h"
#include "platform/x11/key_codes.h"
#include "platform/x11/keyboard.h"

#include <X11/XKBlib.h>

namespace x11 {
namespace {

// By virtual key: down (0x80), toggled by its presses (0x01).
const BYTE downBit = 0x80;
const BYTE toggledBit = 0x01;
BYTE keyStates[256];

// The left or right one of Shift, Ctrl and Alt that the message's key is, and the key both share.
struct Sides {
    BYTE shared;
    BYTE left;
    BYTE right;
};
const Sides sidedKeys[] = {
    {VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
    {VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
    {VK_MENU, VK_LMENU, VK_RMENU},
};
const BYTE rightShiftScanCode = 0x36;

void setKey(BYTE virtualKey, bool down) {
    if (down && !(keyStates[virtualKey] & downBit))
        keyStates[virtualKey] ^= toggledBit;
    keyStates[virtualKey] = static_cast<BYTE>(down ? keyStates[virtualKey] | downBit
                                                   : keyStates[virtualKey] & ~downBit);
}

// Right Shift is told by its scan code, right Ctrl and Alt by the extended flag.
BYTE sideOf(const Sides& sides, BYTE scanCode, bool extended) {
    const bool right = sides.shared == VK_SHIFT ? scanCode == rightShiftScanCode : extended;
    return right ? sides.right : sides.left;
}

void keyMessageTaken(const MSG& message, bool down) {
    const BYTE virtualKey = static_cast<BYTE>(message.wParam);
    const DWORD flags = static_cast<DWORD>(message.lParam) >> 16;
    for (const Sides& sides : sidedKeys)
        if (sides.shared == virtualKey) {
            setKey(sideOf(sides, flags & 0xFF, flags & KF_EXTENDED), down);
            setKey(virtualKey, (keyStates[sides.left] | keyStates[sides.right]) & downBit);
            return;
        }
    setKey(virtualKey, down);
}

// Whether a key the server has down is the virtual key asked about, the shared Shift, Ctrl and
// Alt keys standing for either side.
bool isKey(const KeyIdentity& key, int virtualKey) {
    if (key.virtualKey == virtualKey)
        return true;
    for (const Sides& sides : sidedKeys)
        if (key.virtualKey == sides.shared)
            return sideOf(sides, key.scanCode, key.extended) == virtualKey;
    return false;
}

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

bool keyDown(int virtualKey) {
    char keys[32];
    XQueryKeymap(display(), keys);
    for (unsigned keycode = 8; keycode < 256; ++keycode) {
        if (!(keys[keycode / 8] & (1 << (keycode % 8))))
            continue;
        const KeySym shifted = XkbKeycodeToKeysym(display(), static_cast<KeyCode>(keycode), 0, 1);
        const KeySym symbol = XkbKeycodeToKeysym(display(), static_cast<KeyCode>(keycode), 0, 0);
        if (isKey(identifyKey(keycode, shifted, symbol), virtualKey))
            return true;
    }
    return false;
}

} // namespace

void messageTaken(const MSG& message) {
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        keyMessageTaken(message, true);
        keyDownTaken(message);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        keyMessageTaken(message, false);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        setKey(VK_LBUTTON, message.message == WM_LBUTTONDOWN);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        setKey(VK_RBUTTON, message.message == WM_RBUTTONDOWN);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        setKey(VK_MBUTTON, message.message == WM_MBUTTONDOWN);
        break;
    default:
        break;
    }
}

} // namespace x11

SHORT WINAPI GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 0xFF)
        return 0;
    const BYTE state = x11::keyStates[virtualKey];
    return static_cast<SHORT>(((state & x11::downBit) ? 0xFF80 : 0) | (state & x11::toggledBit));
}

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
