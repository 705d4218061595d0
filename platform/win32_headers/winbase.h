/* The kernel32 calls of the Linux layer: the last error, the program's module and the
 * high-resolution counter. Part of
 * the <windows.h> of programs built on the Linux layer; C99 and C++ alike. */
#ifndef TALVO_WIN32_WINBASE_H
#define TALVO_WIN32_WINBASE_H

#include "windef.h"

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

/* The calling thread's last error: what the last failed call set (winerror.h), until set again. */
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD error);

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
