// The program's own loop on the X11 layer: from the window's first show until it is closed, every
// idle pass presents a frame and the frame timing counts them.
#include "glwindow/gl_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

struct HINSTANCE__ {};

namespace {

HINSTANCE__ testModule;

// Waits for the window to show, lets the program run two seconds, then closes the window
// through the window manager, as a user would.
void closeAfterTwoSeconds() {
    const std::string scripts = std::string(TALVO_SOURCE_DIR) + "/scripts/display/";
    const std::string command = scripts + "program_window.sh 60 >/dev/null && sleep 2 && " +
                                "wmctrl -c 'www.talvo.example - OpenGL'";
    EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST(ProgramLoop, PresentsFramesContinuouslyUntilClosed) {
    std::thread user(closeAfterTwoSeconds);
    char commandLine[] = "";
    const int exitCode = WinMain(&testModule, nullptr, commandLine, SW_SHOWNORMAL);
    user.join();

    EXPECT_EQ(exitCode, 0);
    // Two seconds of frames hold at least one sample of more than a second, the frames of which
    // were counted one by one; the last sample is less than a second and a frame old.
    EXPECT_GT(theWindow.fps, 1.0f);
    EXPECT_LT(theWindow.currentTime - theWindow.fpsTime, 1.1f);
    EXPECT_GE(theWindow.deltaTime, 0.0f);
    EXPECT_LT(theWindow.deltaTime, 0.5f);
    EXPECT_EQ(theWindow.lastFrameTime, theWindow.currentTime);
}

} // namespace
