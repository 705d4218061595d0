#include "frame_tally.h"

bool FrameTally::framePresented(Instant (*now)()) {
    ++framesPresented;
    switch (phase) {
    case Phase::awaitingFirstFrame:
        finished.firstFrameNs = now().wallNs;
        phase = Phase::awaitingSpanStart;
        return false;
    case Phase::awaitingSpanStart:
        if (spanStartRequested.load(std::memory_order_relaxed)) {
            spanStart = now();
            spanStartFrame = framesPresented;
            phase = Phase::inSpan;
        }
        return false;
    case Phase::inSpan:
        if (!spanEndRequested.load(std::memory_order_relaxed))
            return false;
        finishSpan(now());
        phase = Phase::done;
        return true;
    case Phase::done:
        return false;
    }
    return false;
}

void FrameTally::finishSpan(Instant spanEnd) {
    finished.spanFrames = framesPresented - spanStartFrame;
    finished.spanNs = spanEnd.wallNs - spanStart.wallNs;
    finished.spanCpuNs = spanEnd.cpuNs - spanStart.cpuNs;
}
