// The driver's runs against the raw GLX peer, on the virtual display the test is run on.
// gtest before Xlib, whose macros (None, Bool) would clash with gtest's names.
#include <gtest/gtest.h>

#include "driver/program_run.h"

namespace {

class ProgramRunTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr) << "no display";
        prepareConnection(display);
    }
    static void TearDownTestSuite() {
        if (display)
            XCloseDisplay(display);
    }

    RunSettings settings(bool maximised) const {
        return {display, FRAME_COUNTER_PRELOAD, 0.3, maximised, {1920, 1080}};
    }

    static Display* display;
};

Display* ProgramRunTest::display = nullptr;

const BenchProgram rawGlx = {"raw GLX", PEER_RAW_GLX, true};

TEST_F(ProgramRunTest, MeasuresEveryFigureAtTheAskedClientSize) {
    for (bool maximised : {false, true}) {
        std::string error;
        const std::optional<RunSample> sample = runProgram(rawGlx, settings(maximised), error);
        ASSERT_TRUE(sample) << error;
        EXPECT_EQ(sample->clientSize.width, maximised ? 1920 : 640);
        EXPECT_EQ(sample->clientSize.height, maximised ? 1080 : 480);
        // Only that every figure was measured: what the values are is the benchmark's business.
        EXPECT_GT(sample->framesPerSecond, 0);
        EXPECT_GT(sample->startupMs, 0);
        EXPECT_GT(sample->closeMs, 0);
        EXPECT_GT(sample->peakResidentMiB, 0);
        EXPECT_GT(sample->cpuMicrosPerFrame, 0);
    }
}

TEST_F(ProgramRunTest, AProgramThatReportsNoFramesFailsTheRunInsteadOfGivingFigures) {
    // Without the frame counter the span signal ends the program; that must not pass as a run.
    const BenchProgram uncounted = {"raw GLX", PEER_RAW_GLX, false};
    std::string error;
    EXPECT_FALSE(runProgram(uncounted, settings(false), error));
    EXPECT_NE(error.find("no frame report"), std::string::npos) << error;

    // The failed run cleaned up after itself: the next one finds its own window, not a stale one.
    const std::optional<RunSample> next = runProgram(rawGlx, settings(false), error);
    EXPECT_TRUE(next) << error;
}

} // namespace
