#include "window/window_text.h"

#include "core/text_encoding.h"
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/window_properties.h"

namespace x11 {

bool setWindowText(HWND window, const char* text) {
    WindowRecord* record = findWindow(window);
    if (!record)
        return false;
    record->title = text ? text : "";
    setTitle(programConnection(), xWindowOf(window)->handle,
             utf8FromWindows1254(record->title.c_str()));
    XFlush(display());
    return true;
}

} // namespace x11

// Answers as the window procedure answered WM_SETTEXT: a procedure that keeps it from the default
// one keeps the title as it was.
BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
    if (!x11::findWindow(window))
        return FALSE;
    return x11::sendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}
