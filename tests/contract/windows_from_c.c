/* A window's life as a C program writes it, through the names <windows.h> maps to the ANSI calls
 * without UNICODE: built as C99, it shows that the header compiles as C and that each name is the
 * call or record it stands for. */
#include "tests/contract/windows_from_c.h"

#include <windows.h>

int windowFromC(const char* className) {
    LPCTSTR title = TEXT("C");
    TCHAR letter = title[0];
    MSG message;
    DEVMODE mode;
    HWND window =
        CreateWindow(className, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                     CW_USEDEFAULT, CW_USEDEFAULT, NULL, NULL, GetModuleHandle(NULL), NULL);
    int done = window != NULL && letter == 'C';
    done = done && PostMessage(window, WM_USER, 0, 0) &&
           PeekMessage(&message, window, WM_USER, WM_USER, PM_REMOVE);
    done = done && DispatchMessage(&message) == DefWindowProc(window, WM_USER, 0, 0);
    done = done && SendMessage(window, WM_USER, 0, 0) == 0 &&
           SetWindowLongPtr(window, GWLP_USERDATA, 1) == 0 &&
           GetWindowLongPtr(window, GWLP_USERDATA) == 1;
    mode.dmSize = sizeof mode;
    mode.dmDriverExtra = 0;
    done = done && EnumDisplaySettings(NULL, ENUM_CURRENT_SETTINGS, &mode) && mode.dmPelsWidth > 0;
    return window != NULL && DestroyWindow(window) && done;
}
