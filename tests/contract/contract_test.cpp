// What the system relies on from the Win32 calls it makes, stated once and run against every
// provider of platform/platform.h: the tests' recording fake, the X11 layer, and Win32 itself
// under Wine. Each provider brings its own user (user.h) for what only a user can do.
#include "tests/contract/user.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <thread>
#include <vector>

namespace {

std::vector<UINT> received;
MSG lastSize; // the last WM_SIZE received

// Closing is the window procedure's decision: this one leaves the window open.
LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    received.push_back(message);
    if (message == WM_SIZE)
        lastSize = {window, message, wParam, lParam, 0, {}};
    return message == WM_CLOSE ? 0 : DefWindowProcA(window, message, wParam, lParam);
}

ATOM registerClass(const char* name) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = recordingProcedure;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

// A window as the program makes it: caption, system menu, minimise and maximise buttons, no
// sizing border; 640 x 480 outside, at the top-left corner.
HWND createWindow(const char* className) {
    return CreateWindowExA(0, className, user::windowTitle, 0xCB0000, 0, 0, 640, 480, nullptr,
                           nullptr, nullptr, nullptr);
}

// Whether `condition` comes to hold within some ten seconds.
bool eventually(const std::function<bool()>& condition) {
    for (int poll = 0; poll < 5000;
         ++poll, std::this_thread::sleep_for(std::chrono::milliseconds(2)))
        if (condition())
            return true;
    return false;
}

// Runs an application's message loop until `condition` holds; false if it does not in time.
bool pumpUntil(const std::function<bool()>& condition) {
    return eventually([&] {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return condition();
    });
}

bool receivedAny(UINT message) {
    return std::count(received.begin(), received.end(), message);
}

bool lastSizeIs(WPARAM kind, LPARAM size) {
    return lastSize.message && lastSize.wParam == kind && lastSize.lParam == size;
}

TEST(ClassContract, AClassIsRegisteredOnceAndStaysWhileAWindowOfItLives) {
    ASSERT_NE(registerClass("Sinif"), 0);
    EXPECT_EQ(registerClass("Sinif"), 0);
    EXPECT_EQ(createWindow("Yok"), nullptr) << "no such class";
    HWND window = createWindow("Sinif");
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(UnregisterClassA("Sinif", nullptr));
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_TRUE(UnregisterClassA("Sinif", nullptr));
    EXPECT_FALSE(UnregisterClassA("Sinif", nullptr)) << "already gone";
}

class WindowContract : public testing::Test {
  protected:
    void SetUp() override {
        received.clear();
        lastSize = {};
        ASSERT_NE(registerClass("Sozlesme"), 0);
        ASSERT_NE(window = createWindow("Sozlesme"), nullptr);
    }
    void TearDown() override {
        DestroyWindow(window);
        EXPECT_TRUE(UnregisterClassA("Sozlesme", nullptr));
    }

    // Shows the window; the client size it reported, which it does before ShowWindow returns.
    LPARAM show() {
        ShowWindow(window, SW_SHOWNORMAL);
        return lastSize.lParam;
    }

    HWND window = nullptr;
};

// The outer size includes the title bar, so the client area is lower (the end-to-end test of the
// program checks where the frame lands).
TEST_F(WindowContract, TellsItsClientSizeWhenFirstShown) {
    const LPARAM client = show();
    ASSERT_TRUE(lastSizeIs(SIZE_RESTORED, client)) << "WM_SIZE before ShowWindow returns";
    EXPECT_GT(LOWORD(client), 0);
    EXPECT_LE(LOWORD(client), 640);
    EXPECT_GT(HIWORD(client), 0);
    EXPECT_LT(HIWORD(client), 480);
}

TEST_F(WindowContract, MinimisedItHasNoClientAreaAndPollingGoesOn) {
    const LPARAM client = show();
    user::act(window, "minimise");
    EXPECT_TRUE(pumpUntil([] { return lastSizeIs(SIZE_MINIMIZED, 0); }));

    int emptyPolls = 0; // a poll never waits for a message
    MSG message;
    EXPECT_TRUE(eventually([&] {
        emptyPolls += !PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        return emptyPolls == 100;
    }));

    user::act(window, "restore");
    EXPECT_TRUE(pumpUntil([&] { return lastSizeIs(SIZE_RESTORED, client); }));
}

TEST_F(WindowContract, MaximisedItTellsItsNewClientSize) {
    const LPARAM client = show();
    user::act(window, "maximise");
    EXPECT_TRUE(pumpUntil([&] {
        const LPARAM size = lastSize.lParam;
        return lastSize.wParam == SIZE_MAXIMIZED && LOWORD(size) > LOWORD(client) &&
               HIWORD(size) > HIWORD(client);
    }));
}

