#include "xlib/window_properties.h"

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
const unsigned long motifDecorResize = 1 << 2;
const unsigned long motifDecorTitle = 1 << 3;
const unsigned long motifDecorMenu = 1 << 4;
const unsigned long motifDecorMinimize = 1 << 5;
const unsigned long motifDecorMaximize = 1 << 6;

// Window managers refuse to maximise a window they may not resize, so a maximise box brings the
// resize function along; the sizing border (a decoration) comes with WS_THICKFRAME alone. Of the
// styles that draw a frame, a pop-up window may have none.
MotifHints motifHintsFor(DWORD style) {
    MotifHints hints = {motifFunctionsGiven | motifDecorationsGiven, motifFunctionMove, 0, 0, 0};
    if (!(style & WS_POPUP) || (style & (WS_CAPTION | WS_THICKFRAME)))
        hints.decorations |= motifDecorBorder;
    if ((style & WS_CAPTION) == WS_CAPTION)
        hints.decorations |= motifDecorTitle;
    if (style & WS_THICKFRAME) {
        hints.functions |= motifFunctionResize;
        hints.decorations |= motifDecorResize;
    }
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

// Where the frame goes, if anywhere; the window manager keeps the rest of the hints as it likes.
XSizeHints placementHints(const POINT* position) {
    XSizeHints hints = {};
    hints.flags = PWinGravity;
    hints.win_gravity = NorthWestGravity;
    if (position) {
        hints.flags |= USPosition;
        hints.x = position->x;
        hints.y = position->y;
    }
    return hints;
}

} // namespace

void setTitle(const Connection& connection, Window window, const std::string& utf8Title) {
    Display* display = connection.display;
    XChangeProperty(display, window, connection.atoms.netWmName, connection.atoms.utf8String, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(utf8Title.c_str()),
                    static_cast<int>(utf8Title.size()));
    // WM_NAME as Latin-1 where the title fits it, as compound text where it does not. ASCII is
    // Latin-1 already and is stored as it is: Xlib's converter sets itself up from the locale on
    // every call, which costs far more than the rest of the window's description together.
    if (isAscii(utf8Title)) {
        XStoreName(display, window, utf8Title.c_str());
        return;
    }
    char* list[] = {const_cast<char*>(utf8Title.c_str())};
    XTextProperty name;
    if (Xutf8TextListToTextProperty(display, list, 1, XStdICCTextStyle, &name) >= Success) {
        XSetWMName(display, window, &name);
        XFree(name.value);
    }
}

void setClassHint(const Connection& connection, Window window, const char* className) {
    XClassHint hint = {const_cast<char*>(className), const_cast<char*>(className)};
    XSetClassHint(connection.display, window, &hint);
}

void setCloseProtocol(const Connection& connection, Window window) {
    Atom protocols[] = {connection.atoms.wmDeleteWindow};
    XSetWMProtocols(connection.display, window, protocols, 1);
}

void setDecorations(const Connection& connection, Window window, DWORD style) {
    const MotifHints hints = motifHintsFor(style);
    XChangeProperty(connection.display, window, connection.atoms.motifWmHints,
                    connection.atoms.motifWmHints, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&hints), sizeof(hints) / sizeof(long));
}

void setPlacement(const Connection& connection, Window window, const POINT* position) {
    XSizeHints hints = placementHints(position);
    hints.flags |= PMaxSize;
    hints.max_width = DisplayWidth(connection.display, DefaultScreen(connection.display));
    hints.max_height = DisplayHeight(connection.display, DefaultScreen(connection.display));
    XSetWMNormalHints(connection.display, window, &hints);
}

void setFixedPlacement(const Connection& connection, Window window, int x, int y, int width,
                       int height) {
    const POINT position = {x, y};
    XSizeHints hints = placementHints(&position);
    hints.flags |= PMinSize | PMaxSize;
    hints.min_width = hints.max_width = width;
    hints.min_height = hints.max_height = height;
    XSetWMNormalHints(connection.display, window, &hints);
}

void sendWindowManagerRequest(const Connection& connection, Window window, Atom request,
                              std::initializer_list<long> arguments) {
    XEvent message = {};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = request;
    message.xclient.format = 32;
    const int capacity = sizeof(message.xclient.data.l) / sizeof(long);
    int count = 0;
    for (long argument : arguments)
        if (count < capacity)
            message.xclient.data.l[count++] = argument;
    XSendEvent(connection.display, DefaultRootWindow(connection.display), False,
               SubstructureNotifyMask | SubstructureRedirectMask, &message);
}

std::vector<unsigned long> readProperty(const Connection& connection, Window window, Atom property,
                                        Atom type) {
    Atom actualType;
    int actualFormat;
    unsigned long count;
    unsigned long bytesAfter;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(connection.display, window, property, 0, 1024, False, type, &actualType,
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

bool hasProperty(const Connection& connection, Window window, Atom property) {
    Atom type = None;
    int format;
    unsigned long count;
    unsigned long bytesAfter;
    unsigned char* data = nullptr;
    const bool read =
        XGetWindowProperty(connection.display, window, property, 0, 0, False, AnyPropertyType,
                           &type, &format, &count, &bytesAfter, &data) == Success;
    if (data)
        XFree(data);
    return read && type != None;
}

bool isMaximised(const Connection& connection, Window window) {
    const Atoms& atoms = connection.atoms;
    int directions = 0;
    for (unsigned long state : readProperty(connection, window, atoms.netWmState, XA_ATOM))
        if (state == atoms.netWmStateMaximizedVert || state == atoms.netWmStateMaximizedHorz)
            directions += 1;
    return directions == 2;
}

} // namespace x11
