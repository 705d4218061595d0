// Counts presented frames and measures the span between two marks the driver sets while the
// program runs, so start-up and the resize to a new size stay out of the frame rate.
#ifndef TALVO_BENCH_FRAME_TALLY_H
#define TALVO_BENCH_FRAME_TALLY_H

#include <atomic>
#include <cstdint>

#include "frame_report.h"

// A moment on the wall clock and on the process's CPU clock.
struct Instant {
    std::int64_t wallNs;
    std::int64_t cpuNs;
};

class FrameTally {
  public:
    // Only set a flag, so they are safe to call from a signal handler. The span starts and
    // ends on the first frame presented after each request.
    void requestSpanStart() { spanStartRequested.store(true, std::memory_order_relaxed); }
    void requestSpanEnd() { spanEndRequested.store(true, std::memory_order_relaxed); }

    // Called once after each presented frame. `now` is read on the first frame and on the two
    // frames that bound the span, never on the frames in between, so counting costs the
    // measured program next to nothing. True on the frame that ends the span: the report is
    // then complete and no later frame changes it.
    bool framePresented(Instant (*now)());

    const FrameReport& report() const { return finished; }

  private:
    enum class Phase { awaitingFirstFrame, awaitingSpanStart, inSpan, done };

    void finishSpan(Instant spanEnd);

    std::atomic<bool> spanStartRequested{false};
    std::atomic<bool> spanEndRequested{false};
    Phase phase = Phase::awaitingFirstFrame;
    std::int64_t framesPresented = 0;
    std::int64_t spanStartFrame = 0;
    Instant spanStart{0, 0};
    FrameReport finished;
};

static_assert(std::atomic<bool>::is_always_lock_free, "the span requests come from signals");

#endif
