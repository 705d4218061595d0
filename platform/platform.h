// The windowing contract the application is written against: the Win32 window manager, GDI,
// WGL and multimedia-timer calls it makes, with the types and constants they take.
//
// On Windows this is the real system. Elsewhere the same names are declared by the Linux layer's
// own <windows.h> (platform/win32_headers), with the Win32 spelling, sizes and values, and a layer
// of our own provides them (platform/x11 on Xlib and GLX; tests/fake for the unit tests). Handles
// are pointers to incomplete record types, so each provider defines what a handle points to and
// nothing else can look inside.
#ifndef TALVO_PLATFORM_PLATFORM_H
#define TALVO_PLATFORM_PLATFORM_H

#ifdef _WIN32
// The Win32 calls are declared without dllimport, so they bind to whichever definitions the
// program is linked with: the system DLLs' import libraries, or a provider of our own such as
// the tests' recording fake.
#define _USER32_
#define _GDI32_
#define _WINMM_
#endif

#include <windows.h>
#include <windowsx.h>
#include <mmsystem.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/wglext.h>

// The window system reads these records by their Win32 layout, whichever provider is linked.
static_assert(sizeof(WNDCLASSEXA) == (sizeof(void*) == 4 ? 48 : 80),
              "WNDCLASSEXA keeps its Win32 layout: 48 bytes with 32-bit pointers, 80 with 64-bit");
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "PIXELFORMATDESCRIPTOR keeps its Win32 layout");

#endif
