// The millisecond clock of the multimedia timer calls.
#include "platform/platform.h"

#include <time.h>

// The monotonic clock counts from system start; only its low 32 bits of milliseconds are kept,
// so the count wraps every 49.7 days, as the Windows one does.
DWORD WINAPI timeGetTime() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::uint64_t milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000 +
                                       static_cast<std::uint64_t>(now.tv_nsec) / 1000000;
    return static_cast<DWORD>(milliseconds);
}
