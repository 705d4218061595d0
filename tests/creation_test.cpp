// Bringing the window up: what reaches the window system, and what the user sees when a step
// fails.
#include "tests/support/system_test.h"

#include <cstring>

namespace {

using Calls = std::vector<std::string>;

const char title[] = "www.talvo.example - OpenGL";
const char className[] = "TALVO pencere";
const char windowNotCreated[] = "Pencere olu\xFEturulamadi.";

const Calls releaseCalls = {"wglDeleteContext", "ReleaseDC", "DestroyWindow", "UnregisterClassA"};

class CreationTest : public SystemTest {};

TEST_F(CreationTest, PassesTheWindowSystemTheClassWindowAndPixelFormatInOrder) {
    ASSERT_EQ(theWindow.create(fake::instance, 640, 480, title, className, SW_SHOWMAXIMIZED), 1);

    EXPECT_EQ(fake::calls,
              (Calls{"LoadIconA(instance, #32517)", "LoadCursorA(null, #32512)",
                     "LoadIconA(instance, #32517)", "RegisterClassExA(\"TALVO pencere\")",
                     "CreateWindowExA(0x0, \"TALVO pencere\", \"www.talvo.example - OpenGL\", "
                     "0xcb0000, 0, 0, 640, 480, null, null, instance, null)",
                     "GetDC(window)", "ChoosePixelFormat(dc)", "SetPixelFormat(dc, 7)",
                     "wglCreateContext(dc)", "wglMakeCurrent(dc, rc)", "ShowWindow(window, 3)",
                     "UpdateWindow(window)"}));
    EXPECT_TRUE(fake::boxes.empty());

    const WNDCLASSEXA& windowClass = fake::registeredClass;
    EXPECT_EQ(windowClass.cbSize, sizeof(WNDCLASSEXA));
    EXPECT_EQ(windowClass.style, 3u);
    EXPECT_NE(windowClass.lpfnWndProc, nullptr);
    EXPECT_EQ(windowClass.cbClsExtra, 0);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
    EXPECT_EQ(windowClass.hInstance, fake::instance);
    EXPECT_EQ(windowClass.hIcon, nullptr); // the application has no icon of its own
    EXPECT_EQ(windowClass.hIconSm, nullptr);
    EXPECT_EQ(windowClass.hCursor, fake::arrowCursor);
    EXPECT_EQ(windowClass.hbrBackground, nullptr);
    EXPECT_EQ(windowClass.lpszMenuName, nullptr);
    EXPECT_EQ(fake::registeredClassName, className);

    ASSERT_EQ(fake::pixelFormatRequests.size(), 2u); // choose, then set
    for (const PIXELFORMATDESCRIPTOR& request : fake::pixelFormatRequests) {
        PIXELFORMATDESCRIPTOR expected = {};
        expected.nSize = 40;
        expected.nVersion = 1;
        expected.dwFlags = 0x25;
        expected.iPixelType = 0;
        expected.cColorBits = 16;
        expected.cDepthBits = 16;
        EXPECT_EQ(std::memcmp(&request, &expected, sizeof expected), 0);
    }

    EXPECT_EQ(theWindow.instance, fake::instance);
    EXPECT_EQ(theWindow.window, fake::window);
    EXPECT_EQ(theWindow.deviceContext, fake::deviceContext);
    EXPECT_EQ(theWindow.renderContext, fake::renderContext);
    EXPECT_EQ(theWindow.width, 640);
    EXPECT_EQ(theWindow.height, 480);
}

TEST_F(CreationTest, EachCallRequestsTheBitCountsItWasGiven) {
    theWindow.window = fake::window;
    ASSERT_EQ(theWindow.createContext(16, 16), 1);
    ASSERT_EQ(theWindow.createContext(24, 32), 1);

    ASSERT_EQ(fake::pixelFormatRequests.size(), 4u);
    EXPECT_EQ(fake::pixelFormatRequests[3].cDepthBits, 24);
    EXPECT_EQ(fake::pixelFormatRequests[3].cColorBits, 32);
}

TEST_F(CreationTest, MissingNamesAreRefusedBeforeAnythingIsRegistered) {
    EXPECT_EQ(theWindow.create(fake::instance, 640, 480, title, nullptr, SW_SHOW), 0);
    EXPECT_EQ(theWindow.create(fake::instance, 640, 480, nullptr, className, SW_SHOW), 0);

    ASSERT_EQ(fake::boxes.size(), 2u);
    EXPECT_EQ(fake::boxes[0].text, "Pencere sinifi girilmemis.");
    EXPECT_EQ(fake::boxes[0].caption, ""); // no title copied yet
    EXPECT_EQ(fake::boxes[1].text, "Pencere adi girilmemis.");
    EXPECT_EQ(fake::boxes[1].caption, "");
    for (const fake::WarningBox& box : fake::boxes) {
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONWARNING));
    }
    EXPECT_EQ(fake::callsNamed({"MessageBoxA"}).size(), fake::calls.size());
    EXPECT_STREQ(theWindow.className, className); // copied before the title was found missing
    EXPECT_EQ(theWindow.instance, nullptr);
}

