// The main loop and the window procedure: one message per pass, a frame on every empty pass,
// and the close request ending the loop before anything is destroyed.
#include "tests/support/system_test.h"

namespace {

using Calls = std::vector<std::string>;

// WM_KEYDOWN, which the application leaves to the default procedure. Only <windows.h> declares
// it, and as a macro there, hence a name of our own.
const UINT keyDownMessage = 0x0100;

class MessageLoopTest : public SystemTest {};

TEST_F(MessageLoopTest, DeliversOneMessagePerPassAndRendersOnlyWhenTheQueueIsEmpty) {
    fake::onEmptyPoll = [](int emptyPolls) {
        if (emptyPolls == 1) {
            fake::post(keyDownMessage, 13, 42);
            fake::post(keyDownMessage, 27, 43);
        }
        if (emptyPolls == 3)
            fake::post(WM_CLOSE);
    };
    char commandLine[] = "";
    ASSERT_EQ(WinMain(fake::instance, nullptr, commandLine, SW_SHOW), 0);

    // Poll, frame; two messages; two empty polls with a frame each; the close; the quit.
    EXPECT_EQ(
        fake::callsNamed({"PeekMessageA", "DispatchMessageA", "SwapBuffers"}),
        (Calls{"PeekMessageA(null, 0, 0, 1)", "SwapBuffers(dc)", "PeekMessageA(null, 0, 0, 1)",
               "DispatchMessageA(0x100)", "PeekMessageA(null, 0, 0, 1)", "DispatchMessageA(0x100)",
               "PeekMessageA(null, 0, 0, 1)", "SwapBuffers(dc)", "PeekMessageA(null, 0, 0, 1)",
               "SwapBuffers(dc)", "PeekMessageA(null, 0, 0, 1)", "DispatchMessageA(0x10)",
               "PeekMessageA(null, 0, 0, 1)"}));
    // Messages the window does not handle reach the default procedure unchanged.
    EXPECT_EQ(fake::callsNamed({"TranslateMessage", "DefWindowProcA"}),
              (Calls{"TranslateMessage(0x100)", "DefWindowProcA(window, 0x100, 13, 42)",
                     "TranslateMessage(0x100)", "DefWindowProcA(window, 0x100, 27, 43)",
                     "TranslateMessage(0x10)"}));
}

TEST_F(MessageLoopTest, CloseOnlyAsksToQuitAndTheWindowGoesAfterTheLoop) {
    ASSERT_EQ(runProgram(), 0);

    // The close posts the quit request; the window is destroyed only in teardown, whose
    // destroy notification posts a second request that nobody takes.
    EXPECT_EQ(
        fake::callsNamed({"DispatchMessageA", "PostQuitMessage", "PeekMessageA", "DestroyWindow"}),
        (Calls{"PeekMessageA(null, 0, 0, 1)", "PeekMessageA(null, 0, 0, 1)",
               "DispatchMessageA(0x10)", "PostQuitMessage(0)", "PeekMessageA(null, 0, 0, 1)",
               "DestroyWindow(window)", "PostQuitMessage(0)"}));
}

TEST_F(MessageLoopTest, WindowProcedureAnswersWhatItHandlesAndPassesOnTheRest) {
    ASSERT_EQ(theWindow.create(fake::instance, 640, 480, "t", "c", SW_SHOW), 1);
    const WNDPROC windowProc = fake::registeredClass.lpfnWndProc;
    fake::calls.clear();

    EXPECT_EQ(windowProc(fake::window, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(windowProc(fake::window, WM_DESTROY, 0, 0), 0);
    EXPECT_EQ(windowProc(fake::window, WM_SIZE, 0, MAKELPARAM(800, 600)), 0);
    EXPECT_EQ(windowProc(fake::window, keyDownMessage, 1, 2), fake::defaultWindowProcResult);

    EXPECT_EQ(fake::calls, (Calls{"PostQuitMessage(0)", "PostQuitMessage(0)",
                                  "DefWindowProcA(window, 0x100, 1, 2)"}));
}

} // namespace
