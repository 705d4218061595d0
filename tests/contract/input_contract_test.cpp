// Keys, the mouse and the focus as scene code reads them in its window procedure: virtual keys,
// scan codes and the bits of lParam, the characters TranslateMessage makes and where they come,
// system keys under Alt, the key state, client positions, buttons, the wheel, and activation. A
// user at the screen plays the keys and buttons through XTEST (user.h).
#include "tests/contract/contract_window.h"
#include "tests/contract/user.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::vector<UINT> keyMessages = {WM_KEYDOWN,    WM_KEYUP,    WM_CHAR,
                                       WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR};
const std::vector<UINT> focusMessages = {WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS};

// The window shown, active and holding the keyboard, with what it has received forgotten.
class InputContract : public WindowContract {
  protected:
    void SetUp() override {
        if (!user::atAScreen)
            GTEST_SKIP() << "the fake has no keyboard, mouse or second window";
        WindowContract::SetUp();
        show();
        pumpUntil([&] { return receivedAny(WM_SETFOCUS); });
        focusOnShowing = received(focusMessages);
        waitForKeyboard();
        forget();
    }
    void TearDown() override {
        if (window)
            WindowContract::TearDown();
    }

    // Plays the keys and waits until the last message expected has come, and a little longer for
    // any that should not; the key messages that came.
    std::string playKeys(const std::string& keys, UINT lastMessage, WPARAM lastKey) {
        forget();
        user::play(keys);
        pumpUntil([&] { return gets(lastMessage, lastKey); });
        pumpFor(0.3);
        return describe(received(keyMessages));
    }

    std::vector<Received> focusOnShowing;

  private:
    // Win32 activates a window as it is shown, while the window manager gives it the keyboard a
    // little later: a key pressed between the two goes elsewhere. A key that reaches it shows
    // that the keyboard has come.
    void waitForKeyboard() {
        for (int attempt = 0; attempt < 20; ++attempt) {
            user::play("key shift");
            if (pumpUntil([&] { return gets(WM_KEYUP, VK_SHIFT); }, 0.5))
                return;
        }
    }
};

