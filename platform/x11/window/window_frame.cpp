// The frame around windows, as programs compute with it: AdjustWindowRectEx and the sizes of
// GetSystemMetrics. The frame is the window manager's, as it frames a window of each style, so a
// window made the size AdjustWindowRectEx gives has the client area asked for. Windows' frames are
// the same on every side but the title bar's; a manager's need not be, so the metrics are its
// frame's side (SM_CXFRAME, SM_CXFIXEDFRAME), its bottom (SM_CYFRAME, SM_CYFIXEDFRAME), and the
// title bar what the top of a fixed frame adds to its bottom (SM_CYCAPTION). Without a window
// manager there is no frame, and each is 0.
#include "display/screen.h"
#include "xlib/connection.h"
#include "xlib/frame_extents.h"

namespace {

const DWORD fixedFrame = WS_CAPTION | WS_SYSMENU;
const DWORD sizingFrame = WS_OVERLAPPEDWINDOW;

// The style as Win32 frames it: a window neither pop-up nor child has a title bar.
DWORD framedStyle(DWORD style) {
    return style & WS_POPUP ? style : style | WS_CAPTION;
}

} // namespace

// The layer has no menus: a menu bar takes no room.
BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL, DWORD) {
    if (!rect)
        return FALSE;
    if (!x11::display())
        return TRUE;
    const x11::FrameExtents frame = x11::frameExtentsOfStyle(framedStyle(style));
    *rect = {rect->left - frame.left, rect->top - frame.top, rect->right + frame.right,
             rect->bottom + frame.bottom};
    return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) {
    return AdjustWindowRectEx(rect, style, menu, 0);
}

// 0, with no error set, for a metric the layer does not know, as for one Windows does not.
int WINAPI GetSystemMetrics(int index) {
    if (!x11::display())
        return 0;
    switch (index) {
    case SM_CXSCREEN:
        return x11::screenArea().right;
    case SM_CYSCREEN:
        return x11::screenArea().bottom;
    case SM_CXFULLSCREEN: {
        const RECT area = x11::workArea();
        return area.right - area.left;
    }
    case SM_CYFULLSCREEN: {
        const RECT area = x11::workArea();
        return area.bottom - area.top - GetSystemMetrics(SM_CYCAPTION);
    }
    case SM_CXFRAME:
        return x11::frameExtentsOfStyle(sizingFrame).left;
    case SM_CYFRAME:
        return x11::frameExtentsOfStyle(sizingFrame).bottom;
    case SM_CXFIXEDFRAME:
        return x11::frameExtentsOfStyle(fixedFrame).left;
    case SM_CYFIXEDFRAME:
        return x11::frameExtentsOfStyle(fixedFrame).bottom;
    case SM_CYCAPTION: {
        const x11::FrameExtents frame = x11::frameExtentsOfStyle(fixedFrame);
        return frame.top - frame.bottom;
    }
    case SM_CXBORDER:
    case SM_CYBORDER:
        return x11::frameExtentsOfStyle(WS_POPUP | WS_BORDER).left;
    default: // SM_CXPADDEDBORDER among them: the frame has no padding beside its border
        return 0;
        return 0;
    }
}
