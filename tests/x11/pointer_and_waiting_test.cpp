// What only the X server shows of the cursor and of waiting: the cursor the server shows over the
// program's window, the processor time a wait takes, and a wait ended by the session's request to
// close.
#include "process/signals.h"

#include "platform/platform.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <time.h>
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

double processorSeconds() {
    timespec used;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return used.tv_sec + used.tv_nsec / 1e9;
}

// A second of waiting with nothing to wake for takes well under 2 % of a processor.
TEST_F(ShownWindow, AWaitTakesNoProcessorTime) {
    const double before = processorSeconds();
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_ALLINPUT),
              static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_LT(processorSeconds() - before, 0.02);
}

// The session's request to end reaches a thread waiting in GetMessageA at once, as WM_CLOSE, even
// when the signal comes to another thread.
TEST_F(ShownWindow, TheSessionsCloseRequestEndsAWait) {
    x11::takeSessionSignals();
    std::thread session([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        kill(getpid(), SIGTERM);
    });
    const auto start = std::chrono::steady_clock::now();
    MSG message = {};
    while (message.message != WM_CLOSE && GetMessageA(&message, nullptr, 0, 0) > 0) {
    }
    session.join();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_CLOSE));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
}

} // namespace
