#include "process/signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace x11 {
namespace {

volatile std::sig_atomic_t closeRequested = 0;
// The pipe a wait watches for the request, made once a wait needs it: a program that never waits
// never has it.
int wakeReadEnd = -1;
volatile std::sig_atomic_t wakeWriteEnd = -1;

// The handler may run on any thread (the GL driver's among them), so a thread waiting for input
// learns of the request through the pipe. The write cannot block: a full pipe already wakes.
void requestClose(int) {
    closeRequested = 1;
    if (wakeWriteEnd >= 0) {
        const int savedErrno = errno;
        const char wake = 1;
        (void)!write(wakeWriteEnd, &wake, 1);
        errno = savedErrno;
    }
}

bool handledByDefault(int signal) {
    struct sigaction current = {};
    return sigaction(signal, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO) &&
           current.sa_handler == SIG_DFL;
}

} // namespace

void handleSignals(std::initializer_list<int> signals, void (*handler)(int), int flags) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = flags;
    for (int signal : signals)
        sigaction(signal, &action, nullptr);
}

void takeSessionSignals() {
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        if (handledByDefault(signal))
            handleSignals({signal}, requestClose, SA_RESTART | SA_RESETHAND);
    if (handledByDefault(SIGPIPE))
        std::signal(SIGPIPE, SIG_IGN);
}

bool takeCloseRequest() {
    if (!closeRequested)
        return false;
    closeRequested = 0;
    return true;
}

bool closeRequestPending() {
    return closeRequested;
}

int closeRequestDescriptor() {
    if (wakeReadEnd < 0) {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
            return -1;
        wakeReadEnd = ends[0];
        wakeWriteEnd = ends[1];
    }
    return wakeReadEnd;
}

} // namespace x11
