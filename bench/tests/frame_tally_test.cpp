#include "frame_tally.h"

#include <gtest/gtest.h>

namespace {

// A clock that moves 1 ms of wall time and 0.5 ms of CPU time at every reading and counts how
// often it is read.
int readings = 0;

Instant steppingClock() {
    ++readings;
    return {readings * 1000000LL, readings * 500000LL};
}

class FrameTallyTest : public ::testing::Test {
  protected:
    void SetUp() override { readings = 0; }

    // Presents `count` frames; true if one of them completed the report.
    bool present(int count) {
        bool completed = false;
        for (int i = 0; i < count; ++i)
            completed = tally.framePresented(steppingClock) || completed;
        return completed;
    }

    FrameTally tally;
};

TEST_F(FrameTallyTest, CountsOnlyTheFramesBetweenTheMarks) {
    present(5); // start-up: first frame, then frames nobody asked to measure
    tally.requestSpanStart();
    EXPECT_FALSE(present(1)); // this frame opens the span
    EXPECT_FALSE(present(99));
    tally.requestSpanEnd();
    EXPECT_TRUE(present(1)); // this frame closes it

    const FrameReport& report = tally.report();
    EXPECT_EQ(report.firstFrameNs, 1000000); // the first reading, on the first frame
    EXPECT_EQ(report.spanFrames, 100);       // 99 in between plus the closing frame
    EXPECT_EQ(report.spanNs, 1000000);       // the two readings that bound the span
    EXPECT_EQ(report.spanCpuNs, 500000);
}

TEST_F(FrameTallyTest, ReadsTheClockOnlyOnTheFramesThatNeedATime) {
    present(10);
    tally.requestSpanStart();
    present(1000);
    tally.requestSpanEnd();
    present(10);
    EXPECT_EQ(readings, 3); // first frame, span start, span end
}

TEST_F(FrameTallyTest, ReportsOnceAndKeepsTheReportAfterwards) {
    present(1);
    tally.requestSpanStart();
    present(3);
    tally.requestSpanEnd();
    EXPECT_TRUE(present(1));
    const FrameReport first = tally.report();
    EXPECT_FALSE(present(50));
    EXPECT_EQ(tally.report().spanFrames, first.spanFrames);
    EXPECT_EQ(tally.report().spanNs, first.spanNs);
}

TEST_F(FrameTallyTest, SpanStartsOnlyAfterTheFirstFrame) {
    // A request that arrives before anything was presented must not turn the first frame, whose
    // time is the start-up figure, into the start of the span.
    tally.requestSpanStart();
    present(1);
    tally.requestSpanEnd();
    EXPECT_FALSE(present(1)); // opens the span
    EXPECT_TRUE(present(1));  // closes it
    EXPECT_EQ(tally.report().firstFrameNs, 1000000);
    EXPECT_EQ(tally.report().spanFrames, 1);
}

TEST_F(FrameTallyTest, NoReportWithoutBothMarks) {
    EXPECT_FALSE(present(100));
    tally.requestSpanEnd(); // an end with no start ends nothing
    EXPECT_FALSE(present(100));
}

} // namespace
