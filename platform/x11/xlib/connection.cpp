#include "xlib/connection.h"

#include "xlib/error_trap.h"
#include "xlib/lock_keys.h"
#include "xlib/xlib_state.h"

#include <X11/XKBlib.h>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace x11 {
namespace {

// Xlib calls this for any lost connection, then that connection's exit handler, which decides.
int leaveLossToConnection(Display*) {
    return 0;
}

// Ends the process here, before anything else can touch the dead connection (the GL driver's exit
// handlers would).
void endProgram(Display*, void*) {
    _exit(connectionLostExitCode);
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
    {"_NET_WM_STATE_FULLSCREEN", &Atoms::netWmStateFullscreen},
    {"_NET_ACTIVE_WINDOW", &Atoms::netActiveWindow},
    {"_NET_WORKAREA", &Atoms::netWorkarea},
    {"_NET_WM_WINDOW_TYPE", &Atoms::netWmWindowType},
    {"_NET_WM_WINDOW_TYPE_DIALOG", &Atoms::netWmWindowTypeDialog},
    {"_NET_SUPPORTED", &Atoms::netSupported},
    {"_NET_SUPPORTING_WM_CHECK", &Atoms::netSupportingWmCheck},
    {"_NET_REQUEST_FRAME_EXTENTS", &Atoms::netRequestFrameExtents},
    {"_NET_FRAME_EXTENTS", &Atoms::netFrameExtents},
    {"_MOTIF_WM_HINTS", &Atoms::motifWmHints},
    {"_TALVO_MESSAGE", &Atoms::messageText},
    {"Caps Lock", &Atoms::capsLock},
    {"Num Lock", &Atoms::numLock},
    {"Scroll Lock", &Atoms::scrollLock},
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

// A program started with standard input, output or error closed would have its connection take
// that descriptor, and whatever is written there (the GL driver's messages, say) would go into the
// protocol stream. Each closed one is opened on /dev/null, which takes the lowest free descriptor:
// the one closed.
void occupyStandardDescriptors() {
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor)
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", O_RDWR);
}

// The error handlers are the process's, for every connection; the exit handler is the
// connection's own. A held key repeats its press alone, without a release before each repeat, as
// on Windows.
Connection openConnection(XIOErrorExitHandler onLoss, void* lossData) {
    occupyStandardDescriptors();
    trapProtocolErrors();
    XSetIOErrorHandler(leaveLossToConnection);
    Connection opened = {};
    opened.display = XOpenDisplay(nullptr);
    if (opened.display) {
        XSetIOErrorExitHandler(opened.display, onLoss, lossData);
        XkbSetDetectableAutoRepeat(opened.display, True, nullptr);
        opened.atoms = internAtoms(opened.display);
    }
    return opened;
}

} // namespace

XlibState xlib;

Connection openConnection(bool& lost) {
    return openConnection(recordLoss, &lost);
}

// The thread's key state starts from the keyboard as it stands when the program connects.
const Connection& programConnection() {
    if (!xlib.programOpened) {
        xlib.programOpened = true;
        xlib.program = openConnection(endProgram, nullptr);
        if (xlib.program.display)
            readLockKeys(xlib.program);
    }
    return xlib.program;
}

int screen() {
    return DefaultScreen(xlib.program.display);
}

Window rootWindow() {
    return RootWindow(xlib.program.display, DefaultScreen(xlib.program.display));
}

int programConnectionNumber() {
    return xlib.program.display ? ConnectionNumber(xlib.program.display) : -1;
}

} // namespace x11
