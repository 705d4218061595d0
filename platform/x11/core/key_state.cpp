#include "core/key_state.h"

#include "core/core_state.h"

namespace x11 {
namespace {

// By virtual key: down (0x80), toggled by its presses (0x01).
const BYTE downBit = 0x80;
const BYTE toggledBit = 0x01;

// The left and right keys of Shift, Ctrl and Alt, and the key both share.
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
    BYTE& state = core.keyStates[virtualKey];
    if (down && !(state & downBit))
        state ^= toggledBit;
    state = static_cast<BYTE>(down ? state | downBit : state & ~downBit);
}

void keyMessageTaken(const MSG& message, bool down) {
    const BYTE virtualKey = static_cast<BYTE>(message.wParam);
    const DWORD flags = static_cast<DWORD>(message.lParam) >> 16;
    for (const Sides& sides : sidedKeys)
        if (sides.shared == virtualKey) {
            setKey(sidedVirtualKey(virtualKey, flags & 0xFF, flags & KF_EXTENDED), down);
            setKey(virtualKey,
                   (core.keyStates[sides.left] | core.keyStates[sides.right]) & downBit);
            return;
        }
    setKey(virtualKey, down);
}

} // namespace

// Right Shift is told by its scan code, right Ctrl and Alt by the extended flag.
BYTE sidedVirtualKey(BYTE virtualKey, BYTE scanCode, bool extended) {
    for (const Sides& sides : sidedKeys)
        if (sides.shared == virtualKey) {
            const bool right = virtualKey == VK_SHIFT ? scanCode == rightShiftScanCode : extended;
            return right ? sides.right : sides.left;
        }
    return virtualKey;
}

void setKeyToggled(BYTE virtualKey, bool toggled) {
    BYTE& state = core.keyStates[virtualKey];
    state = static_cast<BYTE>(toggled ? state | toggledBit : state & ~toggledBit);
}

void messageTaken(const MSG& message) {
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        keyMessageTaken(message, true);
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
    const BYTE state = x11::core.keyStates[virtualKey];
    return static_cast<SHORT>(((state & x11::downBit) ? 0xFF80 : 0) | (state & x11::toggledBit));
}
