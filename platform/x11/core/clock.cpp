// The clocks: the multimedia timer's milliseconds, the tick count and the performance counter, all
// on the monotonic clock, which counts from system start.
#include "platform/platform.h"

#include <cstdint>
#include <time.h>

namespace {

const std::int64_t nanosecondsPerSecond = 1000000000;

std::int64_t monotonicNanoseconds() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * nanosecondsPerSecond + now.tv_nsec;
}

std::uint64_t monotonicMilliseconds() {
    return static_cast<std::uint64_t>(monotonicNanoseconds()) / 1000000;
}

} // namespace

// Only the low 32 bits of milliseconds are kept, so the count wraps every 49.7 days, as the
// Windows one does.
DWORD WINAPI timeGetTime() {
    return static_cast<DWORD>(monotonicMilliseconds());
}

// The same milliseconds as timeGetTime, as on Windows, where both count from system start.
DWORD WINAPI GetTickCount() {
    return static_cast<DWORD>(monotonicMilliseconds());
}

ULONGLONG WINAPI GetTickCount64() {
    return monotonicMilliseconds();
}

// Nanoseconds: they last 292 years in the 64-bit count.
BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count) {
    if (!count)
        return FALSE;
    count->QuadPart = monotonicNanoseconds();
    return TRUE;
}

BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
    if (!frequency)
        return FALSE;
    frequency->QuadPart = nanosecondsPerSecond;
    return TRUE;
}
