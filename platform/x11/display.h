// Connections to the X server: the program's, shared by every part of the layer, and any other a
// part opens for itself; the atoms the layer uses; and the trap for the protocol errors of a call.
#ifndef TALVO_PLATFORM_X11_DISPLAY_H
#define TALVO_PLATFORM_X11_DISPLAY_H

#include <X11/Xlib.h>

#include <cstddef>

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

// A connection and the layer's atoms, interned on it. Protocol errors never end the program: they
// are recorded for an ErrorTrap and otherwise ignored. Losing the program's connection ends the
// program at once.
struct Connection {
    Display* display;
    Atoms atoms;
};

// A connection of the caller's own, which it closes with XCloseDisplay; the display is null when
// none can be opened. Losing it ends only what the caller does on it: `lost` turns true and every
// later call on it fails at once, except those that wait for an event, which must not be made
// then: the caller reads only the events XPending says are there.
Connection openConnection(bool& lost);

// The program's connection, opened on first need; its display is null when none can be opened
// (and every later call gives null too, without trying again).
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

// Collects the protocol errors of the requests made on the program's connection during its
// lifetime. Traps nest: the errors of an inner trap's requests are the outer one's too, while an
// error of a request made before the inner trap began stays the outer one's alone. A trap lives
// on the stack, so traps end in the reverse order they began.
class ErrorTrap {
  public:
    // `call` names the call the trap guards, for the report of a failure.
    explicit ErrorTrap(const char* call);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    static void* operator new(std::size_t) = delete;

    // Waits until the server has handled every request made so far; true if one failed. The first
    // failure is then told on standard error: the call, what the server answered, and to which
    // request.
    bool failed();

  private:
    friend Connection openConnection(XIOErrorExitHandler, void*); // installs the error handler
    static int recordError(Display* connection, XErrorEvent* error);

    const char* call;
    Display* connection;
    ErrorTrap* enclosing;
    XErrorEvent firstError = {}; // its error_code is Success until an error comes
    bool reported = false;
};

} // namespace x11

#endif
