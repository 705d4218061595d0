// The benchmark's figures: the spread of a program's runs, the report a measured program hands
// over, and the ratios of the table, each the first program's median over another's.
#include <gtest/gtest.h>

#include "driver/results_table.h"
#include "driver/statistics.h"
#include "frame_report.h"

#include <cstdio>
#include <tuple>

namespace {

TEST(FiguresTest, ASpreadIsTheMedianAndTheRangeWhateverTheOrder) {
    const Spread odd = spreadOf({9, 1, 5, 7, 3});
    EXPECT_EQ(std::make_tuple(odd.median, odd.min, odd.max), std::make_tuple(5, 1, 9));
    EXPECT_EQ(spreadOf({4, 1, 10, 2}).median, 3); // the mean of the middle two
}

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

TEST(FiguresTest, RatiosAreTheFirstProgramsMedianOverEachOthers) {
    const auto run = [](double framesPerSecond, double startupMs) {
        return RunSample{framesPerSecond, startupMs, 5, 64, 100, {640, 480}};
    };
    std::FILE* file = std::tmpfile();
    printResultsTable(file, "640x480 client",
                      {{"talvo", {run(900, 40), run(1000, 50), run(1100, 60)}},
                       {"raw GLX", {run(2000, 20), run(2000, 25)}}});
    std::rewind(file);
    char line[400];
    std::string ratios;
    while (std::fgets(line, sizeof line, file))
        if (std::string(line).rfind("raw GLX ", 0) == 0)
            ratios = line; // the last such line is the ratios'
    std::fclose(file);
    // Half the frame rate, and 50 ms to start against a median of 22.5 ms.
    EXPECT_NE(ratios.find(" 0.50 "), std::string::npos) << ratios;
    EXPECT_NE(ratios.find(" 2.22 "), std::string::npos) << ratios;
}

} // namespace
