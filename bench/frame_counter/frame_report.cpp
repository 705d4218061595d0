#include "frame_report.h"

#include <cinttypes>
#include <cstdio>

// One literal for writing and reading, so the two cannot drift apart.
#define FRAME_REPORT_FIELDS                                                                        \
    "first_frame_ns=%" SCNd64 " span_frames=%" SCNd64 " span_ns=%" SCNd64 " span_cpu_ns=%" SCNd64  \
    " color_bits=%d depth_bits=%d"

std::size_t formatFrameReport(const FrameReport& report, char* buffer, std::size_t size) {
    const int length = std::snprintf(buffer, size, FRAME_REPORT_FIELDS "\n", report.firstFrameNs,
                                     report.spanFrames, report.spanNs, report.spanCpuNs,
                                     report.colorBits, report.depthBits);
    if (length < 0 || static_cast<std::size_t>(length) >= size)
        return 0;
    return static_cast<std::size_t>(length);
}

std::optional<FrameReport> parseFrameReport(const std::string& line) {
    FrameReport report;
    int consumed = 0;
    const int fields = std::sscanf(line.c_str(), FRAME_REPORT_FIELDS "%n", &report.firstFrameNs,
                                   &report.spanFrames, &report.spanNs, &report.spanCpuNs,
                                   &report.colorBits, &report.depthBits, &consumed);
    if (fields != 6 ||
        line.find_first_not_of('\n', static_cast<std::size_t>(consumed)) != std::string::npos)
        return std::nullopt;
    if (report.firstFrameNs <= 0 || report.spanFrames <= 0 || report.spanNs <= 0 ||
        report.spanCpuNs < 0)
        return std::nullopt;
    return report;
}
