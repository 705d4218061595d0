// The program's window as the window manager and the user see it, and the messages it gets.
#include <gtest/gtest.h>

#include "platform/x11/display.h"
#include "platform/x11/window_properties.h"
#include "tests/x11/observer.h"
#include "tests/x11/recording_window.h"

namespace {

class WindowTest : public testing::Test {
  protected:
    void showAndSettle() {
        ShowWindow(window.handle(), SW_SHOWNORMAL);
        ASSERT_TRUE(window.pumpUntil([&] { return isManaged(); }));
    }
    bool isManaged() { return !observer.longProperty(window.xWindow(), "WM_STATE").empty(); }
    bool lastSizeIs(WPARAM kind, int width, int height) {
        RecordedMessage size;
        return window.lastSize(&size) && size.wParam == kind && LOWORD(size.lParam) == width &&
               HIWORD(size.lParam) == height;
    }

    RecordingWindow window;
    Observer observer;
};

TEST_F(WindowTest, DescribesItselfToTheWindowManager) {
    showAndSettle();
    const Window x = window.xWindow();
    EXPECT_EQ(observer.textProperty(x, "_NET_WM_NAME"), "Kay\xC4\xB1t pencere\xC5\x9F");
    EXPECT_FALSE(observer.textProperty(x, "WM_NAME").empty());
    EXPECT_EQ(observer.textProperty(x, "WM_CLASS"), std::string("TALVO test\0TALVO test\0", 22));
    // Functions move, resize, minimise, maximise, close; decorations border, title, menu,
    // minimise and maximise boxes, and no sizing border.
    const std::vector<unsigned long> motif = observer.longProperty(x, "_MOTIF_WM_HINTS");
    ASSERT_EQ(motif.size(), 5u);
    EXPECT_EQ(motif[1], 0x3eu);
    EXPECT_EQ(motif[2], 0x7au);
}

// Window managers that do not read _NET_WM_NAME show WM_NAME; a plain ASCII title, like the
// program's, takes a shorter way there than one that needs converting.
TEST_F(WindowTest, AsciiTitleIsTheSameInBothNames) {
    const char title[] = "www.talvo.example - OpenGL";
    x11::setTitle(x11::programConnection(), window.xWindow(), title);
    XSync(x11::display(), False);
    EXPECT_EQ(observer.textProperty(window.xWindow(), "WM_NAME"), title);
    EXPECT_EQ(observer.textProperty(window.xWindow(), "_NET_WM_NAME"), title);
}

TEST_F(WindowTest, OuterSizeAndPositionIncludeTheFrame) {
    showAndSettle();
    const Geometry frame = observer.frameGeometry(window.xWindow());
    EXPECT_EQ(frame.x, 0);
    EXPECT_EQ(frame.y, 0);
    EXPECT_EQ(frame.width, 640);
    EXPECT_EQ(frame.height, 480);
    const Geometry client = observer.clientGeometry(window.xWindow());
    EXPECT_LT(client.height, 480) << "a title bar takes its share";
}

TEST_F(WindowTest, FirstShowTellsTheClientSizeAtOnce) {
    ShowWindow(window.handle(), SW_SHOWNORMAL);
    RecordedMessage size;
    ASSERT_TRUE(window.lastSize(&size)) << "WM_SIZE comes before ShowWindow returns";
    ASSERT_TRUE(window.pumpUntil([&] { return isManaged(); }));
    const Geometry client = observer.clientGeometry(window.xWindow());
    EXPECT_EQ(LOWORD(size.lParam), client.width);
    EXPECT_EQ(HIWORD(size.lParam), client.height);
}

TEST_F(WindowTest, MinimisingReportsZeroSizeAndRestoringTheClientSize) {
    showAndSettle();
    const Geometry client = observer.clientGeometry(window.xWindow());
    ASSERT_EQ(runTool("xdotool windowminimize " + hex(window.xWindow())), 0);
    EXPECT_TRUE(window.pumpUntil([&] { return lastSizeIs(SIZE_MINIMIZED, 0, 0); }));

    int emptyPolls = 0; // the loop goes on polling, and is not kept waiting
    window.pumpUntil([&] {
        MSG message;
        emptyPolls += !PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        return emptyPolls == 100;
    });
    EXPECT_EQ(emptyPolls, 100);

    ASSERT_EQ(runTool("wmctrl -i -a " + hex(window.xWindow())), 0);
    EXPECT_TRUE(
        window.pumpUntil([&] { return lastSizeIs(SIZE_RESTORED, client.width, client.height); }));
}

TEST_F(WindowTest, MaximisingReportsTheNewClientSize) {
    showAndSettle();
    ASSERT_EQ(
        runTool("wmctrl -i -r " + hex(window.xWindow()) + " -b add,maximized_vert,maximized_horz"),
        0);
    ASSERT_TRUE(window.pumpUntil([&] {
        RecordedMessage size;
        return window.lastSize(&size) && size.wParam == SIZE_MAXIMIZED;
    }));
    window.pumpUntil([] { return false; }, 0.3); // let the manager finish
    const Geometry client = observer.clientGeometry(window.xWindow());
    EXPECT_GT(client.width, 640);
    EXPECT_TRUE(lastSizeIs(SIZE_MAXIMIZED, client.width, client.height));
}

TEST_F(WindowTest, ClosingThroughTheWindowManagerAsksTheProcedure) {
    showAndSettle();
    ASSERT_EQ(runTool("wmctrl -i -c " + hex(window.xWindow())), 0);
    EXPECT_TRUE(window.pumpUntil([&] { return window.received(WM_CLOSE); }));
    EXPECT_TRUE(isManaged()) << "closing is the procedure's decision";
}

TEST_F(WindowTest, QuitComesAfterWhatIsQueuedAndOnlyOnce) {
    showAndSettle();
    ASSERT_EQ(runTool("wmctrl -i -c " + hex(window.xWindow())), 0);
    ASSERT_TRUE(window.pumpUntil([&] { return window.received(WM_CLOSE); }));
    PostQuitMessage(3);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
        DispatchMessageA(&message);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message == WM_QUIT);
}

