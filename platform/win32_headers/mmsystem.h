/* The winmm calls of the Linux layer: the multimedia timer's milliseconds and its period. Part of
 * the <windows.h> of programs built on the Linux layer; C99 and C++ alike. */
#ifndef TALVO_WIN32_MMSYSTEM_H
#define TALVO_WIN32_MMSYSTEM_H

#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef UINT MMRESULT;

#define MMSYSERR_NOERROR 0
#define TIMERR_NOERROR 0
#define TIMERR_NOCANDO 97

/* The timer's finest and coarsest periods, in milliseconds. */
typedef struct timecaps_tag {
    UINT wPeriodMin;
    UINT wPeriodMax;
} TIMECAPS, *PTIMECAPS, *LPTIMECAPS;

/* Milliseconds since system start, in 32 bits: the count wraps every 49.7 days. */
DWORD WINAPI timeGetTime(void);
/* The timer's period asked for and given back, in pairs. */
MMRESULT WINAPI timeBeginPeriod(UINT period);
MMRESULT WINAPI timeEndPeriod(UINT period);
MMRESULT WINAPI timeGetDevCaps(LPTIMECAPS capabilities, UINT size);

#ifdef __cplusplus
}
#endif

#endif
