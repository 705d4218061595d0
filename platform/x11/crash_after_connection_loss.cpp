// The shipped program's answer to a crash that follows the loss of its X connection. The GL driver
// talks to the server on the program's connection too, and some of its paths use an answer they
// did not get from a server gone, without looking: such a crash ends the program as the loss
// itself does (exit code 1), and any other crash goes on as one. Only the shipped program takes
// it, set as the process starts: a program of one's own keeps its crashes as they are.
#include "process/signals.h"
#include "xlib/connection.h"

#include <poll.h>
#include <unistd.h>

#include <csignal>

namespace {

void endCrashAfterConnectionLoss(int signal) {
    pollfd connection = {x11::programConnectionNumber(), 0, 0};
    if (connection.fd >= 0 && poll(&connection, 1, 0) == 1 &&
        (connection.revents & (POLLHUP | POLLERR)))
        _exit(x11::connectionLostExitCode);
    raise(signal); // the default action, as the handler was reset on the way in
}

const bool crashesWatched =
    (x11::handleSignals({SIGSEGV, SIGBUS, SIGABRT}, endCrashAfterConnectionLoss,
                        SA_RESETHAND | SA_NODEFER),
     true);

} // namespace
