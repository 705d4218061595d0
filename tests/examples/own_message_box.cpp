// A program of one's own for Windows, its texts in the system's code page: it shows a message box
// of its own, then its window procedure refuses the window, so the library warns that the window
// could not be created, captioned with the program's title. Exit code 1.
#include "glwindow/gl_window.h"

GlWindow theWindow;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE)
        return -1; // CreateWindowExA then fails
    return DefWindowProcA(window, message, wParam, lParam);
}

// Windows-1252: "Café Þór", a title whose letters read otherwise in Windows-1254 ("Café Şór").
const char title[] = "Caf\xE9 \xDE\xF3r";

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    MessageBoxA(nullptr, "\xDE\xF3r's caf\xE9 is open.", title, MB_OK);
    return theWindow.create(instance, 640, 480, title, "own_message_box", showCommand) ? 0 : 1;
}
