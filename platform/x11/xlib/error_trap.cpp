#include "xlib/error_trap.h"

#include "xlib/connection.h"
#include "xlib/xlib_state.h"

#include <cstdio>

namespace x11 {

void trapProtocolErrors() {
    XSetErrorHandler(ErrorTrap::recordError);
}

// Errors arrive asynchronously: syncing first settles the earlier requests, so their errors go to
// the traps that were there when they were made.
ErrorTrap::ErrorTrap(const char* guardedCall)
    : call(guardedCall), connection(display()), enclosing(xlib.innermostTrap) {
    XSync(connection, False);
    xlib.innermostTrap = this;
}

ErrorTrap::~ErrorTrap() {
    xlib.innermostTrap = enclosing;
}

bool ErrorTrap::failed() {
    XSync(connection, False);
    if (firstError.error_code == Success)
        return false;
    if (!reported) {
        reported = true;
        char text[160];
        XGetErrorText(connection, firstError.error_code, text, sizeof(text));
        std::fprintf(stderr, "%s: %s, in answer to X request %d.%d\n", call, text,
                     firstError.request_code, firstError.minor_code);
    }
    return true;
}

unsigned char ErrorTrap::refusal() {
    XSync(connection, False);
    return firstError.error_code;
}

int ErrorTrap::recordError(Display* connection, XErrorEvent* error) {
    for (ErrorTrap* trap = xlib.innermostTrap; trap; trap = trap->enclosing)
        if (trap->connection == connection && trap->firstError.error_code == Success)
            trap->firstError = *error;
    return 0;
}

} // namespace x11
