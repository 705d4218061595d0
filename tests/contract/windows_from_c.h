// A window's life written in C99 against <windows.h>, with the unsuffixed names as Win32 programs
// use them (windows_from_c.c).
#ifndef TALVO_TESTS_CONTRACT_WINDOWS_FROM_C_H
#define TALVO_TESTS_CONTRACT_WINDOWS_FROM_C_H

#ifdef __cplusplus
extern "C" {
#endif

// Makes a window of the class (its default size and place), dispatches what is posted to it and
// destroys it: 1 when each step succeeds.
int windowFromC(const char* className);

#ifdef __cplusplus
}
#endif

#endif
