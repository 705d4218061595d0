#include "platform/x11/window_text.h"

#include "platform/x11/display.h"
#include "platform/x11/text_encoding.h"
#include "platform/x11/window.h"
#include "platform/x11/window_procedure.h"
#include "platform/x11/window_properties.h"

namespace x11 {

void setWindowText(HWND window, const char* text) {
    window->title = text ? text : "";
    setTitle(programConnection(), window->handle, utf8FromWindows1254(window->title.c_str()));
    XFlush(display());
}

} // namespace x11

// Answers as the window procedure answered WM_SETTEXT: a procedure that keeps it from the default
// one keeps the title as it was.
BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
    if (!x11::liveWindow(window))
        return FALSE;
    return x11::sendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}
