// Shared set-up of the tests that run the application on the recording fake.
#ifndef TALVO_TESTS_SUPPORT_SYSTEM_TEST_H
#define TALVO_TESTS_SUPPORT_SYSTEM_TEST_H

#include "glwindow/gl_window.h"
#include "tests/fake/fake_platform.h"

#include <gtest/gtest.h>

// Each test starts from a freshly constructed window object and an empty fake.
class SystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        theWindow = GlWindow();
    }

    // Runs the program; `closeAfterEmptyPolls` empty polls later the user closes the window.
    static int runProgram(int closeAfterEmptyPolls = 1) {
        fake::onEmptyPoll = [=](int emptyPolls) {
            if (emptyPolls == closeAfterEmptyPolls)
                fake::post(WM_CLOSE);
        };
        return WinMain(fake::instance, nullptr, commandLine, SW_SHOW);
    }

    static char commandLine[];
};

inline char SystemTest::commandLine[] = "";

#endif
