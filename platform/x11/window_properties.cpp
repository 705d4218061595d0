#include "platform/x11/window_properties.h"

#include "platform/x11/display.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace x11 {
namespace {

// The layout of _MOTIF_WM_HINTS, five 32-bit items, as the Motif window manager defined it.
struct MotifHints {
    unsigned long flags;
    unsigned long functions;
    unsigned long decorations;
    long inputMode;
    unsigned long status;
};
const unsigned long motifFunctionsGiven = 1 << 0;
const unsigned long motifDecorationsGiven = 1 << 1;
const unsigned long motifFunctionResize = 1 << 1;
const unsigned long motifFunctionMove = 1 << 2;
const unsigned long motifFunctionMinimize = 1 << 3;
const unsigned long motifFunctionMaximize = 1 << 4;
const unsigned long motifFunctionClose = 1 << 5;
const unsigned long motifDecorBorder = 1 << 1;
const unsigned long motifDecorTitle = 1 << 3;
const unsigned long motifDecorMenu = 1 << 4;
const unsigned long motifDecorMinimize = 1 << 5;
const unsigned long motifDecorMaximize = 1 << 6;

// Window managers refuse to maximise a window they may not resize, so a maximise box brings the
// resize function along; only the sizing border (a decoration) stays off.
MotifHints motifHintsFor(DWORD style) {
    MotifHints hints = {motifFunctionsGiven | motifDecorationsGiven, motifFunctionMove,
                        motifDecorBorder, 0, 0};
    if ((style & WS_CAPTION) == WS_CAPTION)
        hints.decorations |= motifDecorTitle;
    if (style & WS_SYSMENU) {
        hints.functions |= motifFunctionClose;
        hints.decorations |= motifDecorMenu;
    }
    if (style & WS_MINIMIZEBOX) {
        hints.functions |= motifFunctionMinimize;
        hints.decorations |= motifDecorMinimize;
    }
    if (style & WS_MAXIMIZEBOX) {
        hints.functions |= motifFunctionMaximize | motifFunctionResize;
        hints.decorations |= motifDecorMaximize;
    }
    return hints;
}

bool isAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

} // namespace

void setTitle(Window window, const std::string& utf8Title) {
    Display* connection = display();
    XChangeProperty(connection, window, atoms().netWmName, atoms().utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8Title.c_str()),
                    static_cast<int>(utf8Title.size()));
    // WM_NAME as Latin-1 where the title fits it, as compound text where it does not. ASCII is
    // Latin-1 already and is stored as it is: Xlib's converter sets itself up from the locale on
    // every call, which costs far more than the rest of the window's description together.
    if (isAscii(utf8Title)) {
        XStoreName(connection, window, utf8Title.c_str());
        return;
    }
    char* list[] = {const_cast<char*>(utf8Title.c_str())};
    XTextProperty name;
    if (Xutf8TextListToTextProperty(connection, list, 1, XStdICCTextStyle, &name) >= Success) {
        XSetWMName(connection, window, &name);
        XFree(name.value);
    }
}

void setClassHint(Window window, const char* className) {
    XClassHint hint = {const_cast<char*>(className), const_cast<char*>(className)};
    XSetClassHint(display(), window, &hint);
}

void setCloseProtocol(Window window) {
    Atom protocols[] = {atoms().wmDeleteWindow};
    XSetWMProtocols(display(), window, protocols, 1);
}

void setDecorations(Window window, DWORD style) {
    const MotifHints hints = motifHintsFor(style);
    XChangeProperty(display(), window, atoms().motifWmHints, atoms().motifWmHints, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&hints),
                    sizeof(hints) / sizeof(long));
}

void setPlacement(Window window, int x, int y, int width, int height, bool fixedSize) {
    XSizeHints hints = {};
    hints.flags = USPosition | PWinGravity;
    hints.x = x;
    hints.y = y;
    hints.win_gravity = NorthWestGravity;
    if (fixedSize) {
        hints.flags |= PMinSize | PMaxSize;
        hints.min_width = hints.max_width = width;
        hints.min_height = hints.max_height = height;
    }
    XSetWMNormalHints(display(), window, &hints);
}

std::vector<unsigned long> readProperty(Window window, Atom property, Atom type) {
    Atom actualType;
    int actualFormat;
    unsigned long count;
    unsigned long bytesAfter;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display(), window, property, 0, 1024, False, type, &actualType,
                           &actualFormat, &count, &bytesAfter, &data) == Success &&
        actualType == type && actualFormat == 32) {
        // Xlib hands 32-bit items over as longs.
        const unsigned long* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

bool isMaximised(Window window) {
    int directions = 0;
    for (unsigned long state : readProperty(window, atoms().netWmState, XA_ATOM))
        if (state == atoms().netWmStateMaximizedVert || state == atoms().netWmStateMaximizedHorz)
            directions += 1;
    return directions == 2;
}

} // namespace x11
