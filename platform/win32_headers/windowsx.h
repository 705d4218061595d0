/* The message crackers of <windowsx.h> that the Linux layer's programs use: a mouse message's
 * position. C99 and C++ alike. */
#ifndef TALVO_WIN32_WINDOWSX_H
#define TALVO_WIN32_WINDOWSX_H

#include "windef.h"

#define GET_X_LPARAM(lp) TALVO_WIN32_CAST(int, TALVO_WIN32_CAST(SHORT, LOWORD(lp)))
#define GET_Y_LPARAM(lp) TALVO_WIN32_CAST(int, TALVO_WIN32_CAST(SHORT, HIWORD(lp)))

#endif
