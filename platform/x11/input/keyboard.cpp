#include "input/keyboard.h"

#include "core/activation.h"
#include "core/message_queue.h"
#include "input/key_characters.h"
#include "input/key_codes.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <string>

namespace x11 {
namespace {

// What the keyboard keeps between events: the part's state.
struct KeyboardState {
    // Held keys, by X key code, for the previous-state bit: the server repeats a held key's press
    // alone (detectable auto-repeat, asked for on the connection).
    bool held[256];
    // Alt went down and no other key since: its release is then a system key.
    bool altAlone;
} keyboard = {};

// Win32's choice between key and system key messages: system keys while Alt is held without
// Ctrl, Alt's own press (but with Ctrl), Alt's release when it was pressed alone, Ctrl's release
// while Alt is held, and F10.
bool isSystemKey(BYTE virtualKey, bool press, unsigned modifiers) {
    const bool alt = modifiers & Mod1Mask;
    const bool control = modifiers & ControlMask;
    switch (virtualKey) {
    case VK_MENU:
        return press ? !control : keyboard.altAlone && !control;
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
    const bool wasDown = keyboard.held[event.keycode & 0xFF];
    keyboard.held[event.keycode & 0xFF] = press;

    const bool altKey = key.virtualKey == VK_MENU;
    const bool system = isSystemKey(key.virtualKey, press, event.state);
    if (press && !altKey)
        keyboard.altAlone = false;
    else if (press && !wasDown)
        keyboard.altAlone = true;
    const bool altHeld = altKey ? press : (event.state & Mod1Mask) != 0;
    const UINT message =
        press ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    const std::string characters =
        press ? charactersOf(symbol, std::string(latin1, std::max(length, 0))) : std::string();
    // Keys go to the window with the focus, which SetFocus may have moved within the program.
    if (HWND focus = focusWindow())
        window = focus;
    postEvent(window, message, key.virtualKey, keyParameter(key, altHeld, wasDown, press),
                characters);
}

void forgetHeldKeys() {
    keyboard = {};
}

void keyboardMappingChanged(const XMappingEvent& event) {
    XMappingEvent mapping = event;
    XRefreshKeyboardMapping(&mapping);
}

} // namespace x11
