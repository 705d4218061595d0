// What Win32 programs rely on from activation and the keyboard focus: the messages that come with
// them, in Win32's order and before the call that moved them returns (ShowWindow, DestroyWindow,
// SetForegroundWindow, SetFocus), and the window menu's commands (WM_SYSCOMMAND) from the title
// bar, the keys and the program. Run on the X11 layer and on Win32 under Wine with the same
// expectations.
#include "tests/contract/contract.h"

namespace {

using namespace contract;

const std::vector<UINT> endMessages = {WM_WINDOWPOSCHANGED, WM_ACTIVATE, WM_SETFOCUS,
                                       WM_KILLFOCUS,        WM_DESTROY,  WM_NCDESTROY};

// Each window's activation and focus messages, in order: "active", "inactive", "setfocus",
// "killfocus", with the other window each names (0 for none, 1 for `first`, 2 for `second`).
std::string activationOf(HWND window, HWND first, HWND second) {
    const auto number = [&](WPARAM other) {
        const HWND named = reinterpret_cast<HWND>(other);
        return named == first ? " 1" : named == second ? " 2" : named ? " ?" : " 0";
    };
    std::string lines;
    for (const Received& each : receivedOf(focusMessages)) {
        if (each.window != window)
            continue;
        if (each.message == WM_ACTIVATE)
            lines += (LOWORD(each.wParam) == WA_INACTIVE ? "inactive" : "active") +
                     std::string(number(static_cast<WPARAM>(each.lParam))) + "\n";
        else
            lines += (each.message == WM_SETFOCUS ? "setfocus" : "killfocus") +
                     std::string(number(each.wParam)) + "\n";
    }
    return lines;
}

// Destroyed while active, a window is hidden, deactivated and loses the focus before it hears of
// its destruction.
TEST_F(WindowContract, DestroyedWhileActiveItIsDeactivatedFirst) {
    show();
    pumpUntil([] { return false; }, 0.3);
    received.clear();
    ASSERT_TRUE(DestroyWindow(window));
    ASSERT_EQ(names(receivedOf(endMessages)),
              "windowposchanged activate killfocus destroy ncdestroy");
    EXPECT_EQ(LOWORD(receivedOf({WM_ACTIVATE})[0].wParam), WA_INACTIVE);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetForegroundWindow(), nullptr);
}

// Between two windows of the program, SetFocus and SetForegroundWindow move the activation and
// the focus at once, each message naming the other window. SetFocus answers with the window that
// had the focus: for a window it activates, the window itself, which the activation gave it. Given
// none, it takes the focus from every window. (Checked before the window
// manager has had its say: it may keep the keyboard where it was, and the program then follows.)
TEST_F(InputContract, FocusAndForegroundMoveBetweenTheProgramsWindowsAtOnce) {
    HWND second = createWindow("Sozlesme");
    ShowWindow(second, SW_SHOWNORMAL);
    ASSERT_EQ(GetForegroundWindow(), second);

    received.clear();
    EXPECT_EQ(SetFocus(window), window);
    EXPECT_EQ(activationOf(second, window, second), "inactive 1\nkillfocus 1\n");
    EXPECT_EQ(activationOf(window, window, second), "active 2\nsetfocus 2\n");
    EXPECT_EQ(GetFocus(), window);
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_EQ(SetFocus(nullptr), window);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetForegroundWindow(), window) << "still active, without the focus";

    received.clear();
    EXPECT_TRUE(SetForegroundWindow(second));
    EXPECT_EQ(activationOf(second, window, second), "active 1\nsetfocus 0\n");
    EXPECT_EQ(GetForegroundWindow(), second);

    DestroyWindow(second);
    SetLastError(0);
    EXPECT_EQ(SetFocus(second), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(SetForegroundWindow(second));
}

// A window shown without activation (SW_SHOWNA) leaves the active one active.
TEST_F(InputContract, AWindowShownWithoutActivationLeavesTheActiveOne) {
    HWND second = createWindow("Sozlesme");
    received.clear();
    ShowWindow(second, SW_SHOWNA);
    EXPECT_EQ(activationOf(second, window, second), "");
    EXPECT_EQ(GetForegroundWindow(), window);
    DestroyWindow(second);
}

// A game's procedure: it keeps the window menu, the screen saver and the display's sleep from
// starting, and passes everything else on.
LRESULT CALLBACK gameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WPARAM command = wParam & 0xFFF0;
    if (message == WM_SYSCOMMAND &&
        (command == SC_KEYMENU || command == SC_SCREENSAVE || command == SC_MONITORPOWER)) {
        received.push_back({window, message, wParam, lParam, false, false, false, false, ""});
        return 0;
    }
    return recordingProcedure(window, message, wParam, lParam);
}

std::string systemCommands() {
    std::string lines;
    for (const Received& each : receivedOf({WM_SYSCOMMAND, WM_CLOSE}))
        lines += each.message == WM_CLOSE
                     ? std::string("close\n")
                     : describe(each.message, each.wParam & 0xFFF0, each.lParam);
    return lines;
}

// The close box asks with SC_CLOSE, which the default procedure makes WM_CLOSE; F10, Alt pressed
// and released alone, and a letter under Alt ask for the window menu (SC_KEYMENU, with the letter).
TEST_F(InputContract, TheCloseBoxAndTheMenuKeysComeAsSystemCommands) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gameProcedure));
    user::act(window, "close");
    ASSERT_TRUE(pumpUntil([] { return gets(WM_CLOSE); }));
    EXPECT_EQ(systemCommands(), describe(WM_SYSCOMMAND, SC_CLOSE, 0) + "close\n");

    received.clear();
    const std::string keys = play("key F10 key alt key alt+a", keyUps, 4, keyMessages);
    EXPECT_EQ(systemCommands(), describe(WM_SYSCOMMAND, SC_KEYMENU, 0) +
                                    describe(WM_SYSCOMMAND, SC_KEYMENU, 0) +
                                    describe(WM_SYSCOMMAND, SC_KEYMENU, 'a'))
        << keys;
}

// SC_MINIMIZE, SC_RESTORE and SC_MAXIMIZE act as the title bar's boxes; SC_SCREENSAVE and
// SC_MONITORPOWER reach the procedure, which may keep them from starting.
TEST_F(InputContract, SystemCommandsActAsTheTitleBarsBoxes) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gameProcedure));
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(pumpUntil([&] { return IsIconic(window); }));
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(pumpUntil([&] { return !IsIconic(window); }));
    SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(pumpUntil([&] { return GetWindowLongPtrA(window, GWL_STYLE) & WS_MAXIMIZE; }));
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(pumpUntil([&] { return !(GetWindowLongPtrA(window, GWL_STYLE) & WS_MAXIMIZE); }));

    received.clear();
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    EXPECT_EQ(systemCommands(), describe(WM_SYSCOMMAND, SC_SCREENSAVE, 0) +
                                    describe(WM_SYSCOMMAND, SC_MONITORPOWER, 2));
}

} // namespace
