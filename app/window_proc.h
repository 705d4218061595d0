// The window procedure of the application's window class.
#ifndef TALVO_APP_WINDOW_PROC_H
#define TALVO_APP_WINDOW_PROC_H

#include "platform/platform.h"

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
