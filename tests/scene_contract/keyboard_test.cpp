// Keys as scene code reads them: virtual key, scan code and the bits of lParam, the character
// TranslateMessage makes of a key and where it comes, system keys under Alt, and the key state.
#include <gtest/gtest.h>

#include "tests/scene_contract/scene_window.h"
#include "tests/scene_contract/user_actions.h"

namespace {

class KeyboardTest : public testing::Test {
  protected:
    // Performs the keys and waits until the last message expected has come, and a little longer
    // for any that should not.
    std::string keyMessagesOf(const std::string& keys, UINT lastMessage, WPARAM lastKey) {
        window.forget();
        perform(keys);
        window.pumpUntil([&] { return window.gets(lastMessage, lastKey); });
        window.pumpFor(0.3);
        return describe(keyMessages());
    }
    std::vector<Received> keyMessages() {
        return window.received(
            {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR});
    }

    SceneWindow window;
};

// lParam: repeat count 1; scan code in bits 16-23; bit 24 for an extended key; bit 30 when the
// key was down before; bit 31 on release. The character follows its key-down at once and has
// the key-down's lParam. (xdotool lets go of Shift before the letter.)
TEST_F(KeyboardTest, KeysCarryTheirCodesAndTheirCharacters) {
    EXPECT_EQ(keyMessagesOf("key Escape a shift+a Right", WM_KEYUP, VK_RIGHT),
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
    const std::vector<Received> keys = keyMessages();
    EXPECT_TRUE(keys[8].shiftHeld) << "Shift is down while its letter's character is handled";
    EXPECT_FALSE(keys[4].shiftHeld);
    EXPECT_TRUE(keys[3].keyHeld) << "a key is down from its key-down taken";
    EXPECT_FALSE(keys[5].keyHeld) << "and up from its key-up taken";
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

// Held down, a key repeats its key-down with the previous-state bit set, each with its character,
// and is released once.
TEST_F(KeyboardTest, AHeldKeyRepeats) {
    const std::string messages = keyMessagesOf("keydown b sleep 1 keyup b", WM_KEYUP, 'B');
    const std::string first = "keydown 0x42 0x300001\nchar 0x62 0x300001\n";
    const std::string repeat = "keydown 0x42 0x40300001\nchar 0x62 0x40300001\n";
    const std::string last = "keyup 0x42 0xC0300001\n";
    ASSERT_EQ(messages.substr(0, first.size()), first);
    ASSERT_GE(messages.size(), first.size() + repeat.size() + last.size()) << messages;
    EXPECT_EQ(messages.substr(first.size(), repeat.size()), repeat) << messages;
    EXPECT_EQ(messages.substr(messages.size() - last.size()), last);
    const std::vector<Received> keys = keyMessages();
    EXPECT_TRUE(keys.front().keyHeldNow) << "GetAsyncKeyState sees the key held";
    EXPECT_EQ(GetAsyncKeyState('B'), 0);
}

// Under Alt a key's messages are system keys, with the Alt bit (29) set, and its character a
// system character; Alt released after another key is a plain key-up, and so is the key's own
// release once Alt is up (xdotool lets go of the keys in the order it pressed them). F10 is a
// system key on its own. Alt+F4 closes the window once: the window manager asks, and nothing adds a
// second.
TEST_F(KeyboardTest, AltAndF10MakeSystemKeys) {
    EXPECT_EQ(keyMessagesOf("key alt+a F10", WM_SYSKEYUP, VK_F10), "syskeydown 0x12 0x20380001\n"
                                                                   "syskeydown 0x41 0x201E0001\n"
                                                                   "syschar 0x61 0x201E0001\n"
                                                                   "keyup 0x12 0xC0380001\n"
                                                                   "keyup 0x41 0xC01E0001\n"
                                                                   "syskeydown 0x79 0x440001\n"
                                                                   "syskeyup 0x79 0xC0440001\n");
    window.forget();
    perform("key alt+F4");
    window.pumpUntil([&] { return !window.received({WM_CLOSE}).empty(); });
    window.pumpFor(0.5);
    EXPECT_EQ(window.received({WM_CLOSE}).size(), 1u);
}

// Each press of Caps Lock toggles its state, which the letters follow.
TEST_F(KeyboardTest, CapsLockToggles) {
    keyMessagesOf("key Caps_Lock", WM_KEYUP, VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
    EXPECT_EQ(keyMessagesOf("key a Caps_Lock", WM_KEYUP, VK_CAPITAL), "keydown 0x41 0x1E0001\n"
                                                                      "char 0x41 0x1E0001\n"
                                                                      "keyup 0x41 0xC01E0001\n"
                                                                      "keydown 0x14 0x3A0001\n"
                                                                      "keyup 0x14 0xC03A0001\n");
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
}

// Characters in the ANSI code page, Windows-1254, whatever the keyboard's own encoding.
TEST_F(KeyboardTest, CharactersComeInWindows1254) {
    window.forget();
    perform("key scedilla gbreve idotless shift+i Gbreve");
    window.pumpUntil([&] { return window.received({WM_CHAR}).size() == 5; });
    std::string characters;
    for (const Received& each : window.received({WM_CHAR}))
        characters += static_cast<char>(each.wParam);
    EXPECT_EQ(characters, "\xFE\xF0\xFD\xDD\xD0") << describe(keyMessages());
}

} // namespace
