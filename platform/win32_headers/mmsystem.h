/* The winmm calls of the Linux layer: the multimedia timer's milliseconds. Part of the
 * <windows.h> of programs built on the Linux layer; C99 and C++ alike. */
#ifndef TALVO_WIN32_MMSYSTEM_H
#define TALVO_WIN32_MMSYSTEM_H

#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Milliseconds since system start, in 32 bits: the count wraps every 49.7 days. */
DWORD WINAPI timeGetTime(void);

#ifdef __cplusplus
}
#endif

#endif
