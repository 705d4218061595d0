#include "platform/x11/display.h"

#include "platform/x11/process_signals.h"

#include <X11/XKBlib.h>
#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace x11 {
namespace {

const int connectionLostExitCode = 1;

Connection program = {};
bool programOpened = false;
ErrorTrap* innermostTrap = nullptr;

// Xlib calls this for any lost connection, then that connection's exit handler, which decides.
int leaveLossToConnection(Display*) {
    return 0;
}

// The program's server lost leaves nothing to show a message on and nothing to clean up: the
// process ends here, before anything else can touch the dead connection (the GL driver's exit
// handlers would).
void endProgram(Display*, void*) {
    _exit(connectionLostExitCode);
}

// The GL driver talks to the server on the program's connection too, and some of its paths use an
// answer they did not get from a server gone, without looking: a crash that follows the loss of
// the connection ends the program as the loss does. Any other crash goes on as one.
void endCrashAfterConnectionLoss(int signal) {
    pollfd connection = {ConnectionNumber(program.display), 0, 0};
    if (poll(&connection, 1, 0) == 1 && (connection.revents & (POLLHUP | POLLERR)))
        _exit(connectionLostExitCode);
    raise(signal); // the default action, as the handler was reset on the way in
}

void recordLoss(Display*, void* lost) {
    *static_cast<bool*>(lost) = true;
}

const struct {
    const char* name;
    Atom Atoms::*member;
} atomNames[] = {
    {"WM_PROTOCOLS", &Atoms::wmProtocols},
    {"WM_DELETE_WINDOW", &Atoms::wmDeleteWindow},
    {"WM_STATE", &Atoms::wmState},
    {"UTF8_STRING", &Atoms::utf8String},
    {"_NET_WM_NAME", &Atoms::netWmName},
    {"_NET_WM_STATE", &Atoms::netWmState},
    {"_NET_WM_STATE_MAXIMIZED_VERT", &Atoms::netWmStateMaximizedVert},
    {"_NET_WM_STATE_MAXIMIZED_HORZ", &Atoms::netWmStateMaximizedHorz},
    {"_NET_WM_STATE_MODAL", &Atoms::netWmStateModal},
    {"_NET_WM_WINDOW_TYPE", &Atoms::netWmWindowType},
    {"_NET_WM_WINDOW_TYPE_DIALOG", &Atoms::netWmWindowTypeDialog},
    {"_NET_SUPPORTED", &Atoms::netSupported},
    {"_NET_SUPPORTING_WM_CHECK", &Atoms::netSupportingWmCheck},
    {"_NET_REQUEST_FRAME_EXTENTS", &Atoms::netRequestFrameExtents},
    {"_NET_FRAME_EXTENTS", &Atoms::netFrameExtents},
    {"_MOTIF_WM_HINTS", &Atoms::motifWmHints},
    {"_TALVO_MESSAGE", &Atoms::messageText},
};
const int atomCount = sizeof(atomNames) / sizeof(atomNames[0]);

// One round trip for all of them.
Atoms internAtoms(Display* connection) {
    char* names[atomCount];
    Atom values[atomCount];
    for (int i = 0; i < atomCount; ++i)
        names[i] = const_cast<char*>(atomNames[i].name);
    XInternAtoms(connection, names, atomCount, False, values);
    Atoms interned = {};
    for (int i = 0; i < atomCount; ++i)
        interned.*atomNames[i].member = values[i];
    return interned;
}

} // namespace

// The error handlers are the process's, for every connection; the exit handler is the
// connection's own.
Connection openConnection(XIOErrorExitHandler onLoss, void* lossData) {
    XSetErrorHandler(ErrorTrap::recordError);
    XSetIOErrorHandler(leaveLossToConnection);
    Connection opened = {};
    opened.display = XOpenDisplay(nullptr);
    if (opened.display) {
        XSetIOErrorExitHandler(opened.display, onLoss, lossData);
        opened.atoms = internAtoms(opened.display);
    }
    return opened;
}

Connection openConnection(bool& lost) {
    return openConnection(recordLoss, &lost);
}

// Opened on first use. A held key repeats its press alone, without a release before each repeat,
// as on Windows; a crash once the connection is lost ends the program as the loss itself does.
const Connection& programConnection() {
    if (!programOpened) {
        programOpened = true;
        program = openConnection(endProgram, nullptr);
        if (program.display) {
            XkbSetDetectableAutoRepeat(program.display, True, nullptr);
            handleSignals({SIGSEGV, SIGBUS, SIGABRT}, endCrashAfterConnectionLoss,
                          SA_RESETHAND | SA_NODEFER);
        }
    }
    return program;
}

int screen() {
    return DefaultScreen(program.display);
}

Window rootWindow() {
    return RootWindow(program.display, DefaultScreen(program.display));
}

// Errors arrive asynchronously: syncing first settles the earlier requests, so their errors go to
// the traps that were there when they were made.
ErrorTrap::ErrorTrap(const char* call)
    : call(call), connection(display()), enclosing(innermostTrap) {
    XSync(connection, False);
    innermostTrap = this;
}

ErrorTrap::~ErrorTrap() {
    innermostTrap = enclosing;
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

int ErrorTrap::recordError(Display* connection, XErrorEvent* error) {
    for (ErrorTrap* trap = innermostTrap; trap; trap = trap->enclosing)
        if (trap->connection == connection && trap->firstError.error_code == Success)
            trap->firstError = *error;
    return 0;
}

} // namespace x11
