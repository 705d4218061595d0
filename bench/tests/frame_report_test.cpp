#include "frame_report.h"

#include <gtest/gtest.h>

namespace {

const FrameReport sample = {123456789012345LL, 4321, 3000000000LL, 2500000000LL, 24, 16};

std::string lineFor(const FrameReport& report) {
    char buffer[160];
    const std::size_t length = formatFrameReport(report, buffer, sizeof buffer);
    return std::string(buffer, length);
}

TEST(FrameReportTest, ALineReadsBackAsTheReportWritten) {
    const std::string line = lineFor(sample);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.back(), '\n');
    const std::optional<FrameReport> read = parseFrameReport(line);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->firstFrameNs, sample.firstFrameNs);
    EXPECT_EQ(read->spanFrames, sample.spanFrames);
    EXPECT_EQ(read->spanNs, sample.spanNs);
    EXPECT_EQ(read->spanCpuNs, sample.spanCpuNs);
    EXPECT_EQ(read->colorBits, sample.colorBits);
    EXPECT_EQ(read->depthBits, sample.depthBits);
}

TEST(FrameReportTest, WritesNothingIntoABufferTooSmall) {
    char buffer[20];
    EXPECT_EQ(formatFrameReport(sample, buffer, sizeof buffer), 0u);
}

TEST(FrameReportTest, RejectsLinesThatAreCutGarbledOrDescribeNoSpan) {
    const std::string line = lineFor(sample);
    EXPECT_FALSE(parseFrameReport(""));
    EXPECT_FALSE(parseFrameReport(line.substr(0, line.find(" span_cpu_ns"))));
    EXPECT_FALSE(parseFrameReport(line.substr(0, line.size() - 1) + "x\n"));
    EXPECT_FALSE(parseFrameReport("span_frames=1 " + line));

    FrameReport noFrames = sample;
    noFrames.spanFrames = 0; // would divide by zero in frames per second
    EXPECT_FALSE(parseFrameReport(lineFor(noFrames)));
    FrameReport backwards = sample;
    backwards.spanNs = -5;
    EXPECT_FALSE(parseFrameReport(lineFor(backwards)));
}

} // namespace
