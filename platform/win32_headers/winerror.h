/* The error codes GetLastError gives for the calls of the Linux layer, with Win32's values. Part
 * of the <windows.h> of programs built on the Linux layer; C99 and C++ alike. */
#ifndef TALVO_WIN32_WINERROR_H
#define TALVO_WIN32_WINERROR_H

#define ERROR_SUCCESS 0L
#define NO_ERROR 0L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CLASS_DOES_NOT_EXIST 1411L
#define ERROR_CLASS_HAS_WINDOWS 1412L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_INVALID_PIXEL_FORMAT 2000L

#endif
