// The layer asks the active window before the X server's screen saver starts, as Windows does
// (WM_SYSCOMMAND, SC_SCREENSAVE and SC_MONITORPOWER): a window that keeps them keeps the screen
// on, one that lets them through leaves it to the server. Wine does not ask, so the contract cannot
// hold Win32 to it; here the server's own state tells.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <X11/extensions/scrnsaver.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

std::vector<WPARAM> asked;

LRESULT CALLBACK keepingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WPARAM command = wParam & 0xFFF0;
    if (message == WM_SYSCOMMAND && (command == SC_SCREENSAVE || command == SC_MONITORPOWER)) {
        asked.push_back(command);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK lettingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND)
        asked.push_back(wParam & 0xFFF0);
    return DefWindowProcA(window, message, wParam, lParam);
}

void pumpFor(double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (MSG message; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(std::chrono::milliseconds(10)))
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
}

bool screenSaverOn(Display* user) {
    XScreenSaverInfo info = {};
    XScreenSaverQueryInfo(user, DefaultRootWindow(user), &info);
    return info.state == ScreenSaverOn;
}

TEST(ScreenSaver, AWindowThatKeepsItFromStartingKeepsTheScreenOn) {
    Display* user = XOpenDisplay(nullptr);
    ASSERT_NE(user, nullptr);
    const int timeoutSeconds = 2;
    XSetScreenSaver(user, timeoutSeconds, 0, PreferBlanking, AllowExposures);
    XSync(user, False);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = keepingProcedure;
    windowClass.lpszClassName = "Oyun";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    HWND window = CreateWindowExA(0, "Oyun", "Oyun", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    ShowWindow(window, SW_SHOWNORMAL); // active, as far as the program can tell
    pumpFor(2.5 * timeoutSeconds);
    ASSERT_GE(asked.size(), 2u) << "asked every three quarters of the server's time";
    EXPECT_EQ((std::vector<WPARAM>{asked[0], asked[1]}),
              (std::vector<WPARAM>{SC_SCREENSAVE, SC_MONITORPOWER}));
    EXPECT_FALSE(screenSaverOn(user)) << "kept";

    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(lettingProcedure));
    pumpFor(2.5 * timeoutSeconds);
    EXPECT_TRUE(screenSaverOn(user)) << "let through";

    DestroyWindow(window);
    UnregisterClassA("Oyun", nullptr);
    XCloseDisplay(user);
}

} // namespace
