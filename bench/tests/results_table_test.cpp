// gtest before Xlib, whose macros (None, Bool) would clash with gtest's names.
#include <gtest/gtest.h>

#include "driver/results_table.h"

#include <cstdio>

namespace {

RunSample sampleWith(double framesPerSecond, double startupMs) {
    return {framesPerSecond, startupMs, 5.0, 64.0, 100.0, {640, 480}};
}

std::string printed(const std::vector<ProgramResults>& results) {
    std::FILE* file = std::tmpfile();
    printResultsTable(file, "640x480 client", results);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

// The line of the table that starts with `name`, after the line that contains `after`.
std::string lineOf(const std::string& text, const std::string& name, const std::string& after) {
    const std::size_t start = text.find("\n" + name + " ", text.find(after));
    return start == std::string::npos
               ? ""
               : text.substr(start + 1, text.find('\n', start + 1) - start - 1);
}

TEST(ResultsTableTest, ShowsMedianAndRangeAndTheFirstProgramDividedByEachOther) {
    const std::vector<ProgramResults> results = {
        {"talvo", {sampleWith(900, 40), sampleWith(1000, 50), sampleWith(1100, 60)}},
        {"raw GLX", {sampleWith(2000, 20), sampleWith(2000, 25)}},
    };
    const std::string text = printed(results);

    const std::string figures = lineOf(text, "talvo", "median");
    EXPECT_NE(figures.find("640x480"), std::string::npos) << figures;
    EXPECT_NE(figures.find("1000 [900-1100]"), std::string::npos) << figures;
    EXPECT_NE(figures.find("50.0 [40.0-60.0]"), std::string::npos) << figures;

    // talvo / raw GLX: half the frame rate, 50 ms against a median of 22.5 ms to start.
    const std::string ratios = lineOf(text, "raw GLX", "/ other");
    EXPECT_NE(ratios.find("0.50"), std::string::npos) << ratios;
    EXPECT_NE(ratios.find("2.22"), std::string::npos) << ratios;
}

TEST(ResultsTableTest, OneProgramAloneHasNoRatios) {
    const std::string text = printed({{"raw GLX", {sampleWith(2000, 20)}}});
    EXPECT_NE(text.find("raw GLX"), std::string::npos);
    EXPECT_EQ(text.find("/ other"), std::string::npos);
}

} // namespace
