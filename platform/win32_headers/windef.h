/* The Win32 base types on Linux: integers of Win32's sizes, handles, points and rectangles, and
 * the macros that pack and unpack them. Part of the <windows.h> of programs built on the Linux
 * layer; C99 and C++ alike. */
#ifndef TALVO_WIN32_WINDEF_H
#define TALVO_WIN32_WINDEF_H

#include <stddef.h> /* NULL, as Windows' headers bring it */
#include <stdint.h>

#define WINAPI
#define CALLBACK
#ifndef APIENTRY
#define APIENTRY WINAPI
#endif

/* LONG and DWORD are 32 bits, as on Windows, whatever the width of C's long. */
typedef int BOOL;
typedef unsigned char BYTE;
typedef short SHORT;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int INT;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef float FLOAT;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef WORD ATOM;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BOOL* LPBOOL;
typedef DWORD* LPDWORD;

#define TRUE 1
#define FALSE 0

/* Handles point to incomplete types: each provider defines what a handle stands for, and nothing
 * else can look inside. */
#define DECLARE_HANDLE(name) typedef struct name##__* name
typedef void* HANDLE;
DECLARE_HANDLE(HINSTANCE);
typedef HINSTANCE HMODULE;
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HGLRC);
DECLARE_HANDLE(HICON);
typedef HICON HCURSOR;
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HMENU);

typedef INT_PTR(WINAPI* PROC)(void);

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *PPOINT, *LPPOINT;

typedef struct _POINTL {
    LONG x;
    LONG y;
} POINTL, *PPOINTL;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *PRECT, *LPRECT;
typedef const RECT* LPCRECT;

/* The unsuffixed text types, as Windows maps them without UNICODE: the ANSI ones. Under UNICODE
 * they would be the UTF-16 ones, which the layer does not provide. */
#ifndef UNICODE
typedef char TCHAR;
typedef LPSTR LPTSTR;
typedef LPCSTR LPCTSTR;
#define __TEXT(quote) quote
#define TEXT(quote) __TEXT(quote)
#endif

/* The macros' casts: in C++ in function notation, which means what C's does and draws no
 * -Wold-style-cast warning in the program that expands them. */
#ifdef __cplusplus
#define TALVO_WIN32_CAST(type, value) (type(value))
#else
#define TALVO_WIN32_CAST(type, value) ((type)(value))
#endif

#define LOWORD(l) TALVO_WIN32_CAST(WORD, TALVO_WIN32_CAST(DWORD_PTR, l) & 0xffff)
#define HIWORD(l) TALVO_WIN32_CAST(WORD, (TALVO_WIN32_CAST(DWORD_PTR, l) >> 16) & 0xffff)
#define MAKELONG(l, h)                                                                             \
    TALVO_WIN32_CAST(LONG, TALVO_WIN32_CAST(WORD, l) |                                             \
                               (TALVO_WIN32_CAST(DWORD, TALVO_WIN32_CAST(WORD, h)) << 16))

#endif
