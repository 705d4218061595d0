// Connections to the X server: the program's, shared by every part of the layer, and any other a
// part opens for itself; and the atoms the layer uses.
#ifndef TALVO_PLATFORM_X11_XLIB_CONNECTION_H
#define TALVO_PLATFORM_X11_XLIB_CONNECTION_H

#include <X11/Xlib.h>

namespace x11 {

struct Atoms {
    Atom wmProtocols;
    Atom wmDeleteWindow;
    Atom wmState;
    Atom utf8String;
    Atom netWmName;
    Atom netWmState;
    Atom netWmStateMaximizedVert;
    Atom netWmStateMaximizedHorz;
    Atom netWmStateModal;
    Atom netWmStateFullscreen;
    Atom netActiveWindow;
    Atom netWorkarea;
    Atom netWmWindowType;
    Atom netWmWindowTypeDialog;
    Atom netSupported;
    Atom netSupportingWmCheck;
    Atom netRequestFrameExtents;
    Atom netFrameExtents;
    Atom motifWmHints;
    Atom messageText;
    Atom capsLock; // the keyboard's indicators
    Atom numLock;
    Atom scrollLock;
};

// A connection and the layer's atoms, interned on it. Protocol errors never end the program: they
// are recorded for an ErrorTrap (xlib/error_trap.h) and otherwise ignored.
struct Connection {
    Display* display;
    Atoms atoms;
};

// The exit code of a program whose own connection is lost: there is nothing left to show a
// message on, and nothing to clean up.
const int connectionLostExitCode = 1;

// A connection of the caller's own; the display is null when none can be opened. Losing it ends
// only what the caller does on it: `lost` turns true and every later call on it fails at once,
// except those that wait for an event, which must not be made then: the caller reads only the
// events XPending says are there.
Connection openConnection(bool& lost);

// The program's connection, opened on first need; its display is null when none can be opened
// (and every later call gives null too, without trying again). Losing it ends the program at
// once, with connectionLostExitCode.
const Connection& programConnection();
// The program's display and atoms, as nearly every part of the layer uses them.
inline Display* display() {
    return programConnection().display;
}
inline const Atoms& atoms() {
    return programConnection().atoms;
}
int screen();
Window rootWindow();
// The descriptor of the program's connection; -1 before it is opened, or when none could be.
int programConnectionNumber();

} // namespace x11

#endif
