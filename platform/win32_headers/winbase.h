/* The kernel32 calls of the Linux layer: the last error, the program's module, sleeping, the clocks
 * and the memory macros. Part of the <windows.h> of programs built on the Linux layer; C99 and C++
 * alike. */
#ifndef TALVO_WIN32_WINBASE_H
#define TALVO_WIN32_WINBASE_H

#include "windef.h"

#include <string.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef union _LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    LONGLONG QuadPart;
} LARGE_INTEGER, *PLARGE_INTEGER;

/* Waits: no limit on the time, and what a wait ended with. */
#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_FAILED TALVO_WIN32_CAST(DWORD, 0xFFFFFFFF)

/* Memory, as the C library has it. */
#define MoveMemory(destination, source, length) memmove((destination), (source), (length))
#define CopyMemory(destination, source, length) memcpy((destination), (source), (length))
#define FillMemory(destination, length, fill) memset((destination), (fill), (length))
#define ZeroMemory(destination, length) memset((destination), 0, (length))

/* Zeroes memory even where nothing reads it afterwards: through a volatile pointer, which the
 * compiler may not leave out as it may leave out a memset before the memory's end. */
static inline void* SecureZeroMemory(void* destination, size_t length) {
    volatile unsigned char* byte = (volatile unsigned char*)destination;
    while (length--)
        *byte++ = 0;
    return destination;
}

/* The calling thread's last error: what the last failed call set (winerror.h), until set again. */
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD error);

/* Suspends the thread for at least that many milliseconds; 0 gives up the rest of its turn. */
void WINAPI Sleep(DWORD milliseconds);
/* Milliseconds since system start: in 32 bits, which wrap every 49.7 days, and in 64. */
DWORD WINAPI GetTickCount(void);
ULONGLONG WINAPI GetTickCount64(void);
/* The program's own module (name null): the instance WinMain was given. No other module is loaded
 * by name: null, with ERROR_MOD_NOT_FOUND. */
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);

/* Counts since system start, and counts per second. */
BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count);
BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency);

/* The program's entry point, which the layer's process entry calls. */
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand);

#ifdef __cplusplus
}
#endif

/* The unsuffixed names, as <windows.h> maps them without UNICODE. */
#ifndef UNICODE
#define GetModuleHandle GetModuleHandleA
#endif

#endif
