// Sleeping, and the timer period Windows programs ask for to sleep finely. Linux sleeps to the
// millisecond and finer whatever is asked, so a period asked for changes nothing here; it is only
// checked, as Windows checks it, so that a program learns of a period it could not have.
#include "platform/platform.h"

#include <cerrno>
#include <sched.h>
#include <time.h>
#include <unistd.h>

namespace {

// The periods Windows offers, in milliseconds.
const UINT finestPeriod = 1;
const UINT coarsestPeriod = 1000000;

MMRESULT checkPeriod(UINT period) {
    return period < finestPeriod || period > coarsestPeriod ? TIMERR_NOCANDO : TIMERR_NOERROR;
}

} // namespace

// A signal the program handles does not cut the sleep short: Windows knows no such interruption.
void WINAPI Sleep(DWORD milliseconds) {
    if (milliseconds == 0) {
        sched_yield();
        return;
    }
    if (milliseconds == INFINITE) {
        for (;;)
            pause();
    }
    timespec remaining = {static_cast<time_t>(milliseconds / 1000),
                          static_cast<long>(milliseconds % 1000) * 1000000};
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

MMRESULT WINAPI timeBeginPeriod(UINT period) {
    return checkPeriod(period);
}

MMRESULT WINAPI timeEndPeriod(UINT period) {
    return checkPeriod(period);
}

MMRESULT WINAPI timeGetDevCaps(LPTIMECAPS capabilities, UINT size) {
    if (!capabilities || size < sizeof(TIMECAPS))
        return TIMERR_NOCANDO;
    capabilities->wPeriodMin = finestPeriod;
    capabilities->wPeriodMax = coarsestPeriod;
    return MMSYSERR_NOERROR;
}
