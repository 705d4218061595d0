#include "platform/x11/display.h"

#include <X11/XKBlib.h>

#include <cstdio>
#include <unistd.h>

namespace x11 {
namespace {

// A lost server leaves nothing to show a message on and nothing to clean up: the process ends
// here, before anything else can touch the dead connection (the GL driver's exit handlers would).
const int connectionLostExitCode = 1;

Connection program = {};
bool programOpened = false;
ErrorTrap* innermostTrap = nullptr;

int endOnConnectionLoss(Display*) {
    _exit(connectionLostExitCode);
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

// The handlers are the process's, for every connection.
Connection openConnection() {
    XSetErrorHandler(ErrorTrap::recordError);
    XSetIOErrorHandler(endOnConnectionLoss);
    Connection opened = {};
    opened.display = XOpenDisplay(nullptr);
    if (opened.display)
        opened.atoms = internAtoms(opened.display);
    return opened;
}

// A held key repeats its press alone, without a release before each repeat, as on Windows.
const Connection& programConnection() {
    if (!programOpened) {
        programOpened = true;
        program = openConnection();
        if (program.display)
            XkbSetDetectableAutoRepeat(program.display, True, nullptr);
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
