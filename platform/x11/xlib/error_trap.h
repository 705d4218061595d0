// The trap for the protocol errors of the calls made on the program's connection.
#ifndef TALVO_PLATFORM_X11_XLIB_ERROR_TRAP_H
#define TALVO_PLATFORM_X11_XLIB_ERROR_TRAP_H

#include <X11/Xlib.h>

#include <cstddef>

namespace x11 {

// From here on, protocol errors on any connection are recorded for the traps of the time and
// otherwise ignored: none ends the program.
void trapProtocolErrors();

// Collects the protocol errors of the requests made on the program's connection during its
// lifetime. Traps nest: the errors of an inner trap's requests are the outer one's too, while an
// error of a request made before the inner trap began stays the outer one's alone. A trap lives
// on the stack, so traps end in the reverse order they began.
class ErrorTrap {
  public:
    // `guardedCall` names the call the trap guards, for the report of a failure.
    explicit ErrorTrap(const char* guardedCall);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    static void* operator new(std::size_t) = delete;

    // Waits until the server has handled every request made so far; true if one failed. The first
    // failure is then told on standard error: the call, what the server answered, and to which
    // request.
    bool failed();
    // The same wait, for requests whose refusal is an answer the caller passes on: the code of the
    // first error (Success without one), told nowhere.
    unsigned char refusal();

  private:
    friend void trapProtocolErrors(); // installs the error handler
    static int recordError(Display* connection, XErrorEvent* error);

    const char* call;
    Display* connection;
    ErrorTrap* enclosing;
    XErrorEvent firstError = {}; // its error_code is Success until an error comes
    bool reported = false;
};

} // namespace x11

#endif
