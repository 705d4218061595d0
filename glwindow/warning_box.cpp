// The warning box every failure of the window object goes through, where MessageBoxA reads the
// system's Windows-1254 texts as they are: on the X11 layer and on the tests' fake. Windows has
// its own (platform/win32/warning_box.cpp).
#include "glwindow/gl_window.h"

void GlWindow::warn(const char* text) {
    MessageBoxA(window, text, title, MB_ICONWARNING | MB_OK);
}
