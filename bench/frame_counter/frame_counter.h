// The frame counter as a measured program carries it. Call frameCounterPresented() once after
// every buffer swap. The driver marks the measured span with SIGUSR1 (start) and SIGUSR2 (end);
// on the frame that ends the span the counter writes its report line to the file descriptor
// named by FRAME_COUNTER_FD, or to standard error without one.
#ifndef TALVO_BENCH_FRAME_COUNTER_H
#define TALVO_BENCH_FRAME_COUNTER_H

extern "C" void frameCounterPresented();

#endif