// lParam: repeat count 1; scan code in bits 16-23; bit 24 for an extended key; bit 30 when the
// key was down before; bit 31 on release. The character follows its key-down at once and has
// the key-down's lParam. (xdotool lets go of Shift before the letter.)
TEST_F(InputContract, KeysCarryTheirCodesAndTheirCharacters) {
    EXPECT_EQ(playKeys("key Escape a shift+a Right", WM_KEYUP, VK_RIGHT),
              "keydown 0x1B 0x10001\n"
              "char 0x1B 0x10001\n"
              "keyup 0x1B 0xC0010001\n"
              "keydown 0x41 0x1E0001\n"
              "char 0x61 0x1E0001\n"
              "keyup 0x41 0xC01E0001\n"
              "keydown 0x10 0x2A0001\n"
              "keydown 0x41 0x1E0001\n"
              "char 0x41 0x1E0001\n"
              "keyup 0x10 0xC02A0001\n"
              "keyup 0x41 0xC01E0001\n"
              "keydown 0x27 0x14D0001\n"
              "keyup 0x27 0xC14D0001\n");
    const std::vector<Received> keys = received(keyMessages);
    EXPECT_TRUE(keys[8].shiftHeld) << "Shift is down while its letter's character is handled";
    EXPECT_FALSE(keys[4].shiftHeld);
    EXPECT_TRUE(keys[3].keyHeld) << "a key is down from its key-down taken";
    EXPECT_FALSE(keys[5].keyHeld) << "and up from its key-up taken";
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

// Held down, a key repeats its key-down with the previous-state bit set, each with its character,
// and is released once.
TEST_F(InputContract, AHeldKeyRepeats) {
    const std::string messages = playKeys("keydown b sleep 1 keyup b", WM_KEYUP, 'B');
    const std::string first = "keydown 0x42 0x300001\nchar 0x62 0x300001\n";
    const std::string repeat = "keydown 0x42 0x40300001\nchar 0x62 0x40300001\n";
    const std::string last = "keyup 0x42 0xC0300001\n";
    ASSERT_EQ(messages.substr(0, first.size()), first);
    ASSERT_GE(messages.size(), first.size() + repeat.size() + last.size()) << messages;
    EXPECT_EQ(messages.substr(first.size(), repeat.size()), repeat) << messages;
    EXPECT_EQ(messages.substr(messages.size() - last.size()), last);
    EXPECT_TRUE(received(keyMessages).front().keyHeldNow) << "GetAsyncKeyState sees it held";
    EXPECT_EQ(GetAsyncKeyState('B'), 0);
}

// Under Alt a key's messages are system keys, with the Alt bit (29) set, and its character a
// system character; Alt released after another key is a plain key-up, and so is the key's own
// release once Alt is up (xdotool lets go of the keys in the order it pressed them). F10 is a
// system key on its own. Alt+F4 closes the window once: the window manager asks, and nothing adds
// a second.
TEST_F(InputContract, AltAndF10MakeSystemKeys) {
    EXPECT_EQ(playKeys("key alt+a F10", WM_SYSKEYUP, VK_F10), "syskeydown 0x12 0x20380001\n"
                                                              "syskeydown 0x41 0x201E0001\n"
                                                              "syschar 0x61 0x201E0001\n"
                                                              "keyup 0x12 0xC0380001\n"
                                                              "keyup 0x41 0xC01E0001\n"
                                                              "syskeydown 0x79 0x440001\n"
                                                              "syskeyup 0x79 0xC0440001\n");
    forget();
    user::play("key alt+F4");
    pumpUntil([&] { return receivedAny(WM_CLOSE); });
    pumpFor(0.5);
    EXPECT_EQ(received({WM_CLOSE}).size(), 1u);
}

// Each press of Caps Lock toggles its state, which the letters follow.
TEST_F(InputContract, CapsLockToggles) {
    playKeys("key Caps_Lock", WM_KEYUP, VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
    EXPECT_EQ(playKeys("key a Caps_Lock", WM_KEYUP, VK_CAPITAL), "keydown 0x41 0x1E0001\n"
                                                                 "char 0x41 0x1E0001\n"
                                                                 "keyup 0x41 0xC01E0001\n"
                                                                 "keydown 0x14 0x3A0001\n"
                                                                 "keyup 0x14 0xC03A0001\n");
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
}

// Characters in the ANSI code page, Windows-1254, whatever the keyboard's own encoding (the user
// types on the Turkish layout).
TEST_F(InputContract, CharactersComeInWindows1254) {
    user::play("key scedilla gbreve idotless shift+i Gbreve");
    pumpUntil([&] { return received({WM_CHAR}).size() == 5; });
    std::string characters;
    for (const Received& each : received({WM_CHAR}))
        characters += static_cast<char>(each.wParam);
    EXPECT_EQ(characters, "\xFE\xF0\xFD\xDD\xD0") << describe(received(keyMessages));
}

class PointerContract : public InputContract {
  protected:
    // The client area's top-left corner on the screen, from a move to a known screen position.
    void findClientOrigin() {
        playMouse("mousemove 100 100", WM_MOUSEMOVE);
        const LPARAM at = received({WM_MOUSEMOVE}).back().lParam;
        origin = {100 - GET_X_LPARAM(at), 100 - GET_Y_LPARAM(at)};
    }
    LPARAM client(int screenX, int screenY) {
        return MAKELPARAM(screenX - origin.x, screenY - origin.y);
    }
    // Plays the actions until the second of `lastMessage` has come (or the first, for a move);
    // the mouse messages they brought.
    std::string playMouse(const std::string& actions, UINT lastMessage) {
        forget();
        user::play(actions);
        const std::size_t count = lastMessage == WM_MOUSEMOVE ? 1 : 2;
        pumpUntil([&] { return received({lastMessage}).size() >= count; });
        pumpFor(0.2);
        return describe(received({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                                  WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEWHEEL}));
    }

    POINT origin = {};
};

// A button's own flag is set in its down message and clear in its up message; Shift shows too.
TEST_F(PointerContract, ButtonsAndMovesCarryTheClientPositionAndWhatIsHeld) {
    findClientOrigin();
    const LPARAM at = client(130, 110);
    const LPARAM dragged = client(140, 120);
    EXPECT_EQ(playMouse("mousemove 130 110 click 1 click 3 click 2 keydown shift mousedown 1 "
                        "mousemove 140 120 mouseup 1 keyup shift",
                        WM_LBUTTONUP),
              describe(WM_MOUSEMOVE, 0, at) + describe(WM_LBUTTONDOWN, MK_LBUTTON, at) +
                  describe(WM_LBUTTONUP, 0, at) + describe(WM_RBUTTONDOWN, MK_RBUTTON, at) +
                  describe(WM_RBUTTONUP, 0, at) + describe(WM_MBUTTONDOWN, MK_MBUTTON, at) +
                  describe(WM_MBUTTONUP, 0, at) +
                  describe(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at) +
                  describe(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, dragged) +
                  describe(WM_LBUTTONUP, MK_SHIFT, dragged));
}

// A notch is WHEEL_DELTA, away from the user positive; the position is the screen's.
TEST_F(PointerContract, TheWheelTurnsByNotchesAtTheScreenPosition) {
    findClientOrigin();
    EXPECT_EQ(playMouse("mousemove 150 140 click 4 click 5", WM_MOUSEWHEEL),
              describe(WM_MOUSEMOVE, 0, client(150, 140)) +
                  describe(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(150, 140)) +
                  describe(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(150, 140)));
}

std::string focusOf(const std::vector<Received>& messages, HWND which) {
    std::string lines;
    for (const Received& each : messages)
        if (each.window == which)
            lines += each.message == WM_ACTIVATE
                         ? (LOWORD(each.wParam) == WA_INACTIVE ? "inactive\n" : "active\n")
                         : (each.message == WM_SETFOCUS ? "setfocus\n" : "killfocus\n");
    return lines;
}

// A window shown is activated, then takes the focus; it gives both up to another window shown,
// and has them back when that one goes.
TEST_F(InputContract, FocusFollowsActivation) {
    EXPECT_EQ(focusOf(focusOnShowing, window), "active\nsetfocus\n");

    HWND other = createAnother();
    ShowWindow(other, SW_SHOWNORMAL);
    const auto focus = [&] { return received(focusMessages); };
    pumpUntil([&] { return focusOf(focus(), other) == "active\nsetfocus\n"; });
    EXPECT_EQ(focusOf(focus(), window), "inactive\nkillfocus\n");
    EXPECT_EQ(focusOf(focus(), other), "active\nsetfocus\n");

    forget();
    DestroyWindow(other);
    pumpUntil([&] { return receivedAny(WM_SETFOCUS); });
    EXPECT_EQ(focusOf(focus(), window), "active\nsetfocus\n");
}

} // namespace
