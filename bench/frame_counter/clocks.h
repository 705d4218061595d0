// The clocks the frame counter and the driver read. Both use CLOCK_MONOTONIC, so a time taken
// inside a measured program and one taken by the driver can be subtracted.
#ifndef TALVO_BENCH_CLOCKS_H
#define TALVO_BENCH_CLOCKS_H

#include <cstdint>
#include <ctime>

inline std::int64_t nanosecondsOn(clockid_t clock) {
    timespec now;
    clock_gettime(clock, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

inline std::int64_t monotonicNanoseconds() {
    return nanosecondsOn(CLOCK_MONOTONIC);
}

#endif
