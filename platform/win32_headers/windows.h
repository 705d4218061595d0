/* <windows.h> for programs built on the Linux layer: the Win32 calls the layer provides, with the
 * types and constants they take, spelt, sized and numbered as Windows' own header has them, and
 * nothing the layer does not provide. C99 and C++ alike. As on Windows, WIN32_LEAN_AND_MEAN leaves
 * out the multimedia timer (<mmsystem.h>), and the message crackers are in <windowsx.h>. */
#ifndef TALVO_WIN32_WINDOWS_H
#define TALVO_WIN32_WINDOWS_H

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"
#ifndef WIN32_LEAN_AND_MEAN
#include "mmsystem.h"
#endif

#endif
