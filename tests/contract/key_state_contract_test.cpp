// The lock keys' toggles as a program finds the keyboard when it starts: Caps Lock and Num Lock
// turned on before it started read as on, Scroll Lock as off. On the X11 layer only: Wine's
// GetKeyState reads every toggle as off until a lock key is pressed in one of the program's
// windows, where Windows has the keyboard's toggles from the start.
#include "tests/contract/contract.h"

#include <cstdlib>

namespace {

using namespace contract;

#ifndef _WIN32
// Run afresh by the case below, as a program of its own: it makes its window and reports the
// toggles, one bit each, in its exit code.
TEST(KeyStateAtStart, DISABLED_ReportsTheToggles) {
    registerClass("Kilit");
    createWindow("Kilit");
    std::exit((GetKeyState(VK_CAPITAL) & 1) | (GetKeyState(VK_NUMLOCK) & 1) << 1 |
              (GetKeyState(VK_SCROLL) & 1) << 2);
}

TEST_F(InputContract, TheLockKeysAreAsTheKeyboardHadThemAtTheStart) {
    const char report[] = "KeyStateAtStart.DISABLED_ReportsTheToggles";
    EXPECT_EQ(user::runAfresh(report), 0);
    play("key Caps_Lock Num_Lock", keyUps, 2, {});
    EXPECT_EQ(user::runAfresh(report), 1 | 2);
    play("key Caps_Lock Num_Lock", keyUps, 2, {});
}
#endif

} // namespace
