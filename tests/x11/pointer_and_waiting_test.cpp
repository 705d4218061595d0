// What only the X server shows of the cursor and of waiting: the cursor the server shows over the
// program's window, a wait ended by the session's request to close, and a poll that goes on after
// a window procedure took the events behind its own.
#include <gtest/gtest.h> // before X's headers, whose macros it would meet

#include "process/signals.h"
#include "window/x_window.h"
#include "xlib/connection.h"

#include "platform/platform.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <unistd.h>

namespace {

LRESULT CALLBACK closingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_CLOSE ? 0 : DefWindowProcA(window, message, wParam, lParam);
}

class ShownWindow : public testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = closingProcedure;
        windowClass.lpszClassName = "Bekleme";
        RegisterClassExA(&windowClass);
        window = CreateWindowExA(0, "Bekleme", "Bekleme", 0, 0, 0, 300, 200, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOWNORMAL);
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        for (MSG message; std::chrono::steady_clock::now() < end;)
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
    }
    void TearDown() override {
        DestroyWindow(window);
        UnregisterClassA("Bekleme", nullptr);
    }

    HWND window = nullptr;
};

// Whether the cursor the server shows now has a pixel that can be seen, asked on a connection of
// the test's own, as another program would see it.
bool cursorVisible() {
    Display* display = XOpenDisplay(nullptr);
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    bool visible = false;
    for (unsigned long i = 0; image && i < image->width * image->height; ++i)
        visible = visible || (image->pixels[i] >> 24) != 0;
    XFree(image);
    XCloseDisplay(display);
    return visible;
}

TEST_F(ShownWindow, TheCursorIsHiddenOverTheWindowWhileTheCountIsBelowZero) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SetCursorPos(100, 100);
    EXPECT_TRUE(cursorVisible());
    ShowCursor(FALSE);
    EXPECT_FALSE(cursorVisible());
    ShowCursor(TRUE);
    EXPECT_TRUE(cursorVisible());
    SetCursor(nullptr);
    EXPECT_FALSE(cursorVisible()) << "no shape at all";
    SetCursor(LoadCursorA(nullptr, IDC_CROSS));
    EXPECT_TRUE(cursorVisible());
}

// The session's request to end reaches a thread waiting in GetMessageA, as WM_CLOSE, even
// when the signal comes to another thread.
TEST_F(ShownWindow, TheSessionsCloseRequestEndsAWait) {
    x11::takeSessionSignals();
    std::thread session([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        kill(getpid(), SIGTERM);
    });
    MSG message = {};
    while (message.message != WM_CLOSE && GetMessageA(&message, nullptr, 0, 0) > 0) {
    }
    session.join();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_CLOSE));
}

// Pumps messages while it hears that its window is gone.
bool heardOfDestruction = false;
LRESULT CALLBACK pumpingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        heardOfDestruction = true;
        for (MSG taken; PeekMessageA(&taken, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&taken);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Another client destroys a window whose procedure pumps messages then, with events for the other
// window behind the destruction: the procedure takes them, and the poll that told of the
// destruction ends without waiting for events that will not come.
TEST_F(ShownWindow, APollGoesOnWhenAProcedureTookTheEventsBehindItsOwn) {
    HWND doomed = CreateWindowExA(0, "Bekleme", "Bekleme", 0, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    SetWindowLongPtrA(doomed, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pumpingProcedure));
    Display* other = XOpenDisplay(nullptr);
    XDestroyWindow(other, x11::xWindowOf(doomed)->handle);
    for (long change = 0; change < 3; ++change)
        XChangeProperty(other, x11::xWindowOf(window)->handle, XA_CARDINAL, XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<unsigned char*>(&change), 1);
    XCloseDisplay(other);         // which sends what it holds first
    XSync(x11::display(), False); // all of it here before the poll begins
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_TRUE(heardOfDestruction);
    DestroyWindow(doomed);
}

} // namespace
