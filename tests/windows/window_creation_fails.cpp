// The program on the real Win32 but for CreateWindowExA, which fails here: the program shows
// its warning boxes for that and ends with exit code 1, so a test can read the boxes as the user
// sees them.
#include "platform/platform.h"

HWND WINAPI CreateWindowExA(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU,
                            HINSTANCE, LPVOID) {
    return nullptr;
}
