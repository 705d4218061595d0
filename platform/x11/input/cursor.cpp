#include "input/cursor.h"

#include "core/cursor_resource.h"
#include "core/window_record.h"
#include "input/pointer_state.h"
#include "window/x_window.h"
#include "xlib/connection.h"

#include <X11/cursorfont.h>

#include <iterator>

namespace x11 {

PointerState pointer;

namespace {

// The X cursor font's nearest shape for each system cursor (Xlib takes the desktop's cursor theme
// instead where one is set up).
unsigned fontShapeOf(WORD id) {
    switch (id) {
    case 32513:
        return XC_xterm;
    case 32514:
    case 32650:
        return XC_watch;
    case 32515:
        return XC_crosshair;
    case 32516:
        return XC_sb_up_arrow;
    case 32642:
        return XC_bottom_right_corner;
    case 32643:
        return XC_bottom_left_corner;
    case 32644:
        return XC_sb_h_double_arrow;
    case 32645:
        return XC_sb_v_double_arrow;
    case 32646:
        return XC_fleur;
    case 32648:
        return XC_X_cursor;
    case 32649:
        return XC_hand2;
    case 32651:
        return XC_question_arrow;
    default:
        return XC_left_ptr;
    }
}

Cursor blankCursor() {
    if (!pointer.blank) {
        const char nothing = 0;
        const Pixmap empty = XCreateBitmapFromData(display(), rootWindow(), &nothing, 1, 1);
        XColor black = {};
        pointer.blank = XCreatePixmapCursor(display(), empty, empty, &black, &black, 0, 0);
        XFreePixmap(display(), empty);
    }
    return pointer.blank;
}

Cursor systemCursor(WORD id) {
    Cursor& made = pointer.xCursors[id];
    if (!made)
        made = XCreateFontCursor(display(), fontShapeOf(id));
    return made;
}

// None leaves the desktop's cursor showing, as before SetCursor is first called.
Cursor wantedCursor() {
    if (pointer.displayCount < 0 || (pointer.shapeChosen && !pointer.shape))
        return blankCursor();
    return pointer.shapeChosen ? systemCursor(systemCursorId(pointer.shape)) : None;
}

} // namespace

void showCursorOver(Window window) {
    Cursor& defined = pointer.defined[window];
    const Cursor wanted = wantedCursor();
    if (defined != wanted) {
        XDefineCursor(display(), window, wanted);
        defined = wanted;
    }
}

void showCursorEverywhere() {
    if (!display())
        return;
    for (auto each = pointer.defined.begin(); each != pointer.defined.end();)
        each = windowOfXWindow(each->first) || each->first == pointer.clipWindow
                   ? std::next(each)
                   : pointer.defined.erase(each); // the window is gone
    for (HWND window : liveWindows())
        if (const XWindow* xWindow = xWindowOf(window); xWindow && !xWindow->gone)
            showCursorOver(xWindow->handle);
    if (pointer.clipWindow)
        showCursorOver(pointer.clipWindow);
    XFlush(display());
}

BOOL setClassCursor(HWND window, LPARAM where) {
    const WindowRecord* record = findWindow(window);
    if (!record || LOWORD(where) != HTCLIENT || !record->windowClass->cursor)
        return FALSE;
    SetCursor(record->windowClass->cursor);
    return TRUE;
}

} // namespace x11

using x11::pointer;

// The count starts at 0, as on a system with a mouse.
int WINAPI ShowCursor(BOOL show) {
    pointer.displayCount += show ? 1 : -1;
    if (pointer.displayCount == (show ? 0 : -1))
        x11::showCursorEverywhere();
    return pointer.displayCount;
}

// A handle that is none of the system's cursors is refused, and the cursor stays.
HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    const HCURSOR previous = pointer.shape;
    if (cursor && !x11::systemCursorId(cursor)) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
        return nullptr;
    }
    const bool changed = !pointer.shapeChosen || cursor != previous;
    pointer.shape = cursor;
    pointer.shapeChosen = true;
    if (changed)
        x11::showCursorEverywhere();
    return previous;
}

HCURSOR WINAPI GetCursor() {
    return pointer.shape;
}