TEST_F(WindowTest, DestroyingTellsTheProcedureAndEndsTheHandle) {
    showAndSettle();
    HWND handle = window.handle();
    HDC deviceContext = GetDC(handle);
    ASSERT_NE(deviceContext, nullptr);
    EXPECT_EQ(ReleaseDC(handle, reinterpret_cast<HDC>(handle)), 0) << "not the window's";
    EXPECT_EQ(ReleaseDC(handle, deviceContext), 1);

    window.forgetMessages();
    ASSERT_TRUE(DestroyWindow(handle));
    EXPECT_TRUE(window.received(WM_DESTROY)) << "before DestroyWindow returns";
    EXPECT_FALSE(DestroyWindow(handle));
    EXPECT_EQ(GetDC(handle), nullptr);
    EXPECT_FALSE(ShowWindow(handle, SW_SHOWNORMAL));
}

TEST_F(WindowTest, DefaultHandlingOfCloseDestroysTheWindow) {
    showAndSettle();
    window.forgetMessages();
    DefWindowProcA(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(window.received(WM_DESTROY));
    EXPECT_FALSE(DestroyWindow(window.handle()));
}

// Run on a display without a window manager.
TEST(WithoutWindowManager, ClientAreaIsTheWholeOuterSize) {
    RecordingWindow window;
    Observer observer;
    ShowWindow(window.handle(), SW_SHOWNORMAL);
    window.pumpUntil([] { return false; }, 0.2);
    const Geometry client = observer.clientGeometry(window.xWindow());
    EXPECT_EQ(client.x, 0);
    EXPECT_EQ(client.y, 0);
    EXPECT_EQ(client.width, 640);
    EXPECT_EQ(client.height, 480);
    RecordedMessage size;
    ASSERT_TRUE(window.lastSize(&size));
    EXPECT_EQ(size.lParam, MAKELPARAM(640, 480));
}

} // namespace
