// The one line a measured program hands to the benchmark driver: when its first frame was
// presented, how many frames it presented in how much wall-clock and CPU time over the span the
// driver marked, and the frame buffer it drew them into. Written by the frame counter inside the
// program, read by the driver.
#ifndef TALVO_BENCH_FRAME_REPORT_H
#define TALVO_BENCH_FRAME_REPORT_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

struct FrameReport {
    std::int64_t firstFrameNs = 0; // CLOCK_MONOTONIC, comparable with the driver's clock
    std::int64_t spanFrames = 0;
    std::int64_t spanNs = 0;
    std::int64_t spanCpuNs = 0; // all of the process's threads, the GL driver's included
    int colorBits = 0;          // red, green and blue together
    int depthBits = 0;
};

// Writes the report as one newline-terminated line into `buffer` without allocating, so the
// program's own memory use is left alone. Returns the line's length, or 0 if it does not fit.
std::size_t formatFrameReport(const FrameReport& report, char* buffer, std::size_t size);

// The report in a line formatFrameReport wrote; nothing for a line that is cut short, garbled,
// or describes an empty or backwards span.
std::optional<FrameReport> parseFrameReport(const std::string& line);

#endif
