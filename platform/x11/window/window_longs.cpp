// GetWindowLongPtrA and SetWindowLongPtrA: what Win32 keeps of a window by index. The style reads
// as Win32 keeps it (WS_VISIBLE while shown, WS_MINIMIZE and WS_MAXIMIZE as the window stands);
// a new one takes its frame at once, and shows full screen if it leaves the window frameless over
// the whole screen.
#include "core/window_record.h"
#include "window/full_screen.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/window_properties.h"

namespace {

DWORD currentStyle(HWND window, const x11::WindowRecord& record) {
    DWORD style = record.style;
    if (record.iconic)
        style |= WS_MINIMIZE;
    else if (record.shown && isMaximised(x11::programConnection(), x11::xWindowOf(window)->handle))
        style |= WS_MAXIMIZE;
    return style;
}

// A top-level window clips its siblings, whatever the style set says.
void setStyle(HWND window, x11::WindowRecord& record, DWORD style) {
    record.style = (style & ~(WS_MINIMIZE | WS_MAXIMIZE | WS_VISIBLE)) | WS_CLIPSIBLINGS |
                   (record.style & WS_VISIBLE);
    const x11::XWindow& xWindow = *x11::xWindowOf(window);
    if (!xWindow.gone)
        x11::setDecorations(x11::programConnection(), xWindow.handle, record.style);
    x11::fitFullScreenState(window);
}

} // namespace

// An index Win32 does not keep, or that the layer has no value for, gives 0 with
// ERROR_INVALID_INDEX.
LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index) {
    const x11::WindowRecord* record = x11::windowForCall(window);
    if (!record)
        return 0;
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(record->procedure);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(record->instance);
    case GWL_STYLE:
        return static_cast<LONG_PTR>(currentStyle(window, *record));
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(record->exStyle);
    case GWLP_USERDATA:
        return record->userData;
    default:
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}

// The value before; 0 for one that was 0 without touching the last error, as Win32 answers.
// WS_VISIBLE, WS_MINIMIZE and WS_MAXIMIZE follow the window's state, not the style set.
LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    x11::WindowRecord* record = x11::windowForCall(window);
    if (!record)
        return 0;
    const LONG_PTR previous = GetWindowLongPtrA(window, index);
    switch (index) {
    case GWLP_WNDPROC:
        record->procedure = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_HINSTANCE:
        record->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWL_STYLE:
        setStyle(window, *record, static_cast<DWORD>(value));
        break;
    case GWL_EXSTYLE:
        record->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_USERDATA:
        record->userData = value;
        break;
    default:
        break; // GetWindowLongPtrA has set ERROR_INVALID_INDEX
    }
    XFlush(x11::display());
    return previous;
}
