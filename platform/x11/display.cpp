#include "platform/x11/display.h"

#include <unistd.h>

namespace x11 {
namespace {

// A lost server leaves nothing to show a message on and nothing to clean up: the process ends
// here, before anything else can touch the dead connection (the GL driver's exit handlers would).
const int connectionLostExitCode = 1;

Display* connection = nullptr;
bool openingFailed = false;
Atoms internedAtoms = {};
int firstTrappedError = Success;

int recordProtocolError(Display*, XErrorEvent* error) {
    if (firstTrappedError == Success)
        firstTrappedError = error->error_code;
    return 0;
}

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
void internAtoms() {
    char* names[atomCount];
    Atom values[atomCount];
    for (int i = 0; i < atomCount; ++i)
        names[i] = const_cast<char*>(atomNames[i].name);
    XInternAtoms(connection, names, atomCount, False, values);
    for (int i = 0; i < atomCount; ++i)
        internedAtoms.*atomNames[i].member = values[i];
}

} // namespace

Display* display() {
    if (connection || openingFailed)
        return connection;
    XSetErrorHandler(recordProtocolError);
    XSetIOErrorHandler(endOnConnectionLoss);
    connection = XOpenDisplay(nullptr);
    if (!connection) {
        openingFailed = true;
        return nullptr;
    }
    internAtoms();
    return connection;
}

const Atoms& atoms() {
    return internedAtoms;
}

int screen() {
    return DefaultScreen(connection);
}

Window rootWindow() {
    return RootWindow(connection, DefaultScreen(connection));
}

// Errors arrive asynchronously: syncing first settles the earlier requests, so only the errors of
// those made after it are counted.
ErrorTrap::ErrorTrap() {
    XSync(connection, False);
    firstTrappedError = Success;
}

bool ErrorTrap::failed() {
    XSync(connection, False);
    return firstTrappedError != Success;
}

} // namespace x11
