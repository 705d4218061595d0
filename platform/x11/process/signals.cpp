#include "process/signals.h"

#include <csignal>

namespace x11 {
namespace {

volatile std::sig_atomic_t closeRequested = 0;

void requestClose(int) {
    closeRequested = 1;
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

} // namespace x11