TEST_F(CreationTest, OverlongNamesAreCutToTheirBuffers) {
    const std::string longName(400, 'k');
    theWindow.create(fake::instance, 640, 480, longName.c_str(), longName.c_str(), SW_SHOW);

    EXPECT_EQ(std::string(theWindow.className), longName.substr(0, 149));
    EXPECT_EQ(std::string(theWindow.title), longName.substr(0, 149));
}

struct CreationFailure {
    const char* failingCall;
    std::vector<std::string> texts; // every box, in order
    HWND owner;
};

void PrintTo(const CreationFailure& failure, std::ostream* out) {
    *out << failure.failingCall;
}

class CreationFailureTest : public SystemTest,
                            public ::testing::WithParamInterface<CreationFailure> {};

TEST_P(CreationFailureTest, ShowsItsBoxesAndEndsWithoutTearingDown) {
    const CreationFailure& failure = GetParam();
    fake::failCall(failure.failingCall);

    EXPECT_EQ(runProgram(), 1);

    ASSERT_EQ(fake::boxes.size(), failure.texts.size());
    for (size_t i = 0; i < failure.texts.size(); ++i) {
        EXPECT_EQ(fake::boxes[i].text, failure.texts[i]);
        EXPECT_EQ(fake::boxes[i].owner, failure.owner);
        EXPECT_EQ(fake::boxes[i].caption, title);
    }
    EXPECT_TRUE(fake::callsNamed(releaseCalls).empty());
    for (const std::string& call : fake::callsNamed({"wglMakeCurrent"}))
        EXPECT_EQ(call, "wglMakeCurrent(dc, rc)"); // made current, never detached
    EXPECT_TRUE(fake::callsNamed({"ShowWindow", "PeekMessageA", "SwapBuffers"}).empty());
}

const char setupFailed[] = "Giris degerleri girilemedi.";
const char startFailed[] = "Program acilamadi!";

INSTANTIATE_TEST_SUITE_P(
    EveryStep, CreationFailureTest,
    ::testing::Values(
        CreationFailure{"RegisterClassExA", {"Pencere Kayit edilemedi.", startFailed}, nullptr},
        CreationFailure{"CreateWindowExA", {windowNotCreated, startFailed}, nullptr},
        CreationFailure{
            "GetDC",
            {"OpenGL hatasi Opengl Context aygiti olusuturulamadi.", setupFailed, startFailed},
            fake::window},
        CreationFailure{"ChoosePixelFormat",
                        {"Suitable PikselFormat bulunamadi!", setupFailed, startFailed},
                        fake::window},
        CreationFailure{"SetPixelFormat",
                        {"PikselFormat ayarlanamadi!", setupFailed, startFailed},
                        fake::window},
        CreationFailure{"wglCreateContext",
                        {"OpenGL rendering context olusturulamadi!", setupFailed, startFailed},
                        fake::window},
        CreationFailure{
            "wglMakeCurrent",
            {"OpenGL rendering context aktif hale getirilemedi.", setupFailed, startFailed},
            fake::window}),
    [](const ::testing::TestParamInfo<CreationFailure>& info) { return info.param.failingCall; });

} // namespace
