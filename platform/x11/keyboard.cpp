#include "platform/x11/keyboard.h"

#include "platform/x11/display.h"
#include "platform/x11/key_characters.h"
#include "platform/x11/key_codes.h"
#include "platform/x11/message_queue.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>

namespace x11 {
namespace {

struct KeyCharacters {
    MSG keyDown;
    std::string characters;
};

// Held keys, by X key code, for the previous-state bit: the server repeats a held key's press
// alone (detectable auto-repeat, asked for on the connection).
bool held[256];
// Alt went down and no other key since: its release is then a system key.
bool altAlone = false;
// The characters of each key-down posted and not yet taken, in the order they were posted, which
// is the order they are taken in; and those of the key-down last taken, until translated. The
// bound is for a program that leaves key-downs in the queue for ever.
std::deque<KeyCharacters> pending;
KeyCharacters lastTaken;
const std::size_t pendingBound = 64;

bool isSameMessage(const MSG& one, const MSG& other) {
    return one.hwnd == other.hwnd && one.message == other.message && one.wParam == other.wParam &&
           one.lParam == other.lParam && one.time == other.time;
}

// Win32's choice between key and system key messages: system keys while Alt is held without
// Ctrl, Alt's own press (but with Ctrl), Alt's release when it was pressed alone, Ctrl's release
// while Alt is held, and F10.
bool isSystemKey(BYTE virtualKey, bool press, unsigned modifiers) {
    const bool alt = modifiers & Mod1Mask;
    const bool control = modifiers & ControlMask;
    switch (virtualKey) {
    case VK_MENU:
        return press ? !control : altAlone && !control;
    case VK_CONTROL:
        return !press && alt;
    case VK_F10:
        return true;
    default:
        return alt && !control;
    }
}

// lParam: repeat count 1, scan code, extended flag, Alt held, previous state, release.
LPARAM keyParameter(const KeyIdentity& key, bool altHeld, bool wasDown, bool press) {
    DWORD flags = key.scanCode;
    if (key.extended)
        flags |= KF_EXTENDED;
    if (altHeld)
        flags |= KF_ALTDOWN;
    if (wasDown || !press)
        flags |= KF_REPEAT;
    if (!press)
        flags |= KF_UP;
    return static_cast<LPARAM>((static_cast<DWORD>(flags) << 16) | 1);
}

} // namespace

void translateKeyEvent(HWND window, XKeyEvent& event) {
    char latin1[16];
    KeySym symbol = NoSymbol;
    const int length = XLookupString(&event, latin1, sizeof latin1, &symbol, nullptr);
    const KeySym shifted =
        XkbKeycodeToKeysym(event.display, static_cast<KeyCode>(event.keycode),
                           static_cast<int>(XkbGroupForCoreState(event.state)), 1);
    const KeyIdentity key = identifyKey(event.keycode, shifted, symbol);
    const bool press = event.type == KeyPress;
    const bool wasDown = held[event.keycode & 0xFF];
    held[event.keycode & 0xFF] = press;

    const bool altKey = key.virtualKey == VK_MENU;
    const bool system = isSystemKey(key.virtualKey, press, event.state);
    if (press && !altKey)
        altAlone = false;
    else if (press && !wasDown)
        altAlone = true;
    const bool altHeld = altKey ? press : (event.state & Mod1Mask) != 0;
    const UINT message =
        press ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    const MSG posted =
        postMessage(window, message, key.virtualKey, keyParameter(key, altHeld, wasDown, press));
    if (!press)
        return;
    if (pending.size() == pendingBound)
        pending.pop_front();
    pending.push_back({posted, charactersOf(symbol, std::string(latin1, std::max(length, 0)))});
}

void forgetHeldKeys() {
    std::memset(held, 0, sizeof held);
    altAlone = false;
}

// Those ahead of the key-down taken were of key-downs dropped with their window.
void keyDownTaken(const MSG& message) {
    lastTaken = {};
    while (!pending.empty()) {
        const KeyCharacters front = pending.front();
        pending.pop_front();
        if (isSameMessage(front.keyDown, message)) {
            lastTaken = front;
            return;
        }
    }
}

} // namespace x11

// Posts the characters of the key-down last taken from the queue, once, as WM_CHAR (WM_SYSCHAR
// for a system key), ahead of anything queued. Other messages type nothing. As on Windows, the
// answer says whether it was a key message, not whether it typed anything.
BOOL WINAPI TranslateMessage(const MSG* message) {
    if (!message || message->message < WM_KEYDOWN || message->message > WM_SYSKEYUP ||
        message->message == WM_CHAR)
        return FALSE;
    x11::KeyCharacters& taken = x11::lastTaken;
    if (!x11::isSameMessage(taken.keyDown, *message))
        return TRUE;
    const UINT characterMessage = message->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    for (auto character = taken.characters.rbegin(); character != taken.characters.rend();
         ++character)
        x11::postMessageNext(message->hwnd, characterMessage,
                             static_cast<unsigned char>(*character), message->lParam);
    taken = {};
    return TRUE;
}
