// The one connection to the X server, shared by every part of the layer, and the atoms they use.
#ifndef TALVO_PLATFORM_X11_DISPLAY_H
#define TALVO_PLATFORM_X11_DISPLAY_H

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
    Atom netWmWindowType;
    Atom netWmWindowTypeDialog;
    Atom netSupported;
    Atom netSupportingWmCheck;
    Atom netRequestFrameExtents;
    Atom netFrameExtents;
    Atom motifWmHints;
    Atom messageText;
};

// The connection, opened on first need; null when no display can be opened (and every later
// call gives null too, without trying again). Protocol errors never end the program: they are
// recorded for an ErrorTrap and otherwise ignored. A lost connection ends the program at once.
Display* display();
const Atoms& atoms();
int screen();
Window rootWindow();

// Collects the protocol errors of the requests made during its lifetime.
class ErrorTrap {
  public:
    ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    // Waits until the server has handled every request made so far; true if one failed.
    bool failed();
};

} // namespace x11

#endif
