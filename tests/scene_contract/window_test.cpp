// Focus and activation, the title, the client rectangle, the performance counter and the GL
// functions past 1.1 with the swap interval.
#include <gtest/gtest.h>

#include "tests/scene_contract/scene_window.h"
#include "tests/scene_contract/user_actions.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace {

std::string focusMessagesOf(const SceneWindow& window, HWND which) {
    std::string lines;
    for (const Received& each : window.received({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS}))
        if (each.window == which)
            lines += each.message == WM_ACTIVATE
                         ? (LOWORD(each.wParam) == WA_INACTIVE ? "inactive\n" : "active\n")
                         : (each.message == WM_SETFOCUS ? "setfocus\n" : "killfocus\n");
    return lines;
}

// A window shown is activated, then takes the focus; it gives both up to another window shown,
// and has them back when that one goes.
TEST(FocusTest, FocusFollowsActivation) {
    SceneWindow window;
    EXPECT_EQ(focusMessagesOf(window, window.handle()), "active\nsetfocus\n");

    window.forget();
    HWND other = window.createAnother();
    ShowWindow(other, SW_SHOWNORMAL);
    window.pumpUntil([&] { return focusMessagesOf(window, other) == "active\nsetfocus\n"; });
    EXPECT_EQ(focusMessagesOf(window, window.handle()), "inactive\nkillfocus\n");
    EXPECT_EQ(focusMessagesOf(window, other), "active\nsetfocus\n");

    window.forget();
    DestroyWindow(other);
    window.pumpUntil([&] { return !window.received({WM_SETFOCUS}).empty(); });
    EXPECT_EQ(focusMessagesOf(window, window.handle()), "active\nsetfocus\n");
}

// The window procedure gets WM_SETTEXT; passed on to DefWindowProcA, it sets the title (here
// Windows-1254, as the user reads it in UTF-8), and SetWindowTextA answers as the procedure did.
TEST(WindowTextTest, TheTitleIsSetThroughTheWindowProcedure) {
    SceneWindow window;
    EXPECT_TRUE(SetWindowTextA(window.handle(), "60 fps \xFE"));
    const std::vector<Received> setText = window.received({WM_SETTEXT});
    ASSERT_EQ(setText.size(), 1u) << "sent, not posted: it has come before SetWindowTextA returns";
    EXPECT_EQ(setText[0].text, "60 fps \xFE");
    EXPECT_EQ(titleOf(window.handle()), "60 fps \xC5\x9F");

    SceneWindow::passSetText = false;
    EXPECT_FALSE(SetWindowTextA(window.handle(), "kept out"));
    EXPECT_EQ(titleOf(window.handle()), "60 fps \xC5\x9F");
}

TEST(ClientRectTest, IsTheClientSizeFromTheOrigin) {
    SceneWindow window;
    const std::vector<Received> sizes = window.received({WM_SIZE});
    ASSERT_FALSE(sizes.empty());
    RECT client = {1, 2, 3, 4};
    ASSERT_TRUE(GetClientRect(window.handle(), &client));
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_EQ(client.right, LOWORD(sizes.back().lParam));
    EXPECT_EQ(client.bottom, HIWORD(sizes.back().lParam));
    EXPECT_FALSE(GetClientRect(nullptr, &client));
}

TEST(PerformanceCounterTest, CountsAtItsFrequency) {
    LARGE_INTEGER frequency = {};
    LARGE_INTEGER start = {};
    LARGE_INTEGER end = {};
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

// wglGetProcAddress's answer as the function it is (through void(*)(), the cast between function
// types that the compiler does not warn of).
template <typename Function> Function glFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

// The program's pixel format and context, set as the program sets them: before the window is
// shown.
class GlTest : public testing::Test {
  protected:
    void SetUp() override {
        glWindow = window.createAnother();
        deviceContext = GetDC(glWindow);
        PIXELFORMATDESCRIPTOR request = {};
        request.nSize = sizeof(request);
        request.nVersion = 1;
        request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        request.cColorBits = 16;
        request.cDepthBits = 16;
        ASSERT_TRUE(
            SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &request), &request));
        renderContext = wglCreateContext(deviceContext);
        ASSERT_TRUE(renderContext);
    }
    void TearDown() override {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(renderContext);
        ReleaseDC(glWindow, deviceContext);
        DestroyWindow(glWindow);
    }

    SceneWindow window;
    HWND glWindow = nullptr;
    HDC deviceContext = nullptr;
    HGLRC renderContext = nullptr;
};

TEST_F(GlTest, FunctionsPastGl11AreFoundForTheCurrentContext) {
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

TEST_F(GlTest, TheSwapIntervalIsSetAndRead) {
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
