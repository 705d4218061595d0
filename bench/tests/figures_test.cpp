// The benchmark's figures: the report a measured program hands over, and the table of the runs:
// the spread of each program's, and the ratios, each the first program's median over another's.
#include <gtest/gtest.h>

#include "driver/results_table.h"
#include "frame_report.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string lineFor(const FrameReport& report) {
    char buffer[160];
    return std::string(buffer, formatFrameReport(report, buffer, sizeof buffer));
}

TEST(FiguresTest, AReportReadsBackAsWrittenAndNothingElseReadsAsOne) {
    const FrameReport sample = {123456789012345LL, 4321, 3000000000LL, 2500000000LL, 24, 16};
    const std::string line = lineFor(sample);
    const std::optional<FrameReport> read = parseFrameReport(line);
    ASSERT_TRUE(read);
    EXPECT_EQ(lineFor(*read), line);

    EXPECT_FALSE(parseFrameReport(line.substr(0, line.size() / 2)));
    EXPECT_FALSE(parseFrameReport(line.substr(0, line.size() - 1) + "x\n"));
    FrameReport noFrames = sample; // would divide by zero in frames per second
    noFrames.spanFrames = 0;
    EXPECT_FALSE(parseFrameReport(lineFor(noFrames)));
}

// Each program's spread, median [min-max] whatever the order of its runs, then the ratios: the
// first program's medians over each other's.
TEST(FiguresTest, TheTableHasEachSpreadThenTheFirstProgramsMediansOverEachOthers) {
    const auto run = [](double framesPerSecond, double startupMs) {
        return RunSample{framesPerSecond, startupMs, 5, 64, 100, {640, 480}};
    };
    char* table = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&table, &size);
    printResultsTable(file, "640x480 client",
                      {{"talvo", {run(1100, 60), run(900, 40), run(1000, 50)}},
                       {"raw GLX", {run(2000, 25), run(2000, 20)}}});
    std::fclose(file);
    const std::string text(table, size);
    std::free(table);
    EXPECT_NE(text.find(" 1000 [900-1100] "), std::string::npos) << text;
    // Half the frame rate, and 50 ms to start against 22.5 ms, the mean of the middle two.
    const std::string ratios = text.substr(text.rfind("\nraw GLX "));
    EXPECT_NE(ratios.find(" 0.50 "), std::string::npos) << text;
    EXPECT_NE(ratios.find(" 2.22 "), std::string::npos) << text;
}

} // namespace
