// Frame timing on a clock the test sets: time since the previous frame, and the frames counted
// over each sample interval of a little more than a second.
#include "tests/support/system_test.h"

#include <cstdint>

namespace {

const float millisecond = 0.001f;

class FrameTimingTest : public SystemTest {
  protected:
    GlWindow frames;

    void frameAt(DWORD milliseconds) {
        fake::clockMilliseconds = milliseconds;
        frames.endFrame();
    }
};

TEST_F(FrameTimingTest, TheFirstFrameTakesNoTimeAndStartsTheFirstSample) {
    const DWORD threeDays = 3u * 24 * 3600 * 1000;
    frameAt(threeDays);

    EXPECT_EQ(frames.deltaTime, 0.0f);
    EXPECT_FLOAT_EQ(frames.currentTime, 259200.0f);
    EXPECT_EQ(frames.lastFrameTime, frames.currentTime);
    EXPECT_EQ(frames.frameCount, 1.0f);
    EXPECT_EQ(frames.fps, 0.0f);

    frameAt(threeDays + 1000);
    EXPECT_EQ(frames.fps, 0.0f); // exactly one second is not yet more than one
    EXPECT_EQ(frames.frameCount, 2.0f);

    frameAt(threeDays + 1001);
    EXPECT_EQ(frames.fps, 3.0f); // the crossing frame counts
    EXPECT_EQ(frames.frameCount, 0.0f);
    EXPECT_EQ(frames.fpsTime, frames.currentTime);

    frameAt(threeDays + 2001);
    frameAt(threeDays + 2002);
    EXPECT_EQ(frames.fps, 2.0f); // the next interval starts at the last sample
}

TEST_F(FrameTimingTest, StepsAreExactWhateverTheUptime) {
    const DWORD uptimes[] = {100000u * 1000 + 3, 4290000u * 1000 + 7};
    for (DWORD uptime : uptimes) {
        SCOPED_TRACE(uptime);
        frames = GlWindow();
        frameAt(uptime);
        frameAt(uptime);
        EXPECT_EQ(frames.deltaTime, 0.0f); // two frames in the same millisecond
        frameAt(uptime + 1);
        EXPECT_FLOAT_EQ(frames.deltaTime, millisecond);
        EXPECT_NEAR(frames.currentTime, uptime * 0.001, 0.5); // a float of that size, ±1 step
    }
}

TEST_F(FrameTimingTest, TimeRunsOnAcrossTheClockWrap) {
    const DWORD beforeWrap = UINT32_MAX - 4; // 2^32 - 5
    frameAt(beforeWrap);
    const float timeBeforeWrap = frames.currentTime;

    frameAt(3);
    EXPECT_FLOAT_EQ(frames.deltaTime, 8 * millisecond);
    EXPECT_GE(frames.currentTime, timeBeforeWrap);

    frameAt(1000);
    EXPECT_EQ(frames.fps, 3.0f); // 1005 ms after the first frame: samples go on
    frameAt(2001);
    EXPECT_EQ(frames.fps, 1.0f);
    EXPECT_FLOAT_EQ(frames.deltaTime, 1.001f);
}

} // namespace
