#include "input/cursor_clip.h"

#include "input/cursor.h"
#include "input/pointer_state.h"
#include "xlib/connection.h"

#include <algorithm>

namespace x11 {
namespace {

RECT screenRect() {
    return {0, 0, DisplayWidth(display(), screen()), DisplayHeight(display(), screen())};
}

// An input-only window at the bottom of the stack, so that it takes no event from the windows
// over it: the pointer, grabbed, is confined to it. Events the grab brings it from other
// programs' windows belong to no window of the program's, and the pump passes them by. It shows
// the program's cursor, which the grab shows outside the program's windows.
void confinePointer(const RECT& rect) {
    const unsigned width = static_cast<unsigned>(rect.right - rect.left);
    const unsigned height = static_cast<unsigned>(rect.bottom - rect.top);
    if (!pointer.clipWindow) {
        XSetWindowAttributes attributes = {};
        attributes.override_redirect = True;
        pointer.clipWindow =
            XCreateWindow(display(), rootWindow(), rect.left, rect.top, width, height, 0, 0,
                          InputOnly, CopyFromParent, CWOverrideRedirect, &attributes);
    } else {
        XMoveResizeWindow(display(), pointer.clipWindow, rect.left, rect.top, width, height);
    }
    XMapWindow(display(), pointer.clipWindow);
    XLowerWindow(display(), pointer.clipWindow);
    showCursorEverywhere();
    XGrabPointer(display(), pointer.clipWindow, True,
                 ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                 GrabModeAsync, pointer.clipWindow, None, CurrentTime);
}

} // namespace

POINT clippedPoint(POINT point) {
    const RECT bounds = pointer.clipped ? pointer.clip : screenRect();
    return {std::clamp(point.x, bounds.left, bounds.right - 1),
            std::clamp(point.y, bounds.top, bounds.bottom - 1)};
}

void releaseCursorClip() {
    if (!pointer.clipped)
        return;
    pointer.clipped = false;
    XUngrabPointer(display(), CurrentTime);
    XUnmapWindow(display(), pointer.clipWindow);
    XFlush(display());
}

} // namespace x11

// The rectangle is cut to the screen; right and bottom are outside it, as in every RECT.
BOOL WINAPI ClipCursor(const RECT* rect) {
    if (!x11::display())
        return FALSE;
    if (!rect) {
        x11::releaseCursorClip();
        return TRUE;
    }
    const RECT screen = x11::screenRect();
    RECT clip = {std::max(rect->left, screen.left), std::max(rect->top, screen.top),
                 std::min(rect->right, screen.right), std::min(rect->bottom, screen.bottom)};
    clip.right = std::max(clip.right, clip.left + 1);
    clip.bottom = std::max(clip.bottom, clip.top + 1);
    x11::pointer.clipped = true;
    x11::pointer.clip = clip;
    x11::confinePointer(clip);
    return TRUE;
}

BOOL WINAPI GetClipCursor(LPRECT rect) {
    if (!rect || !x11::display())
        return FALSE;
    *rect = x11::pointer.clipped ? x11::pointer.clip : x11::screenRect();
    return TRUE;
}
