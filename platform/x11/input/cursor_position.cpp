// Where the pointer is on the screen: read from the server, and moved there.
#include "input/cursor_clip.h"
#include "xlib/connection.h"

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (!point) {
        SetLastError(ERROR_NOACCESS);
        return FALSE;
    }
    if (!x11::display())
        return FALSE;
    Window root;
    Window child;
    int x;
    int y;
    int windowX;
    int windowY;
    unsigned modifiers;
    XQueryPointer(x11::display(), x11::rootWindow(), &root, &child, &x, &y, &windowX, &windowY,
                  &modifiers);
    *point = {x, y};
    return TRUE;
}

// Kept to the screen, and to the rectangle ClipCursor keeps the pointer in.
BOOL WINAPI SetCursorPos(int x, int y) {
    if (!x11::display())
        return FALSE;
    const POINT to = x11::clippedPoint({x, y});
    XWarpPointer(x11::display(), None, x11::rootWindow(), 0, 0, 0, 0, to.x, to.y);
    XFlush(x11::display());
    return TRUE;
}
