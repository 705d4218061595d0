// What the system relies on from the Win32 calls it makes, stated once and run against every
// provider of platform/platform.h: the tests' recording fake, the X11 layer, and Win32 itself
// under Wine. Each provider brings its own user (user.h) for what only a user can do.
#include "tests/contract/contract_window.h"
#include "tests/contract/user.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

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
    EXPECT_TRUE(pumpUntil([&] { return lastSizeIs(SIZE_MINIMIZED, 0); }));

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
        const LPARAM size = lastSize().lParam;
        return lastSize().wParam == SIZE_MAXIMIZED && LOWORD(size) > LOWORD(client) &&
               HIWORD(size) > HIWORD(client);
    }));
}

TEST_F(WindowContract, CloseButtonAsksTheProcedureWhoseDefaultIsToDestroyTheWindow) {
    show();
    user::act(window, "close");
    ASSERT_TRUE(pumpUntil([&] { return receivedAny(WM_CLOSE); }));
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

// The program's request: drawn to a window, GL, double-buffered, RGBA, 16 colour bits.
PIXELFORMATDESCRIPTOR programsRequest() {
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof request;
    request.nVersion = 1;
    request.dwFlags = 0x25;
    request.cColorBits = request.cDepthBits = 16;
    return request;
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

    const PIXELFORMATDESCRIPTOR request = programsRequest();
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

TEST(ClockContract, ThePerformanceCounterCountsTheSameTimeFinerAtItsFrequency) {
    if (!user::seesGlAndClock)
        GTEST_SKIP() << "the fake's clock is its test's";
    LARGE_INTEGER frequency = {}, start = {}, end = {};
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    ASSERT_GE(frequency.QuadPart, 1000000) << "finer than a microsecond";
    ASSERT_TRUE(QueryPerformanceCounter(&start));
    const DWORD startMilliseconds = timeGetTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    QueryPerformanceCounter(&end);
    const double counted = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    const double clocked = (timeGetTime() - startMilliseconds) / 1000.0;
    EXPECT_GE(counted, 0.2);
    EXPECT_NEAR(counted, clocked, 0.02) << "the same time as the millisecond clock";
}

TEST_F(WindowContract, TheClientRectangleIsTheClientSizeFromTheOrigin) {
    const LPARAM client = show();
    RECT rectangle = {1, 2, 3, 4};
    ASSERT_TRUE(GetClientRect(window, &rectangle));
    EXPECT_EQ(rectangle.left, 0);
    EXPECT_EQ(rectangle.top, 0);
    EXPECT_EQ(rectangle.right, LOWORD(client));
    EXPECT_EQ(rectangle.bottom, HIWORD(client));
    EXPECT_FALSE(GetClientRect(nullptr, &rectangle));
}

// The window procedure gets WM_SETTEXT; passed on to DefWindowProcA, it sets the title (here
// Windows-1254, which the user reads in UTF-8), and SetWindowTextA answers as the procedure did.
TEST_F(WindowContract, TheTitleIsSetThroughTheWindowProcedure) {
    show();
    EXPECT_TRUE(SetWindowTextA(window, "60 fps \xFE"));
    const std::vector<Received> setText = received({WM_SETTEXT});
    ASSERT_EQ(setText.size(), 1u) << "sent, not posted: it has come before SetWindowTextA returns";
    EXPECT_EQ(setText[0].text, "60 fps \xFE");
    const bool seen = user::atAScreen;
    if (seen) {
        EXPECT_EQ(user::title(window), "60 fps \xC5\x9F");
    }

    refuseSetText();
    EXPECT_FALSE(SetWindowTextA(window, "kept out"));
    if (seen) {
        EXPECT_EQ(user::title(window), "60 fps \xC5\x9F");
    }
}

// wglGetProcAddress's answer as the function it is (through void(*)(), the cast between function
// types that the compiler does not warn of).
template <typename Function> Function glFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

// The program's pixel format and a context on the window, not yet current.
HGLRC createContext(HDC deviceContext) {
    const PIXELFORMATDESCRIPTOR request = programsRequest();
    SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &request), &request);
    return wglCreateContext(deviceContext);
}

class GlContract : public WindowContract {
  protected:
    void SetUp() override {
        if (!user::seesGlAndClock)
            GTEST_SKIP() << "the fake has no GL";
        WindowContract::SetUp();
        deviceContext = GetDC(window);
        ASSERT_NE(renderContext = createContext(deviceContext), nullptr);
    }
    void TearDown() override {
        if (!window)
            return; // skipped
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(renderContext);
        ReleaseDC(window, deviceContext);
        WindowContract::TearDown();
    }

    HDC deviceContext = nullptr;
    HGLRC renderContext = nullptr;
};

TEST_F(GlContract, FunctionsPastGl11AreFoundForTheCurrentContext) {
    EXPECT_EQ(wglGetProcAddress("glGenBuffers"), nullptr) << "no context is current yet";
    ASSERT_TRUE(wglMakeCurrent(deviceContext, renderContext));
    typedef void(APIENTRY * GenBuffers)(GLsizei, GLuint*);
    const auto genBuffers = glFunction<GenBuffers>("glGenBuffers");
    ASSERT_NE(genBuffers, nullptr);
    GLuint buffer = 0;
    genBuffers(1, &buffer);
    EXPECT_NE(buffer, 0u);
    EXPECT_EQ(wglGetProcAddress("wglNoSuchFunction"), nullptr);
}

TEST_F(GlContract, TheSwapIntervalIsSetAndRead) {
    ASSERT_TRUE(wglMakeCurrent(deviceContext, renderContext));
    const auto extensions =
        glFunction<PFNWGLGETEXTENSIONSSTRINGEXTPROC>("wglGetExtensionsStringEXT");
    ASSERT_NE(extensions, nullptr);
    const std::string offered = std::string(" ") + extensions() + " ";
    EXPECT_NE(offered.find(" WGL_EXT_swap_control "), std::string::npos) << offered;
    const auto setInterval = glFunction<PFNWGLSWAPINTERVALEXTPROC>("wglSwapIntervalEXT");
    const auto interval = glFunction<PFNWGLGETSWAPINTERVALEXTPROC>("wglGetSwapIntervalEXT");
    ASSERT_NE(setInterval, nullptr);
    ASSERT_NE(interval, nullptr);

    EXPECT_EQ(interval(), 1) << "synchronised to the display until asked otherwise";
    EXPECT_TRUE(setInterval(0));
    EXPECT_EQ(interval(), 0);
    EXPECT_TRUE(setInterval(2));
    EXPECT_EQ(interval(), 2);
    if (offered.find(" WGL_EXT_swap_control_tear ") == std::string::npos) {
        EXPECT_FALSE(setInterval(-1)) << "late swaps that tear are not offered";
        EXPECT_EQ(interval(), 2);
    }
    wglMakeCurrent(nullptr, nullptr);
    EXPECT_FALSE(setInterval(1)) << "no context is current";
    EXPECT_EQ(interval(), 0);
}

} // namespace