TEST_F(WindowContract, CloseButtonAsksTheProcedureWhoseDefaultIsToDestroyTheWindow) {
    show();
    user::act(window, "close");
    ASSERT_TRUE(pumpUntil([] { return receivedAny(WM_CLOSE); }));
    EXPECT_FALSE(receivedAny(WM_DESTROY));

    DefWindowProcA(window, WM_CLOSE, 0, 0); // destroys the window, which hears of it at once
    EXPECT_TRUE(receivedAny(WM_DESTROY));
    EXPECT_EQ(GetDC(window), nullptr);
    EXPECT_FALSE(DestroyWindow(window)) << "already gone";
}

TEST_F(WindowContract, QuitComesOnceAndOnlyAfterWhatIsAlreadyQueued) {
    show();
    MSG message;
    ASSERT_TRUE(pumpUntil([&] { return !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); }));
    user::act(window, "close"); // the window manager's close request waits in the queue
    ASSERT_TRUE(eventually([&] { return PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); }));
    const UINT waiting = message.message;

    PostQuitMessage(3);
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, waiting) << "the quit request came first";
    do
        DispatchMessageA(&message);
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message == WM_QUIT);
}

GLint glInteger(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

TEST_F(WindowContract, TakesOnePixelFormatForLifeAndAContextThatDrawsOnIt) {
    HDC deviceContext = GetDC(window);
    ASSERT_NE(deviceContext, nullptr);
    EXPECT_EQ(wglCreateContext(deviceContext), nullptr) << "no pixel format yet";

    // The program's request: drawn to a window, GL, double-buffered, RGBA, 16 colour bits.
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof request;
    request.nVersion = 1;
    request.dwFlags = 0x25;
    request.cColorBits = request.cDepthBits = 16;
    const int format = ChoosePixelFormat(deviceContext, &request);
    ASSERT_GT(format, 0);
    ASSERT_TRUE(SetPixelFormat(deviceContext, format, &request));
    EXPECT_TRUE(SetPixelFormat(deviceContext, format, &request)) << "the same one again";
    EXPECT_FALSE(SetPixelFormat(deviceContext, format == 1 ? 2 : 1, &request));
    show();

    HGLRC renderContext = wglCreateContext(deviceContext);
    ASSERT_NE(renderContext, nullptr);
    ASSERT_TRUE(wglMakeCurrent(deviceContext, renderContext));
    if (user::seesGlAndClock) {
        // The closest match: as deep as asked, and no buffer that was not asked for.
        EXPECT_EQ(glInteger(GL_DEPTH_BITS), 16);
        EXPECT_GE(glInteger(GL_RED_BITS) + glInteger(GL_GREEN_BITS) + glInteger(GL_BLUE_BITS), 16);
        EXPECT_EQ(glInteger(GL_STENCIL_BITS) + glInteger(GL_ACCUM_RED_BITS), 0);
        const GLenum sampleBuffers = 0x80A8; // OpenGL 1.3's, not in 1.1's header
        EXPECT_EQ(glInteger(sampleBuffers), 0) << "nor multisampling";
        EXPECT_EQ(glInteger(GL_DOUBLEBUFFER), GL_TRUE);
        glClearColor(0, 0, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        GLubyte pixel[4] = {};
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        EXPECT_EQ(pixel[2], 255);
    }
    EXPECT_TRUE(SwapBuffers(deviceContext));

    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_TRUE(wglDeleteContext(renderContext));
    EXPECT_FALSE(wglDeleteContext(renderContext));
    EXPECT_FALSE(wglMakeCurrent(deviceContext, renderContext));
    EXPECT_EQ(ReleaseDC(window, deviceContext), 1);
}

TEST_F(WindowContract, AWarningBoxHoldsUntilTheUserAnswersIt) {
    show();
    for (const char* key : {"Return", "space", "Escape", "close"}) {
        const bool owned = key[0] == 'R';
        const user::Box box = user::answer(key, [&] {
            MessageBoxA(owned ? window : nullptr, "Program acilamadi!", user::boxCaption,
                        MB_ICONWARNING | MB_OK);
        });
        EXPECT_EQ(box.caption, user::boxCaption) << key;
        EXPECT_EQ(box.text, "Program acilamadi!") << key;
        EXPECT_EQ(box.owned, owned) << key;
    }
}

TEST(ClockContract, CountsMilliseconds) {
    if (!user::seesGlAndClock)
        GTEST_SKIP() << "the fake's clock is its test's";
    const DWORD start = timeGetTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const DWORD elapsed = timeGetTime() - start;
    EXPECT_GE(elapsed, 190u);
    EXPECT_LT(elapsed, 2000u);
}

} // namespace
